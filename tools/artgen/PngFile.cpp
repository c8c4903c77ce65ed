#include "PngFile.h"

#include <stdexcept>
#include <zlib.h>

namespace {
// The zlib stream (RFC 1950) of the data, at the best compression.
std::vector<std::uint8_t> ZlibCompress(const std::vector<std::uint8_t>& data) {
    uLongf cb = compressBound(static_cast<uLong>(data.size()));
    std::vector<std::uint8_t> out(cb);
    if (compress2(out.data(), &cb, data.data(), static_cast<uLong>(data.size()),
                  Z_BEST_COMPRESSION) != Z_OK)
        throw std::runtime_error("PNG: zlib could not compress the pixels");
    out.resize(cb);
    return out;
}

void PutBigEndian32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void PutPngChunk(std::vector<std::uint8_t>& out, const char* type,
                 const std::vector<std::uint8_t>& data) {
    PutBigEndian32(out, static_cast<std::uint32_t>(data.size()));
    size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = crc32(0L, &out[start], static_cast<uInt>(out.size() - start));
    PutBigEndian32(out, static_cast<std::uint32_t>(crc));
}
} // namespace

std::vector<std::uint8_t> EncodePng(int cx, int cy, const std::vector<std::uint8_t>& rgb) {
    if (cx <= 0 || cy <= 0 || rgb.size() != static_cast<size_t>(cx) * cy * 3)
        throw std::invalid_argument("PNG: pixel count does not match the size");
    std::vector<std::uint8_t> raw;
    raw.reserve(rgb.size() + cy);
    for (int y = 0; y < cy; ++y) {
        raw.push_back(0); // no filter
        const std::ptrdiff_t cbRow = static_cast<std::ptrdiff_t>(cx) * 3;
        auto row = rgb.begin() + y * cbRow;
        raw.insert(raw.end(), row, row + cbRow);
    }
    std::vector<std::uint8_t> ihdr;
    PutBigEndian32(ihdr, static_cast<std::uint32_t>(cx));
    PutBigEndian32(ihdr, static_cast<std::uint32_t>(cy));
    ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0}); // 8-bit RGB, deflate, no filter, no interlace
    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    PutPngChunk(out, "IHDR", ihdr);
    PutPngChunk(out, "IDAT", ZlibCompress(raw));
    PutPngChunk(out, "IEND", {});
    return out;
}
