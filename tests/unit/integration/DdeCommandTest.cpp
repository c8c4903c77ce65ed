#include "DdeCommand.h"

#include <gtest/gtest.h>

TEST(DdeCommandTest, OpenPrintAndSeveralCommands) {
    std::vector<CDdeCommand> cmds;
    ASSERT_TRUE(ParseDdeCommands("[open(\"C:\\My Games\\a.qnl\")]", cmds));
    ASSERT_EQ(cmds.size(), 1u);
    EXPECT_EQ(cmds[0].m_strVerb, "open");
    EXPECT_EQ(cmds[0].m_arguments, std::vector<std::string>{"C:\\My Games\\a.qnl"});
    ASSERT_TRUE(
        ParseDdeCommands(" [OPEN(\"a\")] [printto(\"b\", \"P \"\"1\"\"\", drv, port)]", cmds));
    ASSERT_EQ(cmds.size(), 2u);
    EXPECT_EQ(cmds[0].m_strVerb, "open");
    EXPECT_EQ(cmds[1].m_arguments, (std::vector<std::string>{"b", "P \"1\"", "drv", "port"}));
    ASSERT_TRUE(ParseDdeCommands("[close()]", cmds));
    EXPECT_TRUE(cmds[0].m_arguments.empty());
}

TEST(DdeCommandTest, RejectsMalformedCommands) {
    std::vector<CDdeCommand> cmds;
    for (const char* bad : {"", "open(\"a\")", "[open(\"a\")", "[open(\"a)]", "[(\"a\")]",
                            "[open(\"a\" \"b\")]", "[open(\"a\")] junk"})
        EXPECT_FALSE(ParseDdeCommands(bad, cmds)) << bad;
}
