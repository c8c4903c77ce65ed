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

CIndexedImage SpriteFromText(std::initializer_list<const char*> rows, CSpriteInks inks) {
    int cx = 0;
    for (const char* row : rows)
        cx = std::max(cx, static_cast<int>(std::strlen(row)));
    CIndexedImage out(cx, static_cast<int>(rows.size()), kClear);
    int y = 0;
    for (const char* row : rows) {
        for (int x = 0; row[x] != '\0'; ++x)
            out.Set(x, y, ColourOf(row[x], inks));
        ++y;
    }
    return out;
}
