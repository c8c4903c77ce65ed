// The shell integration's system services on Win32: document files, the common file dialogs,
// message boxes, the program's strings, and the profile QUENLOW.INI in the user's
// application-data folder (the Windows folder, where profiles used to go, is not the user's to
// write).
#pragma once

#include "ShellServices.h"
#include "Win32Api.h"

class CWin32Platform;

class CWin32ShellServices : public IShellServices {
public:
    explicit CWin32ShellServices(CWin32Platform& platform) : m_platform(platform) {}

    std::string FullPath(const std::string& path) override;
    unsigned CheckReadable(const std::string& path) override;
    unsigned WriteEmptyFile(const std::string& path) override;
    bool IsReadOnly(const std::string& path) override;
    bool PromptFileName(bool bOpen, const std::string& strTitle, const std::string& strFilterName,
                        const std::string& strFilterExt, std::string& path) override;
    void ShowMessage(const std::string& text) override;
    std::string LoadString(int nID) override;
    std::string ReadProfileText(const std::string& section, const std::string& key) override;
    void WriteProfileText(const std::string& section, const std::string& key,
                          const std::string& value) override;

    // The program file's full path.
    static std::string ModulePath();

private:
    // The caption of the program's message boxes.
    std::string AppTitle();
    // Empty when the application-data folder cannot be found: the profile is then not kept.
    const std::string& ProfilePath();

    CWin32Platform& m_platform;
    std::string m_strProfile;
    bool m_bProfileLooked = false;
};
