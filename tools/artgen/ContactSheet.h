// The contact sheet: every card face, the empty-foundation markers, the toolbar strip, the
// About picture and the setup banner on the table cloth, enlarged twice, read back from the
// generated files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The PNG file; throws when a picture is missing or unreadable.
std::vector<std::uint8_t> MakeContactSheet(const std::string& artFolder);
