#include "FileCopy.h"

namespace {

enum class TargetKind { Replace, New };

bool CopyInto(ISetupSystem& system, const std::string& strSource, const std::string& strTarget,
              TargetKind kind) {
    std::unique_ptr<ISetupFile> pSource = system.OpenRead(strSource);
    if (!pSource) return false;
    std::unique_ptr<ISetupFile> pTarget =
        kind == TargetKind::New ? system.OpenNew(strTarget) : system.OpenWrite(strTarget);
    bool bCopied = false;
    if (pTarget) {
        bCopied = CopyStream(system, *pSource, *pTarget);
        bCopied = pTarget->Close() && bCopied;
        pTarget.reset();
        // A file cut short (a full disk) would pass for an installed one: it goes. One that
        // cannot be removed stays; the caller reports the copy as failed either way.
        if (!bCopied) system.RemoveFile(strTarget);
    }
    pSource->Close(); // opened for reading: nothing to lose
    return bCopied;
}

} // namespace

bool CopyStream(ISetupSystem& system, ISetupFile& source, ISetupFile& target) {
    char buffer[4096];
    while (true) {
        long nRead = source.Read(buffer, static_cast<long>(sizeof(buffer)));
        if (nRead < 0) return false;
        if (nRead == 0) return true;
        if (target.Write(buffer, nRead) != nRead) return false;
        system.DispatchMessages();
    }
}

bool CopyWholeFile(ISetupSystem& system, const std::string& strSource,
                   const std::string& strTarget) {
    return CopyInto(system, strSource, strTarget, TargetKind::Replace);
}

bool CopyToNewFile(ISetupSystem& system, const std::string& strSource,
                   const std::string& strTarget) {
    return CopyInto(system, strSource, strTarget, TargetKind::New);
}
