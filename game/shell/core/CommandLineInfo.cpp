#include "CommandLineInfo.h"

#include <algorithm>
#include <cctype>

namespace {
bool EqualsNoCase(const std::string& a, const char* b) {
    std::string lb(b);
    return a.size() == lb.size() &&
           std::equal(a.begin(), a.end(), lb.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}
} // namespace

void CCommandLineInfo::ParseFlag(const std::string& flag) {
    if (EqualsNoCase(flag, "pt")) {
        m_nShellCommand = FilePrintTo;
    } else if (EqualsNoCase(flag, "p")) {
        m_nShellCommand = FilePrint;
    } else if (EqualsNoCase(flag, "dde")) {
        m_nShellCommand = FileDDE;
    } else if (EqualsNoCase(flag, "Unregister") || EqualsNoCase(flag, "Unregserver")) {
        m_nShellCommand = AppUnregister;
    } else {
        return; // other switches are not ours
    }
    if (m_nShellCommand != AppUnregister) m_bShowSplash = false;
}

void CCommandLineInfo::ParseNotFlag(const std::string& param) {
    if (m_strFileName.empty())
        m_strFileName = param;
    else if (m_nShellCommand == FilePrintTo && m_strPrinterName.empty())
        m_strPrinterName = param;
    else if (m_nShellCommand == FilePrintTo && m_strDriverName.empty())
        m_strDriverName = param;
    else if (m_nShellCommand == FilePrintTo && m_strPortName.empty())
        m_strPortName = param;
}

void CCommandLineInfo::ParseParam(const std::string& param, bool bFlag) {
    if (bFlag)
        ParseFlag(param);
    else
        ParseNotFlag(param);
}

CCommandLineInfo CCommandLineInfo::Parse(const std::vector<std::string>& args) {
    CCommandLineInfo info;
    for (const std::string& arg : args) {
        bool bFlag = arg.size() > 1 && (arg[0] == '/' || arg[0] == '-');
        info.ParseParam(bFlag ? arg.substr(1) : arg, bFlag);
    }
    if (info.m_nShellCommand == FileNew && !info.m_strFileName.empty())
        info.m_nShellCommand = FileOpen;
    return info;
}

std::vector<std::string> SplitCommandLine(const std::string& line) {
    std::vector<std::string> args;
    size_t i = 0;
    const size_t n = line.size();
    while (i < n) {
        while (i < n && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i >= n) break;
        std::string arg;
        bool bQuoted = false;
        while (i < n && (bQuoted || (line[i] != ' ' && line[i] != '\t'))) {
            size_t nSlashes = 0;
            while (i < n && line[i] == '\\') {
                ++nSlashes;
                ++i;
            }
            if (i < n && line[i] == '"') {
                arg.append(nSlashes / 2, '\\');
                if (nSlashes % 2 == 1) {
                    arg += '"';
                } else if (bQuoted && i + 1 < n && line[i + 1] == '"') {
                    arg += '"'; // "" inside quotes is a literal quote
                    ++i;
                } else {
                    bQuoted = !bQuoted;
                }
                ++i;
            } else {
                arg.append(nSlashes, '\\');
                if (i < n && (bQuoted || (line[i] != ' ' && line[i] != '\t'))) arg += line[i++];
            }
        }
        args.push_back(arg);
    }
    return args;
}

std::vector<std::string> ArgumentsOf(const std::string& commandLine) {
    std::string::size_type nEnd = 0;
    if (!commandLine.empty() && commandLine[0] == '"') {
        nEnd = commandLine.find('"', 1);
        nEnd = nEnd == std::string::npos ? commandLine.size() : nEnd + 1;
    } else {
        nEnd = commandLine.find_first_of(" \t");
        if (nEnd == std::string::npos) nEnd = commandLine.size();
    }
    return SplitCommandLine(commandLine.substr(nEnd));
}
