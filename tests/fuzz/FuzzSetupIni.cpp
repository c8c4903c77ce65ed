// setup.ini as any bytes at all: long lines, NULs, lone carriage returns, Ctrl+Z. Whatever it
// reads must be a configuration the install and remove steps can use safely.
#include "FakeSetupSystem.h"
#include "SetupIni.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {
bool SafeName(const std::string& s) {
    return !s.empty() && s.size() <= kMaxFieldChars &&
           s.find_first_of("\\/:*?") == std::string::npos && s.find('\0') == std::string::npos;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    CFakeSetupSystem sys;
    sys.m_files.AddFile("C:\\dist\\setup.ini",
                        std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    sys.m_files.SetCurrent("C:\\dist");
    SetupState state(sys);
    state.m_mode = data[0] & 1 ? SetupMode::Remove : SetupMode::Install;
    bool bLoaded = LoadSetupConfig(state);
    const SetupConfig& config = state.m_config;
    if (sys.m_messages.size() != (bLoaded ? 0u : 1u)) std::abort();
    if (!bLoaded) return 0;
    if (!SafeName(config.m_strProduct) || config.m_entries.empty() ||
        config.m_entries.size() > static_cast<size_t>(kMaxFileEntries))
        std::abort();
    for (const FileEntry& entry : config.m_entries) {
        if (!SafeName(entry.m_strFile) || entry.m_strShortcut.size() > kMaxFieldChars ||
            entry.m_strArguments.size() > kMaxFieldChars)
            std::abort();
        if (!entry.m_strShortcut.empty() && !SafeName(entry.m_strShortcut)) std::abort();
    }
    return 0;
}
