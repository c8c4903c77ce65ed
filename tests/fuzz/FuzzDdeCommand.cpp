// Any bytes as a DDE execute: every command parsed has a verb of lower-case letters, and what
// the program accepts to carry out is exactly a list of opens with one file each.
#include "DdeCommand.h"
#include "ShellIntegration.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    std::string text(reinterpret_cast<const char*>(pData), nSize);
    std::vector<CDdeCommand> commands;
    bool bParsed = ParseDdeCommands(text, commands);
    for (const CDdeCommand& command : bParsed ? commands : std::vector<CDdeCommand>{}) {
        if (command.m_strVerb.empty()) std::abort();
        for (char c : command.m_strVerb)
            if (c < 'a' || c > 'z') std::abort();
    }
    if (CShellIntegration::IsDdeCommandSupported(text)) {
        if (!bParsed || commands.empty()) std::abort();
        for (const CDdeCommand& command : commands)
            if (command.m_strVerb != "open" || command.m_arguments.size() != 1) std::abort();
    }
    return 0;
}
