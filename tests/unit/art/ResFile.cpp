#include "ResFile.h"

#include <cctype>

namespace {
size_t Align4(size_t n) {
    return (n + 3) & ~static_cast<size_t>(3);
}

// A name or ordinal: 0xFFFF followed by a number, or a zero-terminated UTF-16 string.
void ReadNameOrOrdinal(const CBytes& b, size_t* pAt, std::string* pName, int* pOrdinal) {
    if (Le16(b, *pAt) == 0xffff) {
        *pOrdinal = static_cast<int>(Le16(b, *pAt + 2));
        *pAt += 4;
        return;
    }
    *pOrdinal = -1;
    *pName = ReadWideString(b, pAt);
}
} // namespace

std::string ReadWideString(const CBytes& b, size_t* pAt) {
    std::string s;
    while (*pAt + 2 <= b.size()) {
        unsigned c = Le16(b, *pAt);
        *pAt += 2;
        if (c == 0) break;
        s.push_back(static_cast<char>(c));
    }
    return s;
}

std::vector<CResource> ReadResFile(const std::string& path) {
    CBytes b = ReadBytes(path);
    std::vector<CResource> all;
    size_t at = 0;
    while (at + 32 <= b.size()) {
        const std::uint32_t cbData = Le32(b, at), cbHeader = Le32(b, at + 4);
        size_t p = at + 8;
        CResource r;
        std::string name;
        ReadNameOrOrdinal(b, &p, &r.typeName, &r.nType);
        ReadNameOrOrdinal(b, &p, &name, &r.nName);
        p = Align4(p);
        r.nLanguage = Le16(b, p + 6);
        if (at + cbHeader + cbData > b.size()) break;
        r.data.assign(b.begin() + at + cbHeader, b.begin() + at + cbHeader + cbData);
        if (cbData > 0) all.push_back(r);
        at = Align4(at + cbHeader + cbData);
    }
    return all;
}

const CResource* FindResource(const std::vector<CResource>& all, int nType, int nName) {
    for (const CResource& r : all)
        if (r.typeName.empty() && r.nType == nType && r.nName == nName) return &r;
    return nullptr;
}

const CResource* FindResource(const std::vector<CResource>& all, const std::string& type,
                              int nName) {
    for (const CResource& r : all)
        if (r.typeName == type && r.nName == nName) return &r;
    return nullptr;
}

bool ParseDialog(const CBytes& b, CDialogTemplate* d) {
    if (b.size() < 18) return false;
    d->style = Le32(b, 0);
    const unsigned count = Le16(b, 8);
    d->x = static_cast<std::int16_t>(Le16(b, 10));
    d->y = static_cast<std::int16_t>(Le16(b, 12));
    d->cx = static_cast<std::int16_t>(Le16(b, 14));
    d->cy = static_cast<std::int16_t>(Le16(b, 16));
    size_t at = 18;
    std::string unused;
    int ordinal = 0;
    ReadNameOrOrdinal(b, &at, &unused, &ordinal); // menu
    ReadNameOrOrdinal(b, &at, &unused, &ordinal); // class
    d->caption = ReadWideString(b, &at);
    if (d->style & 0x40) { // DS_SETFONT
        d->nPointSize = static_cast<int>(Le16(b, at));
        at += 2;
        d->font = ReadWideString(b, &at);
    }
    for (unsigned i = 0; i < count; ++i) {
        at = Align4(at);
        if (at + 18 > b.size()) return false;
        CDialogItem item;
        item.style = Le32(b, at);
        item.x = static_cast<std::int16_t>(Le16(b, at + 8));
        item.y = static_cast<std::int16_t>(Le16(b, at + 10));
        item.cx = static_cast<std::int16_t>(Le16(b, at + 12));
        item.cy = static_cast<std::int16_t>(Le16(b, at + 14));
        item.id = static_cast<std::int16_t>(Le16(b, at + 16));
        at += 18;
        std::string className;
        ReadNameOrOrdinal(b, &at, &className, &item.nClass);
        for (char& c : className)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (item.nClass < 0 && className == "STATIC") item.nClass = 0x82;
        ReadNameOrOrdinal(b, &at, &item.text, &item.nTextOrdinal);
        at += 2 + Le16(b, at); // creation data
        d->items.push_back(item);
    }
    return true;
}

std::vector<std::pair<std::string, int>> ParseMenu(const CBytes& b) {
    std::vector<std::pair<std::string, int>> items;
    size_t at = 4; // version and header size
    std::string popup;
    bool bInPopup = false;
    while (at + 2 <= b.size()) {
        const unsigned flags = Le16(b, at);
        at += 2;
        if (flags & 0x10) { // a popup: its items follow until one flagged as last
            popup = ReadWideString(b, &at);
            bInPopup = true;
            continue;
        }
        const int id = static_cast<int>(Le16(b, at));
        at += 2;
        std::string text = ReadWideString(b, &at);
        items.push_back({popup + "/" + (text.empty() && id == 0 ? "-" : text), id});
        if ((flags & 0x80) && bInPopup) bInPopup = false;
    }
    return items;
}

std::string LoadString(const std::vector<CResource>& all, int nId) {
    const CResource* block = FindResource(all, 6, nId / 16 + 1);
    if (block == nullptr) return std::string();
    size_t at = 0;
    for (int i = 0; i < nId % 16; ++i)
        at += 2 + 2 * Le16(block->data, at);
    const unsigned length = Le16(block->data, at);
    std::string s;
    for (unsigned i = 0; i < length; ++i)
        s.push_back(static_cast<char>(Le16(block->data, at + 2 + 2 * i)));
    return s;
}

namespace {
// One node of the version record: length, value length, type, key, then value and children.
void ParseVersionNode(const CBytes& b, size_t at, const std::string& path, CVersionInfo* p) {
    const size_t end = at + Le16(b, at), cbValue = Le16(b, at + 2), type = Le16(b, at + 4);
    size_t q = at + 6;
    const std::string key = ReadWideString(b, &q);
    q = Align4(q);
    const std::string here = path.empty() ? key : path + "/" + key;
    if (key == "VS_VERSION_INFO" && cbValue >= 52) {
        p->fileVersionMs = Le32(b, q + 8);
        p->fileVersionLs = Le32(b, q + 12);
        p->productVersionMs = Le32(b, q + 16);
        p->productVersionLs = Le32(b, q + 20);
        p->fileOs = Le32(b, q + 32);
        p->fileType = Le32(b, q + 36);
    } else if (path.rfind("VS_VERSION_INFO/StringFileInfo/", 0) == 0 && type == 1) {
        size_t v = q;
        p->strings[key] = ReadWideString(b, &v);
        return;
    } else if (key == "Translation") {
        p->translation = Le32(b, q);
    }
    if (path == "VS_VERSION_INFO/StringFileInfo") p->block = key;
    q = Align4(q + (type == 1 ? 2 * cbValue : cbValue));
    while (q + 6 <= end && Le16(b, q) > 0) {
        ParseVersionNode(b, q, here, p);
        q = Align4(q + Le16(b, q));
    }
}
} // namespace

bool ParseVersion(const CBytes& data, CVersionInfo* pInfo) {
    if (data.size() < 92) return false;
    ParseVersionNode(data, 0, "", pInfo);
    return true;
}
