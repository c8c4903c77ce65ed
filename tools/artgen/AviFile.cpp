#include "AviFile.h"

#include "BitmapFile.h"

#include <algorithm>
#include <stdexcept>

namespace {
int RunLength(const CIndexedImage& frame, int x, int y) {
    int n = 1;
    while (x + n < frame.Width() && n < 255 && frame.At(x + n, y) == frame.At(x, y))
        ++n;
    return n;
}

void EncodeRow(CByteBuffer& out, const CIndexedImage& frame, int y) {
    int x = 0;
    while (x < frame.Width()) {
        int run = RunLength(frame, x, y);
        if (run >= 3) {
            out.Put8(run);
            out.Put8(frame.At(x, y));
            x += run;
            continue;
        }
        // Gather pixels until a run of three or more begins.
        int start = x;
        while (x < frame.Width() && x - start < 255 && RunLength(frame, x, y) < 3)
            ++x;
        int count = x - start;
        if (count < 3) {
            for (int i = start; i < x; ++i) { // absolute mode needs at least three pixels
                out.Put8(1);
                out.Put8(frame.At(i, y));
            }
            continue;
        }
        out.Put8(0);
        out.Put8(count);
        for (int i = start; i < x; ++i)
            out.Put8(frame.At(i, y));
        if (count % 2 != 0) out.Put8(0); // absolute runs end on a word boundary
    }
}

void PutChunk(CByteBuffer& out, const char* id, const std::vector<std::uint8_t>& data) {
    out.PutFourCC(id);
    out.Put32(static_cast<std::uint32_t>(data.size()));
    out.PutBytes(data);
    if (data.size() % 2 != 0) out.Put8(0);
}

std::vector<std::uint8_t> MainHeader(const CIndexedImage& first, size_t cFrames, size_t cbMax,
                                     std::uint32_t usPerFrame) {
    CByteBuffer h;
    h.Put32(usPerFrame);
    h.Put32(static_cast<std::uint32_t>(cbMax * (1000000 / usPerFrame + 1)));
    h.Put32(0);
    h.Put32(0x10); // has an index
    h.Put32(static_cast<std::uint32_t>(cFrames));
    h.Put32(0);
    h.Put32(1); // one stream: video only
    h.Put32(static_cast<std::uint32_t>(cbMax));
    h.Put32(static_cast<std::uint32_t>(first.Width()));
    h.Put32(static_cast<std::uint32_t>(first.Height()));
    for (int i = 0; i < 4; ++i)
        h.Put32(0);
    return h.Bytes();
}

std::vector<std::uint8_t> StreamHeader(const CIndexedImage& first, size_t cFrames, size_t cbMax,
                                       std::uint32_t usPerFrame) {
    CByteBuffer h;
    h.PutFourCC("vids");
    h.Put32(0); // no codec: the player decodes RLE8 itself
    h.Put32(0);
    h.Put16(0);
    h.Put16(0);
    h.Put32(0);
    h.Put32(usPerFrame); // rate / scale = frames per second
    h.Put32(1000000);
    h.Put32(0);
    h.Put32(static_cast<std::uint32_t>(cFrames));
    h.Put32(static_cast<std::uint32_t>(cbMax));
    h.Put32(0xffffffff);
    h.Put32(0);
    h.Put16(0);
    h.Put16(0);
    h.Put16(first.Width());
    h.Put16(first.Height());
    return h.Bytes();
}

std::vector<std::uint8_t> StreamFormat(const CIndexedImage& first) {
    CByteBuffer f;
    PutInfoHeader(f, first.Width(), first.Height(), 8, kBiRle8,
                  static_cast<std::uint32_t>(first.Width() * first.Height()), 16);
    PutVgaPalette(f);
    return f.Bytes();
}

std::vector<std::uint8_t> List(const char* type, const std::vector<std::uint8_t>& body) {
    CByteBuffer list;
    list.PutFourCC("LIST");
    list.Put32(static_cast<std::uint32_t>(body.size() + 4));
    list.PutFourCC(type);
    list.PutBytes(body);
    return list.Bytes();
}
} // namespace

std::vector<std::uint8_t> EncodeRle8(const CIndexedImage& frame) {
    CByteBuffer out;
    for (int y = frame.Height() - 1; y >= 0; --y) {
        EncodeRow(out, frame, y);
        if (y > 0) {
            out.Put8(0);
            out.Put8(0);
        }
    }
    out.Put8(0);
    out.Put8(1);
    return out.Bytes();
}

std::vector<std::uint8_t> EncodeAvi(const std::vector<CIndexedImage>& frames,
                                    std::uint32_t nMicrosecondsPerFrame) {
    if (frames.empty()) throw std::invalid_argument("an animation needs frames");
    std::vector<std::vector<std::uint8_t>> bodies;
    size_t cbMax = 0;
    for (const CIndexedImage& frame : frames) {
        bodies.push_back(EncodeRle8(frame));
        cbMax = std::max(cbMax, bodies.back().size());
    }
    CByteBuffer strl;
    PutChunk(strl, "strh", StreamHeader(frames[0], frames.size(), cbMax, nMicrosecondsPerFrame));
    PutChunk(strl, "strf", StreamFormat(frames[0]));
    CByteBuffer hdrl;
    PutChunk(hdrl, "avih", MainHeader(frames[0], frames.size(), cbMax, nMicrosecondsPerFrame));
    hdrl.PutBytes(List("strl", strl.Bytes()));

    CByteBuffer movi, index;
    for (const auto& body : bodies) {
        index.PutFourCC("00dc");
        index.Put32(0x10);                                        // a key frame
        index.Put32(static_cast<std::uint32_t>(movi.Size() + 4)); // from the "movi" tag
        index.Put32(static_cast<std::uint32_t>(body.size()));
        PutChunk(movi, "00dc", body);
    }
    CByteBuffer riff;
    riff.PutBytes(List("hdrl", hdrl.Bytes()));
    riff.PutBytes(List("movi", movi.Bytes()));
    PutChunk(riff, "idx1", index.Bytes());

    CByteBuffer out;
    out.PutFourCC("RIFF");
    out.Put32(static_cast<std::uint32_t>(riff.Size() + 4));
    out.PutFourCC("AVI ");
    out.PutBytes(riff.Bytes());
    return out.Bytes();
}
