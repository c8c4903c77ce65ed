// quenlow-render PROGRAM WIDTH HEIGHT OUT.ppm GAME-VALUE...
// Paints the table that a saved "game" value (its 118 integers) describes, on the headless
// platform with the bitmaps of PROGRAM (QUENLOW.EXE), into a view of WIDTH by HEIGHT pixels,
// and writes it as a binary PPM. The end-to-end tests compare it with the program's window.
#include "HeadlessPlatform.h"
#include "PeBitmaps.h"
#include "QuenlowDoc.h"
#include "QuenlowView.h"
#include "SavedRecords.h"
#include "resource.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {
// The pictures the game paints with; the program's own replace the headless stand-ins.
std::vector<int> PictureIds() {
    std::vector<int> ids = {IDB_PATTERN,      IDB_EMPTY_CLUBS,  IDB_EMPTY_DIAMONDS,
                            IDB_EMPTY_HEARTS, IDB_EMPTY_SPADES, IDB_CLUBS_ACE,
                            IDB_HEARTS_ACE,   IDB_SPADES_ACE,   IDB_DIAMONDS_ACE};
    for (int first : {IDB_CLUBS_TWO, IDB_HEARTS_TWO, IDB_SPADES_TWO, IDB_DIAMONDS_TWO})
        for (int id = first; id < first + 12; ++id)
            ids.push_back(id);
    return ids;
}

bool WritePpm(const std::string& path, const CRgbImage& image) {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << image.Width() << ' ' << image.Height() << "\n255\n";
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            CRgb c = image.At(x, y);
            out.put(static_cast<char>(c.r)).put(static_cast<char>(c.g)).put(static_cast<char>(c.b));
        }
    }
    return static_cast<bool>(out);
}

int Usage() {
    std::fprintf(stderr, "usage: quenlow-render PROGRAM WIDTH HEIGHT OUT.ppm GAME-VALUE...\n");
    return 2;
}
} // namespace

int main(int argc, char** argv) {
    const int kGameInts = CSavedGameRecord::kSize / 4;
    if (argc != 5 + kGameInts) return Usage();
    int cx = std::atoi(argv[2]);
    int cy = std::atoi(argv[3]);
    if (cx <= 0 || cy <= 0) return Usage();
    std::vector<std::int32_t> values;
    for (int i = 5; i < argc; ++i)
        values.push_back(static_cast<std::int32_t>(std::strtol(argv[i], nullptr, 10)));

    CHeadlessPlatform platform;
    std::map<int, CRgbImage> bitmaps;
    std::string error;
    if (!ReadBitmapResources(argv[1], bitmaps, error)) {
        std::fprintf(stderr, "quenlow-render: %s\n", error.c_str());
        return 1;
    }
    for (int id : PictureIds())
        platform.RemoveBitmapResource(id);
    for (const auto& entry : bitmaps)
        platform.SetBitmapResource(entry.first, entry.second);
    platform.m_registry.PutValue(RegRoot::CurrentUser, kSettingsKey, "game", kRegBinary,
                                 EncodeInts(values));

    CQuenlowDoc doc(platform);
    CQuenlowView view(platform);
    view.Attach(platform.CreateView(cx, cy), &doc);
    // The table exactly as recorded, whether or not its game was still in progress.
    doc.RestoreSavedGame();
    platform.Paint(view);
    if (!WritePpm(argv[4], platform.Canvas(view.GetSafeHwnd()))) {
        std::fprintf(stderr, "quenlow-render: cannot write %s\n", argv[4]);
        return 1;
    }
    view.Detach();
    return 0;
}
