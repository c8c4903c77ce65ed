#include "PeBitmaps.h"

#include <fstream>
#include <iterator>

namespace {
constexpr std::uint32_t kResourceBitmap = 2;

std::uint32_t Read16(const std::vector<std::uint8_t>& d, std::size_t at) {
    return at + 2 <= d.size() ? d[at] | (d[at + 1] << 8) : 0;
}

std::uint32_t Read32(const std::vector<std::uint8_t>& d, std::size_t at) {
    return at + 4 <= d.size() ? Read16(d, at) | (Read16(d, at + 2) << 16) : 0;
}

struct CSection {
    std::uint32_t nVirtualAddress;
    std::uint32_t nVirtualSize;
    std::uint32_t nRawOffset;
};

class CPeFile {
public:
    explicit CPeFile(std::vector<std::uint8_t> data) : m_data(std::move(data)) {}

    bool Parse(std::string& error);
    // File offset of a virtual address, or 0 when no section holds it.
    std::size_t OffsetOf(std::uint32_t nRva) const;
    const std::vector<std::uint8_t>& Data() const { return m_data; }
    std::size_t ResourceBase() const { return m_nResourceBase; }

private:
    std::vector<std::uint8_t> m_data;
    std::vector<CSection> m_sections;
    std::size_t m_nResourceBase = 0;
};

bool CPeFile::Parse(std::string& error) {
    std::size_t nPe = Read32(m_data, 0x3c);
    if (Read16(m_data, 0) != 0x5a4d || Read32(m_data, nPe) != 0x4550) {
        error = "not a Windows program";
        return false;
    }
    std::size_t nCoff = nPe + 4;
    std::uint32_t nSections = Read16(m_data, nCoff + 2);
    std::size_t nOptional = nCoff + 20;
    // The data directories follow a 32-bit program's optional header at 96 and a 64-bit
    // program's, with its wider fields, at 112.
    std::size_t nDirectories = 0;
    switch (Read16(m_data, nOptional)) {
    case 0x10b:
        nDirectories = 96;
        break;
    case 0x20b:
        nDirectories = 112;
        break;
    default:
        error = "not a 32-bit or 64-bit Windows program";
        return false;
    }
    std::uint32_t nResourceRva = Read32(m_data, nOptional + nDirectories + 2 * 8);
    std::size_t nTable = nOptional + Read16(m_data, nCoff + 16);
    for (std::uint32_t i = 0; i < nSections; ++i) {
        std::size_t at = nTable + 40 * i;
        m_sections.push_back(
            CSection{Read32(m_data, at + 12), Read32(m_data, at + 8), Read32(m_data, at + 20)});
    }
    m_nResourceBase = OffsetOf(nResourceRva);
    if (nResourceRva == 0 || m_nResourceBase == 0) {
        error = "no resources";
        return false;
    }
    return true;
}

std::size_t CPeFile::OffsetOf(std::uint32_t nRva) const {
    for (const CSection& s : m_sections) {
        if (nRva >= s.nVirtualAddress && nRva < s.nVirtualAddress + s.nVirtualSize)
            return s.nRawOffset + (nRva - s.nVirtualAddress);
    }
    return 0;
}

// The entries of one resource directory: (id or name offset, offset of the entry's target).
std::vector<std::pair<std::uint32_t, std::uint32_t>> DirectoryEntries(const CPeFile& pe,
                                                                      std::size_t at) {
    const auto& d = pe.Data();
    std::uint32_t nCount = Read16(d, at + 12) + Read16(d, at + 14);
    std::vector<std::pair<std::uint32_t, std::uint32_t>> entries;
    for (std::uint32_t i = 0; i < nCount && at + 16 + 8 * (i + 1) <= d.size(); ++i)
        entries.emplace_back(Read32(d, at + 16 + 8 * i), Read32(d, at + 20 + 8 * i));
    return entries;
}

bool IsDirectory(std::uint32_t nTarget) {
    return (nTarget & 0x80000000u) != 0;
}
bool IsNamed(std::uint32_t nName) {
    return (nName & 0x80000000u) != 0;
}

// The first language's data of one resource, from its id directory's target.
bool ResourceData(const CPeFile& pe, std::uint32_t nTarget, std::vector<std::uint8_t>& out) {
    if (!IsDirectory(nTarget)) return false;
    auto languages = DirectoryEntries(pe, pe.ResourceBase() + (nTarget & 0x7fffffffu));
    if (languages.empty() || IsDirectory(languages.front().second)) return false;
    std::size_t nEntry = pe.ResourceBase() + languages.front().second;
    std::size_t nOffset = pe.OffsetOf(Read32(pe.Data(), nEntry));
    std::uint32_t nSize = Read32(pe.Data(), nEntry + 4);
    if (nOffset == 0 || nOffset + nSize > pe.Data().size()) return false;
    out.assign(pe.Data().begin() + nOffset, pe.Data().begin() + nOffset + nSize);
    return true;
}

CRgb PaletteColour(const std::vector<std::uint8_t>& dib, std::size_t nPalette, unsigned nIndex) {
    std::size_t at = nPalette + 4 * nIndex;
    if (at + 3 > dib.size()) return CRgb{};
    return CRgb{dib[at + 2], dib[at + 1], dib[at]};
}
} // namespace

bool DecodeDib(const std::vector<std::uint8_t>& dib, CRgbImage& image) {
    std::uint32_t nHeaderSize = Read32(dib, 0);
    auto nWidth = static_cast<std::int32_t>(Read32(dib, 4));
    auto nHeight = static_cast<std::int32_t>(Read32(dib, 8));
    std::uint32_t nBits = Read16(dib, 14);
    std::uint32_t nCompression = Read32(dib, 16);
    std::uint32_t nUsed = Read32(dib, 32);
    bool bBottomUp = nHeight > 0;
    int cy = bBottomUp ? nHeight : -nHeight;
    if (nHeaderSize < 40 || nWidth <= 0 || cy <= 0 || nCompression != 0 ||
        (nBits != 1 && nBits != 4 && nBits != 8 && nBits != 24 && nBits != 32))
        return false;
    std::size_t nColours = nBits <= 8 ? (nUsed != 0 ? nUsed : 1u << nBits) : 0;
    std::size_t nPalette = nHeaderSize;
    std::size_t nPixels = nPalette + 4 * nColours;
    std::size_t nStride = ((static_cast<std::size_t>(nWidth) * nBits + 31) / 32) * 4;
    if (nPixels + nStride * cy > dib.size()) return false;
    image = CRgbImage(nWidth, cy);
    for (int y = 0; y < cy; ++y) {
        std::size_t nRow = nPixels + nStride * (bBottomUp ? cy - 1 - y : y);
        for (int x = 0; x < nWidth; ++x) {
            if (nBits >= 24) {
                std::size_t at = nRow + static_cast<std::size_t>(x) * (nBits / 8);
                image.Set(x, y, CRgb{dib[at + 2], dib[at + 1], dib[at]});
                continue;
            }
            std::size_t nBit = static_cast<std::size_t>(x) * nBits;
            unsigned nByte = dib[nRow + nBit / 8];
            unsigned nIndex = (nByte >> (8 - nBits - nBit % 8)) & ((1u << nBits) - 1);
            image.Set(x, y, PaletteColour(dib, nPalette, nIndex));
        }
    }
    return true;
}

bool ReadBitmapResources(const std::string& path, std::map<int, CRgbImage>& bitmaps,
                         std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path;
        return false;
    }
    CPeFile pe(std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {}));
    if (!pe.Parse(error)) return false;
    for (const auto& type : DirectoryEntries(pe, pe.ResourceBase())) {
        if (IsNamed(type.first) || type.first != kResourceBitmap || !IsDirectory(type.second))
            continue;
        for (const auto& item :
             DirectoryEntries(pe, pe.ResourceBase() + (type.second & 0x7fffffffu))) {
            std::vector<std::uint8_t> dib;
            CRgbImage image;
            if (IsNamed(item.first) || !ResourceData(pe, item.second, dib) ||
                !DecodeDib(dib, image))
                continue;
            bitmaps[static_cast<int>(item.first)] = image;
        }
    }
    return true;
}
