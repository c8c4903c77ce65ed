// The solver's readers on any bytes: a position in text, or a saved "game" value as raw bytes
// or a .reg export. A position either reader accepts must print and read back unchanged.
#include "PositionText.h"
#include "RegistryInput.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    CPosition position;
    std::string error;
    bool bRead = false;
    if (data[0] & 1) {
        bRead = ParsePositionText(std::string(reinterpret_cast<const char*>(data + 1), size - 1),
                                  position, error);
    } else {
        CRegistryGame game;
        bRead = ReadRegistryGame(std::vector<std::uint8_t>(data + 1, data + size), game, error);
        position = game.m_position;
    }
    if (!bRead) {
        if (error.empty()) std::abort(); // a refusal always says why
        return 0;
    }
    std::string text = FormatPositionText(position);
    CPosition again;
    if (!ParsePositionText(text, again, error) || FormatPositionText(again) != text) std::abort();
    return 0;
}
