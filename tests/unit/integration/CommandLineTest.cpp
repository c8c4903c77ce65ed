#include "CommandLineInfo.h"

#include <gtest/gtest.h>

using Args = std::vector<std::string>;

TEST(CommandLineTest, EachCommandOfTheTable) {
    EXPECT_EQ(CCommandLineInfo::Parse({}).m_nShellCommand, CCommandLineInfo::FileNew);
    CCommandLineInfo open = CCommandLineInfo::Parse({"C:\\games\\a.qnl"});
    EXPECT_EQ(open.m_nShellCommand, CCommandLineInfo::FileOpen);
    EXPECT_EQ(open.m_strFileName, "C:\\games\\a.qnl");
    CCommandLineInfo print = CCommandLineInfo::Parse({"/p", "a.qnl"});
    EXPECT_EQ(print.m_nShellCommand, CCommandLineInfo::FilePrint);
    EXPECT_EQ(print.m_strFileName, "a.qnl");
    EXPECT_FALSE(print.m_bShowSplash);
    CCommandLineInfo printTo = CCommandLineInfo::Parse({"-PT", "a.qnl", "Printer", "drv", "LPT1:"});
    EXPECT_EQ(printTo.m_nShellCommand, CCommandLineInfo::FilePrintTo);
    EXPECT_EQ(printTo.m_strPrinterName, "Printer");
    EXPECT_EQ(printTo.m_strDriverName, "drv");
    EXPECT_EQ(printTo.m_strPortName, "LPT1:");
    EXPECT_EQ(CCommandLineInfo::Parse({"/DDE"}).m_nShellCommand, CCommandLineInfo::FileDDE);
    EXPECT_EQ(CCommandLineInfo::Parse({"-unregister"}).m_nShellCommand,
              CCommandLineInfo::AppUnregister);
    EXPECT_EQ(CCommandLineInfo::Parse({"/UnRegServer"}).m_nShellCommand,
              CCommandLineInfo::AppUnregister);
}

TEST(CommandLineTest, UnknownSwitchesAndExtraNamesAreIgnored) {
    CCommandLineInfo info = CCommandLineInfo::Parse({"/x", "a.qnl", "b.qnl"});
    EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FileOpen);
    EXPECT_EQ(info.m_strFileName, "a.qnl");
    EXPECT_TRUE(info.m_strPrinterName.empty()) << "only print-to takes a printer";
    EXPECT_EQ(CCommandLineInfo::Parse({"-"}).m_strFileName, "-") << "a lone dash is a name";
}

TEST(CommandLineTest, SplitsAsTheRuntimeDoes) {
    EXPECT_EQ(SplitCommandLine("  a  b\tc "), (Args{"a", "b", "c"}));
    EXPECT_EQ(SplitCommandLine("\"C:\\Program Files\\x.qnl\" /p"),
              (Args{"C:\\Program Files\\x.qnl", "/p"}));
    EXPECT_EQ(SplitCommandLine("a\\\\\"b c\""), (Args{"a\\b c"}));
    EXPECT_EQ(SplitCommandLine("a\\\"b"), (Args{"a\"b"}));
    EXPECT_EQ(SplitCommandLine("C:\\dir\\ x"), (Args{"C:\\dir\\", "x"}));
    EXPECT_EQ(SplitCommandLine("\"\""), (Args{""}));
    EXPECT_EQ(SplitCommandLine("\"unclosed name"), (Args{"unclosed name"}));
    EXPECT_TRUE(SplitCommandLine("   ").empty());
}

TEST(CommandLineTest, TheProgramNameIsSkippedAsTheRuntimeSkipsIt) {
    EXPECT_EQ(ArgumentsOf("\"C:\\Program Files\\QUENLOW.EXE\" /p \"C:\\a b.qnl\""),
              (Args{"/p", "C:\\a b.qnl"}));
    EXPECT_EQ(ArgumentsOf("C:\\GAMES\\QUENLOW.EXE C:\\a.qnl"), (Args{"C:\\a.qnl"}));
    EXPECT_EQ(ArgumentsOf("QUENLOW.EXE"), Args{});
    EXPECT_EQ(ArgumentsOf("\"C:\\dir\\\"x /dde"), (Args{"x", "/dde"}))
        << "a backslash before the closing quote does not escape it in the program's name";
    EXPECT_EQ(ArgumentsOf("\"unclosed"), Args{});
    EXPECT_EQ(ArgumentsOf(""), Args{});
}
