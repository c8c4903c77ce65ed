// The system's class registry (HKEY_CLASSES_ROOT), where the shell looks up document types.
#pragma once

#include "ShellRegistration.h"

class CWin32ClassesRoot : public IClassesRoot {
public:
    bool SetText(const std::string& key, const std::string& value,
                 const std::string& data) override;
    bool GetText(const std::string& key, const std::string& value, std::string& data) override;
    bool DeleteKey(const std::string& key) override;
};
