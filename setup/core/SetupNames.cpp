#include "SetupNames.h"

#include "SetupTexts.h"

#include <cctype>
#include <cstring>

namespace {

bool IsForbiddenChar(char ch) {
    unsigned char c = static_cast<unsigned char>(ch);
    return c < 0x20 || c == 0x7F || std::string("\\/:*?\"<>|").find(ch) != std::string::npos;
}

bool IsBlanksAndDots(const std::string& s) {
    return s.find_first_not_of(" .") == std::string::npos;
}

// The system drops a trailing dot or blank, so "Quenlow." names the folder "Quenlow".
bool EndsInDotOrBlank(const std::string& s) {
    return !s.empty() && (s.back() == '.' || s.back() == ' ');
}

// CON, NUL, COM1 and the like name devices in every folder, with or without an extension:
// opening "nul.txt" in any folder opens the device, not a file.
bool IsDeviceName(const std::string& strName) {
    std::string strBase = strName.substr(0, strName.find('.'));
    while (!strBase.empty() && strBase.back() == ' ')
        strBase.pop_back();
    for (const char* szDevice : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"}) {
        if (EqualsNoCase(strBase, szDevice)) return true;
    }
    return strBase.size() == 4 &&
           (StartsWithNoCase(strBase, "COM") || StartsWithNoCase(strBase, "LPT")) &&
           strBase[3] >= '1' && strBase[3] <= '9';
}

// The folders below the root, each a valid component.
bool AreValidComponents(std::string strRest) {
    if (!strRest.empty() && strRest.back() == '\\') strRest.pop_back();
    if (strRest.empty()) return false; // the root itself
    std::size_t nStart = 0;
    while (true) {
        std::size_t nEnd = strRest.find('\\', nStart);
        std::string strPart = strRest.substr(nStart, nEnd - nStart);
        if (!IsSafeName(strPart)) return false;
        if (nEnd == std::string::npos) return true;
        nStart = nEnd + 1;
    }
}

} // namespace

bool StartsWithNoCase(const std::string& strLine, const char* szPrefix) {
    std::size_t n = std::strlen(szPrefix);
    if (strLine.size() < n) return false;
    for (std::size_t i = 0; i < n; ++i) {
        if (std::tolower(static_cast<unsigned char>(strLine[i])) !=
            std::tolower(static_cast<unsigned char>(szPrefix[i])))
            return false;
    }
    return true;
}

bool EqualsNoCase(const std::string& strText, const char* szWord) {
    return strText.size() == std::strlen(szWord) && StartsWithNoCase(strText, szWord);
}

bool IsSafeName(const std::string& strName) {
    if (IsBlanksAndDots(strName) || EndsInDotOrBlank(strName) || IsDeviceName(strName))
        return false;
    for (char ch : strName) {
        if (IsForbiddenChar(ch)) return false;
    }
    return true;
}

bool IsValidDestination(const std::string& strPath) {
    if (strPath.size() > kMaxPathChars) return false;
    if (strPath.size() >= 3 && std::isalpha(static_cast<unsigned char>(strPath[0])) &&
        strPath[1] == ':' && strPath[2] == '\\')
        return AreValidComponents(strPath.substr(3));
    if (strPath.compare(0, 2, "\\\\") != 0) return false;
    // A share "\\server\share\" is the root of a network path.
    std::size_t nServerEnd = strPath.find('\\', 2);
    if (nServerEnd == std::string::npos || !IsSafeName(strPath.substr(2, nServerEnd - 2)))
        return false;
    std::size_t nShareEnd = strPath.find('\\', nServerEnd + 1);
    if (nShareEnd == std::string::npos ||
        !IsSafeName(strPath.substr(nServerEnd + 1, nShareEnd - nServerEnd - 1)))
        return false;
    return AreValidComponents(strPath.substr(nShareEnd + 1));
}

bool HasWildcard(const std::string& strPath) {
    return strPath.find_first_of("*?") != std::string::npos;
}

std::string ProductTitle(ISetupSystem& system, const std::string& strProduct) {
    return system.Is64BitProgram() ? strProduct + " (64-bit)" : strProduct;
}

std::string DefaultDestination(ISetupSystem& system, const std::string& strProduct) {
    // The system's own folder for programs of this build's kind: a 32-bit program on a 64-bit
    // system is given the folder for 32-bit programs.
    std::string strBase = system.FindSpecialFolder(SpecialFolder::ProgramFiles);
    if (strBase.empty()) strBase = kProgramFilesFallback;
    return strBase + "\\" + kMakerFolder + "\\" + strProduct;
}

bool PickedDestination(ISetupSystem& system, const std::string& strProduct,
                       const std::string& strPicked, std::string& strDestination) {
    // A drive root comes back from the browser as "D:\"; its "\" is not doubled.
    std::string strPath = strPicked;
    if (strPath.empty() || strPath.back() != '\\') strPath += '\\';
    strPath += strProduct;
    if (strPath.size() > kMaxPathChars) {
        system.ShowMessage(BoxOwner::None, kPathTooLong + strPath, kCaptionError, BoxKind::Ok);
        return false;
    }
    if (!IsValidDestination(strPath)) return false;
    strDestination = strPath;
    return true;
}
