// What the program was asked to do on its command line. Switches begin with "/" or "-" and
// are compared without regard to case; the first other argument is the file name, and after
// "pt" the next three are the printer, driver and port.
#pragma once

#include <string>
#include <vector>

class CCommandLineInfo {
public:
    enum ShellCommand { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppUnregister };

    void ParseParam(const std::string& param, bool bFlag);
    // Parses the arguments after the program name.
    static CCommandLineInfo Parse(const std::vector<std::string>& args);

    ShellCommand m_nShellCommand = FileNew;
    std::string m_strFileName;
    std::string m_strPrinterName;
    std::string m_strDriverName;
    std::string m_strPortName;
    // Print commands keep the window hidden.
    bool m_bShowSplash = true;

private:
    void ParseFlag(const std::string& flag);
    void ParseNotFlag(const std::string& param);
};

// Splits a Windows command line into arguments as the C runtime does: blanks separate,
// double quotes group, 2n backslashes before a quote give n backslashes and open or close a
// group, 2n+1 give n and a literal quote.
std::vector<std::string> SplitCommandLine(const std::string& line);
// The arguments of a whole command line, the program's name skipped as the runtime skips it: up
// to the closing quote when it starts with one, otherwise up to the first blank.
std::vector<std::string> ArgumentsOf(const std::string& commandLine);
