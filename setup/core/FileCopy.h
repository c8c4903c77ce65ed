// Copying a file whole, as raw bytes in blocks of 4,096.
#pragma once

#include "SetupSystem.h"

#include <string>

// True when the source was read to its end and every byte reached the target. The system's
// messages are dispatched after each block, so that a large file does not freeze the windows.
bool CopyStream(ISetupSystem& system, ISetupFile& source, ISetupFile& target);

// Copies strSource to strTarget, replacing the target; true only for a whole copy whose target
// was closed without loss. The target is not opened when the source cannot be, and is removed
// when it was opened but did not receive the whole file.
bool CopyWholeFile(ISetupSystem& system, const std::string& strSource,
                   const std::string& strTarget);

// The same into a file that did not exist, which no one else can open while it is written.
bool CopyToNewFile(ISetupSystem& system, const std::string& strSource,
                   const std::string& strTarget);
