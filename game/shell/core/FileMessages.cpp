#include "FileMessages.h"

#include "FrameworkIds.h"

namespace {
// The system's error codes, as numbers: this file is portable.
constexpr unsigned kErrorFileNotFound = 2;
constexpr unsigned kErrorPathNotFound = 3;
constexpr unsigned kErrorTooManyOpenFiles = 4;
constexpr unsigned kErrorAccessDenied = 5;
constexpr unsigned kErrorInvalidHandle = 6;
constexpr unsigned kErrorWriteProtect = 19;
constexpr unsigned kErrorSharingViolation = 32;
constexpr unsigned kErrorLockViolation = 33;
constexpr unsigned kErrorInvalidName = 123;
constexpr unsigned kErrorBadPathName = 161;
constexpr unsigned kErrorFileNameTooLong = 206;
constexpr unsigned kErrorDirectory = 267;
} // namespace

int FileMessageId(unsigned nError, bool bSaving) {
    switch (nError) {
    case 0:
    case kErrorInvalidName:
    case kErrorFileNameTooLong:
        return IDS_INVALID_FILENAME;
    case kErrorFileNotFound:
        // Saving creates the file: only a missing folder can stop it.
        return bSaving ? IDS_FILE_BAD_PATH : IDS_FILE_NOT_FOUND;
    case kErrorPathNotFound:
    case kErrorBadPathName:
        return IDS_FILE_BAD_PATH;
    case kErrorTooManyOpenFiles:
        return IDS_FILE_TOO_MANY_OPEN;
    case kErrorAccessDenied:
    case kErrorWriteProtect:
    case kErrorSharingViolation:
    case kErrorLockViolation:
        return IDS_FILE_ACCESS_DENIED;
    case kErrorInvalidHandle:
    case kErrorDirectory:
        return IDS_FILE_INVALID;
    default:
        return bSaving ? IDS_FAILED_TO_SAVE_DOC : IDS_FAILED_TO_OPEN_DOC;
    }
}

std::string FormatMessageText(const std::string& text, const std::string& arg) {
    std::string out;
    std::string::size_type nStart = 0;
    for (;;) {
        std::string::size_type nAt = text.find("%1", nStart);
        if (nAt == std::string::npos) break;
        out.append(text, nStart, nAt - nStart);
        out += arg;
        nStart = nAt + 2;
    }
    out.append(text, nStart, std::string::npos);
    return out;
}
