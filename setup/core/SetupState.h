// The one run-wide state of the setup program.
#pragma once

#include "SetupConfig.h"
#include "SetupOptions.h"
#include "SetupSystem.h"

#include <cstddef>
#include <string>

// Each folder is empty or ends in "\"; the group folder is the product's Start-menu folder.
struct ShellFolders {
    std::string m_strDesktop;
    std::string m_strStartup;
    std::string m_strGroup;
};

enum class SetupMode { Install, Remove };

// Paths of 260 characters or more never reach the system.
constexpr std::size_t kMaxPathChars = 259;

struct SetupState {
    explicit SetupState(ISetupSystem& system) : m_pSystem(&system) {}

    ISetupSystem* m_pSystem;
    ISetupLog* m_pLog = &NoSetupLog();
    SetupOptions m_options;
    // Whether the job ran to its end with everything done.
    bool m_bSucceeded = false;
    SetupMode m_mode = SetupMode::Install;
    SetupConfig m_config;
    std::string m_strDestination;
    std::string m_strProductKey; // under HKEY_LOCAL_MACHINE
    ShellFolders m_folders;
};
