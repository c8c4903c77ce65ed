// The texts the setup program shows and the names it writes.
#pragma once

constexpr const char* kCaptionConfigError = "Setup - ERROR";
constexpr const char* kCaptionError = "Setup-ERROR";
constexpr const char* kCaptionComplete = "Setup Complete";
constexpr const char* kCaptionQuestion = "Setup";
constexpr const char* kCaptionUninstall = "Uninstall";

constexpr const char* kInstallPrefix = "Unable to install the program. ";
constexpr const char* kRemovePrefix = "Unable to Remove/Uninstall the program. ";
constexpr const char* kIniMissing =
    "The file \"setup.ini\" was not found in the distribution file set.";
constexpr const char* kIniMalformed = "The file \"setup.ini\" is not formatted properly.";
constexpr const char* kDestinationInvalid =
    "The installation folder recorded in the registry is not valid, or does not hold the "
    "program that was started to remove it.";

constexpr const char* kPathTooLong = "The path is too long: ";
constexpr const char* kCopyFailed = "Unable to copy file: ";
constexpr const char* kFileInUse =
    " is in use by a program that is running.\n\nClose that program, then choose Retry.";
constexpr const char* kFilesIncomplete = "Unable to install ALL component files.";
constexpr const char* kShortcutsIncomplete = "Unable to install ALL component shortcuts.";
constexpr const char* kRemoveFilesIncomplete =
    "Unable to remove ALL component files and shortcuts.";
constexpr const char* kRemoveKeysIncomplete = "Unable to remove ALL registry entries.";

constexpr const char* kAskDesktop = "Would you like to create a desktop shortcut to this program?";
constexpr const char* kAskStartup =
    "Would you like this program to run automatically\nwhen you start your computer?";
constexpr const char* kConfirmRemove =
    "This action will completely remove/uninstall the program from your system.";

constexpr const char* kInstallSucceeded = "Installation was successful.";
constexpr const char* kInstallFinished = "Installation finished.";
constexpr const char* kRemoveSucceeded = "Uninstall/Remove was successful.";
constexpr const char* kRemoveFinished = "Uninstall/Remove is finished.";

constexpr const char* kIniFileName = "setup.ini";
constexpr const char* kSetupFileName = "setup.exe";
// The temporary copy's folder: this and characters no one can foresee.
constexpr const char* kCopyFolderPrefix = "setup-";
// Where the system names no program folder.
constexpr const char* kProgramFilesFallback = "C:\\Program Files";
constexpr const char* kMakerFolder = "Halvane";
constexpr const char* kMakerKey = "Software\\Halvane\\";
constexpr const char* kUserMakerKey = "SOFTWARE\\Halvane\\";
constexpr const char* kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
constexpr const char* kUninstallParentKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
constexpr const char* kDestinationValue = "DestinationPath";
constexpr const char* kDisplayNameValue = "DisplayName";
constexpr const char* kUninstallStringValue = "UninstallString";
constexpr const char* kDisplayIconValue = "DisplayIcon";
constexpr const char* kDisplayVersionValue = "DisplayVersion";
constexpr const char* kPublisherValue = "Publisher";
constexpr const char* kInstallLocationValue = "InstallLocation";
constexpr const char* kEstimatedSizeValue = "EstimatedSize";
constexpr const char* kNoModifyValue = "NoModify";
constexpr const char* kNoRepairValue = "NoRepair";
