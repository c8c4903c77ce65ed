#include "FileNames.h"

namespace {
std::string::size_type NameStart(const std::string& path) {
    std::string::size_type nSep = path.find_last_of("\\/:");
    return nSep == std::string::npos ? 0 : nSep + 1;
}
} // namespace

std::string ChangeFileExtension(const std::string& path, const std::string& strExtension) {
    std::string::size_type nDot = path.rfind('.');
    if (nDot == std::string::npos || nDot < NameStart(path)) return path + strExtension;
    return path.substr(0, nDot) + strExtension;
}

std::string FileNameOf(const std::string& path) {
    return path.substr(NameStart(path));
}
