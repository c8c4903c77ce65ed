#include "SetupOptions.h"

#include "SetupNames.h"

#include <algorithm>
#include <vector>

namespace {

// The words of the line outside "/D=": separated by blanks, a quoted part kept in one word.
std::vector<std::string> Words(const std::string& strLine) {
    std::vector<std::string> words;
    std::string strWord;
    bool bQuoted = false;
    for (char ch : strLine) {
        if (ch == '"') bQuoted = !bQuoted;
        if ((ch == ' ' || ch == '\t') && !bQuoted) {
            if (!strWord.empty()) words.push_back(strWord);
            strWord.clear();
        } else {
            strWord += ch;
        }
    }
    if (!strWord.empty()) words.push_back(strWord);
    return words;
}

// Where "/D=" begins as a word of its own; npos when it is not there.
std::size_t DestinationStart(const std::string& strLine) {
    for (std::size_t nPos = strLine.find("/D="); nPos != std::string::npos;
         nPos = strLine.find("/D=", nPos + 1)) {
        if (nPos == 0 || strLine[nPos - 1] == ' ' || strLine[nPos - 1] == '\t') return nPos;
    }
    return std::string::npos;
}

std::string Unquoted(std::string strText) {
    if (strText.size() >= 2 && strText.front() == '"' && strText.back() == '"')
        return strText.substr(1, strText.size() - 2);
    return strText.find('"') == std::string::npos ? strText : std::string();
}

std::string WithoutTrailingBlanks(std::string strText) {
    while (!strText.empty() && (strText.back() == ' ' || strText.back() == '\t'))
        strText.pop_back();
    return strText;
}

void NotUnderstood(SetupOptions& options, const std::string& strWord) {
    if (options.m_strNotUnderstood.empty()) options.m_strNotUnderstood = strWord;
}

// The destination as given: a full path, its trailing "\" dropped.
void ReadDestination(SetupOptions& options, const std::string& strSwitch) {
    std::string strPath = WithoutTrailingBlanks(strSwitch.substr(3));
    // The system takes "/" for "\" in a path.
    std::replace(strPath.begin(), strPath.end(), '/', '\\');
    if (!IsValidDestination(strPath)) {
        NotUnderstood(options, strSwitch);
        return;
    }
    if (strPath.back() == '\\') strPath.pop_back();
    options.m_strDestination = strPath;
}

// A word that is a switch of an unattended run; false for any other.
bool ReadWord(SetupOptions& options, const std::string& strWord) {
    if (strWord == "/S") return options.m_bUnattended = true;
    if (strWord == "/u" || strWord == "/r") return true;
    if (!StartsWithNoCase(strWord, "/LOG=")) return false;
    options.m_strLogFile = Unquoted(strWord.substr(5));
    return !options.m_strLogFile.empty();
}

} // namespace

SetupOptions ReadSetupOptions(const std::string& strCommandLine) {
    SetupOptions options;
    options.m_strCommandLine = strCommandLine;
    std::size_t nDestination = DestinationStart(strCommandLine);
    std::string strSwitches = strCommandLine.substr(0, nDestination);
    std::string strMatched;
    for (const std::string& strWord : Words(strSwitches)) {
        if (!ReadWord(options, strWord)) NotUnderstood(options, strWord);
        // A log's name is no switch, whatever it holds.
        if (!StartsWithNoCase(strWord, "/LOG=")) strMatched += strWord + " ";
    }
    options.m_bUninstall = strMatched.find("/u") != std::string::npos;
    options.m_bRemove = options.m_bUninstall || strMatched.find("/r") != std::string::npos;
    if (nDestination != std::string::npos)
        ReadDestination(options, strCommandLine.substr(nDestination));
    // Without "/S" only the switches of an unattended run can be misread: the words around
    // them are the interactive program's, which never looked at them.
    if (!options.m_bUnattended && !StartsWithNoCase(options.m_strNotUnderstood, "/D=") &&
        !StartsWithNoCase(options.m_strNotUnderstood, "/LOG="))
        options.m_strNotUnderstood.clear();
    return options;
}

std::string CopySwitches(const SetupOptions& options) {
    std::string strSwitches = "/r";
    if (options.m_bUnattended) strSwitches += " /S";
    if (!options.m_strLogFile.empty()) strSwitches += " /LOG=\"" + options.m_strLogFile + "\"";
    return strSwitches;
}
