// A growing little-endian byte buffer for the file writers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CByteBuffer {
public:
    void Put8(unsigned v) { m_bytes.push_back(static_cast<std::uint8_t>(v)); }
    void Put16(unsigned v) {
        Put8(v);
        Put8(v >> 8);
    }
    void Put32(std::uint32_t v) {
        Put16(v & 0xffff);
        Put16(v >> 16);
    }
    void PutFourCC(const char* s) {
        for (int i = 0; i < 4; ++i)
            Put8(static_cast<unsigned char>(s[i]));
    }
    void PutBytes(const std::vector<std::uint8_t>& v) {
        m_bytes.insert(m_bytes.end(), v.begin(), v.end());
    }
    void Patch32(size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            m_bytes[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
    size_t Size() const { return m_bytes.size(); }
    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
};

// Writes the bytes to the file, replacing it; throws on failure.
void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
