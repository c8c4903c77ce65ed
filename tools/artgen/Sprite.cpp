#include "Sprite.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>

namespace {
std::uint8_t ColourOf(char ch, const CSpriteInks& inks) {
    switch (ch) {
    case '.':
    case ' ':
        return kClear;
    case '#':
        return inks.ink;
    case '1':
        return inks.accent1;
    case '2':
        return inks.accent2;
    }
    static const char kLetters[] = "kmGonptsgrlybfcw";
    const char* p = std::strchr(kLetters, ch);
    if (ch == '\0' || p == nullptr)
        throw std::invalid_argument(std::string("sprite: unknown colour letter ") + ch);
    return static_cast<std::uint8_t>(p - kLetters);
}
} // namespace

CIndexedImage SpriteFromRows(const std::vector<std::string>& rows, CSpriteInks inks) {
    size_t cx = 0;
    for (const std::string& row : rows)
        cx = std::max(cx, row.size());
    CIndexedImage out(static_cast<int>(cx), static_cast<int>(rows.size()), kClear);
    for (size_t y = 0; y < rows.size(); ++y)
        for (size_t x = 0; x < rows[y].size(); ++x)
            out.Set(static_cast<int>(x), static_cast<int>(y), ColourOf(rows[y][x], inks));
    return out;
}

CIndexedImage SpriteFromText(std::initializer_list<const char*> rows, CSpriteInks inks) {
    return SpriteFromRows(std::vector<std::string>(rows.begin(), rows.end()), inks);
}

CIndexedImage MirroredSprite(std::initializer_list<const char*> leftHalves, CSpriteInks inks) {
    std::vector<std::string> rows;
    for (const char* half : leftHalves) {
        std::string left(half);
        rows.push_back(left + std::string(left.rbegin(), left.rend()));
    }
    return SpriteFromRows(rows, inks);
}
