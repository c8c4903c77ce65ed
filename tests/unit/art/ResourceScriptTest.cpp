// The resource script compiled as the game's build compiles it, read back entry by entry.
#include "ResFile.h"

#include <gtest/gtest.h>

namespace {
constexpr int kRtCursor = 1, kRtBitmap = 2, kRtIcon = 3, kRtMenu = 4, kRtDialog = 5;
constexpr int kRtAccelerator = 9, kRtGroupCursor = 12, kRtGroupIcon = 14, kRtVersion = 16;
constexpr int kRtToolbar = 241;

class ResourceScript : public ::testing::Test {
protected:
    void SetUp() override {
        m_all = ReadResFile(QUENLOW_RES_FILE);
        ASSERT_FALSE(m_all.empty()) << "compiled resource file " << QUENLOW_RES_FILE;
    }
    CDialogTemplate Dialog(int id) {
        CDialogTemplate d;
        const CResource* r = FindResource(m_all, kRtDialog, id);
        EXPECT_TRUE(r && ParseDialog(r->data, &d)) << "dialog " << id;
        return d;
    }
    std::vector<CResource> m_all;
};

struct CItem {
    int nClass;
    int id;
    const char* text; // null when the text is a resource id
    int x, y, cx, cy;
    std::uint32_t styleBits; // bits that must be set besides the child and visible bits
};

constexpr int kButton = 0x80, kStatic = 0x82;

void ExpectDialog(const CDialogTemplate& d, const char* caption, int cx, int cy,
                  const std::vector<CItem>& items) {
    SCOPED_TRACE(caption);
    // Popup, caption, system menu, modal frame, and the font set by the template.
    EXPECT_EQ(d.style, 0x80000000u | 0x00C00000u | 0x00080000u | 0x80u | 0x40u);
    EXPECT_EQ(d.caption, caption);
    EXPECT_EQ(d.x, 0);
    EXPECT_EQ(d.y, 0);
    EXPECT_EQ(d.cx, cx);
    EXPECT_EQ(d.cy, cy);
    EXPECT_EQ(d.nPointSize, 8);
    EXPECT_EQ(d.font, "MS Sans Serif");
    ASSERT_EQ(d.items.size(), items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        const CDialogItem& got = d.items[i];
        const CItem& want = items[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(got.nClass, want.nClass);
        EXPECT_EQ(got.id, want.id);
        if (want.text != nullptr) {
            EXPECT_EQ(got.text, want.text);
        }
        EXPECT_EQ(got.x, want.x);
        EXPECT_EQ(got.y, want.y);
        EXPECT_EQ(got.cx, want.cx);
        EXPECT_EQ(got.cy, want.cy);
        EXPECT_EQ(got.style & 0x50000000u, 0x50000000u) << "visible child";
        EXPECT_EQ(got.style & want.styleBits, want.styleBits);
    }
}

constexpr std::uint32_t kDefPush = 1, kGroupBox = 7, kSunken = 0x1000, kNoPrefix = 0x80;
constexpr std::uint32_t kIcon = 3, kBitmap = 0xe;
} // namespace

TEST_F(ResourceScript, EveryResourceIsInUsEnglish) {
    for (const CResource& r : m_all)
        EXPECT_EQ(r.nLanguage, 0x0409u) << r.nType << " " << r.nName;
}

TEST_F(ResourceScript, PicturesAndSoundsAreTheGeneratedFiles) {
    std::vector<int> bitmaps = FaceIds();
    bitmaps.insert(bitmaps.end(), {128, 163, 259, 263, 264, 265, 268});
    for (int id : bitmaps) {
        const CResource* r = FindResource(m_all, kRtBitmap, id);
        ASSERT_NE(r, nullptr) << id;
        CBytes file = ReadBytes(ArtPath(std::to_string(id) + ".bmp"));
        EXPECT_EQ(r->data, CBytes(file.begin() + 14, file.end())) << id;
    }
    EXPECT_EQ(FindResource(m_all, kRtBitmap, 206), nullptr);
    for (int id : {144, 196, 262}) {
        const CResource* r = FindResource(m_all, "WAVE", id);
        ASSERT_NE(r, nullptr) << id;
        EXPECT_EQ(r->data, ReadBytes(ArtPath(std::to_string(id) + ".wav"))) << id;
    }
}

TEST_F(ResourceScript, CursorGroupsKeepTheirHotSpots) {
    struct {
        int group;
        std::vector<std::pair<int, int>> hotSpots;
    } const cursors[] = {{263, {{16, 12}}}, {264, {{16, 12}}}, {30977, {{2, 2}, {1, 1}}}};
    for (const auto& c : cursors) {
        const CResource* group = FindResource(m_all, kRtGroupCursor, c.group);
        ASSERT_NE(group, nullptr) << c.group;
        ASSERT_EQ(Le16(group->data, 4), c.hotSpots.size());
        for (size_t i = 0; i < c.hotSpots.size(); ++i) {
            const CResource* image =
                FindResource(m_all, kRtCursor, Le16(group->data, 6 + 14 * i + 12));
            ASSERT_NE(image, nullptr);
            EXPECT_EQ(static_cast<int>(Le16(image->data, 0)), c.hotSpots[i].first);
            EXPECT_EQ(static_cast<int>(Le16(image->data, 2)), c.hotSpots[i].second);
        }
    }
}

TEST_F(ResourceScript, IconGroupsHoldA32And16PixelImage) {
    for (int id : {128, 129}) {
        const CResource* group = FindResource(m_all, kRtGroupIcon, id);
        ASSERT_NE(group, nullptr) << id;
        ASSERT_EQ(Le16(group->data, 4), 2u);
        EXPECT_EQ(group->data[6], 32);
        EXPECT_EQ(group->data[6 + 14], 16);
        EXPECT_NE(FindResource(m_all, kRtIcon, Le16(group->data, 6 + 12)), nullptr);
    }
}

TEST_F(ResourceScript, MainMenu) {
    const CResource* r = FindResource(m_all, kRtMenu, 128);
    ASSERT_NE(r, nullptr);
    std::vector<std::pair<std::string, int>> expected = {
        {"&File/&New Game\tCtrl+N", 57600},
        {"&File/Start &Over", 32771},
        {"&File/Scores...", 32772},
        {"&File/-", 0},
        {"&File/E&xit", 57665},
        {"&Edit/&Undo\tCtrl+Z", 57643},
        {"&Edit/-", 0},
        {"&Edit/Cu&t\tCtrl+X", 57635},
        {"&Edit/&Copy\tCtrl+C", 57634},
        {"&Edit/&Paste\tCtrl+V", 57637},
        {"&View/&Status Bar", 59393},
        {"Options/Allow &Kings in empty fans", 32776},
        {"&Help/&Help Topics", 57667},
        {"&Help/-", 0},
        {"&Help/&About Quenlow...", 57664}};
    EXPECT_EQ(ParseMenu(r->data), expected);
}

TEST_F(ResourceScript, AcceleratorsAreVirtualKeys) {
    const CResource* r = FindResource(m_all, kRtAccelerator, 128);
    ASSERT_NE(r, nullptr);
    const unsigned kVirt = 1, kShift = 4, kCtrl = 8, kAlt = 0x10;
    struct CAccel {
        unsigned flags, key, id;
        bool operator==(const CAccel& o) const {
            return flags == o.flags && key == o.key && id == o.id;
        }
    };
    std::vector<CAccel> got;
    for (size_t at = 0; at + 8 <= r->data.size(); at += 8)
        got.push_back({Le16(r->data, at) & 0x7f, Le16(r->data, at + 2), Le16(r->data, at + 4)});
    const std::vector<CAccel> expected = {
        {kVirt | kCtrl, 'N', 57600},   {kVirt | kCtrl, 'O', 57601},   {kVirt | kCtrl, 'S', 57603},
        {kVirt | kCtrl, 'Z', 57643},   {kVirt | kAlt, 0x08, 57643},   {kVirt | kCtrl, 'X', 57635},
        {kVirt | kShift, 0x2e, 57635}, {kVirt | kCtrl, 'C', 57634},   {kVirt | kCtrl, 0x2d, 57634},
        {kVirt | kCtrl, 'V', 57637},   {kVirt | kShift, 0x2d, 57637}, {kVirt, 0x75, 57680},
        {kVirt | kShift, 0x75, 57681}, {kVirt | kShift, 0x70, 57669}, {kVirt, 0x70, 57670}};
    EXPECT_TRUE(got == expected);
    EXPECT_EQ(Le16(r->data, r->data.size() - 8) & 0x80, 0x80u) << "last entry marked";
}

TEST_F(ResourceScript, ToolbarListsItsButtonsInOrder) {
    const CResource* r = FindResource(m_all, kRtToolbar, 128);
    ASSERT_NE(r, nullptr);
    const std::vector<unsigned> expected = {1,     16, 15,    9,     57600, 32771, 0,
                                            57643, 0,  32772, 57664, 0,     57667};
    ASSERT_EQ(r->data.size(), 2 * expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(Le16(r->data, 2 * i), expected[i]) << i;
}

TEST_F(ResourceScript, NewGameAndGameOverDialogs) {
    ExpectDialog(Dialog(142), "Start a New Game", 187, 63,
                 {{kButton, 1, "New Game", 130, 7, 50, 14, kDefPush},
                  {kButton, 2, "Cancel", 130, 24, 50, 14, 0},
                  {kStatic, -1,
                   "Are you sure that you wish to\nquit your current game and\nstart a new game?",
                   13, 7, 108, 50, 0}});
    ExpectDialog(Dialog(145), "Game Over", 186, 55,
                 {{kButton, 1, "OK", 129, 7, 50, 14, kDefPush},
                  {kStatic, -1, "Congratulations!\n\nYou have won the game.", 7, 7, 116, 42, 0}});
}

TEST_F(ResourceScript, ScoresDialog) {
    ExpectDialog(Dialog(195), "Scores", 186, 71,
                 {{kButton, 1, "OK", 129, 7, 50, 14, kDefPush},
                  {kStatic, -1, "Wins:", 18, 20, 24, 11, 0},
                  {kStatic, -1, "Losses:", 12, 37, 30, 11, 0},
                  {kButton, -1, "Current Scores:", 7, 7, 108, 51, kGroupBox},
                  {kStatic, 1000, "0", 48, 19, 56, 12, kSunken},
                  {kStatic, 1001, "0", 48, 35, 56, 12, kSunken},
                  {kButton, 1002, "Reset", 129, 24, 50, 14, 0},
                  {kButton, 2, "Cancel", 129, 50, 50, 14, 0}});
}

TEST_F(ResourceScript, AboutDialogShowsTheIconTheVersionAndThePicture) {
    CDialogTemplate d = Dialog(100);
    ExpectDialog(d, "About Quenlow", 216, 122,
                 {{kStatic, -1, nullptr, 11, 17, 20, 20, kIcon},
                  {kStatic, -1, "Quenlow\nv1.0 [Sep 98]", 40, 10, 82, 34, kNoPrefix},
                  {kButton, 1, "OK", 160, 7, 49, 14, kDefPush},
                  {kStatic, -1, nullptr, 142, 50, 67, 62, kBitmap}});
    ASSERT_EQ(d.items.size(), 4u);
    EXPECT_EQ(d.items[0].nTextOrdinal, 128);
    EXPECT_EQ(d.items[3].nTextOrdinal, 268);
}

TEST_F(ResourceScript, StringsKeepTheirLineBreaksEmptyFieldsAndAmpersands) {
    EXPECT_EQ(LoadString(m_all, 128),
              "Quenlow\n\nQuenlow\nQuenlow Files (*.QNL)\n.QNL\nQuenlow.Document\nQuenlowDocument");
    EXPECT_EQ(LoadString(m_all, 32772), "Display wins & losses\nShow Scores");
    EXPECT_EQ(LoadString(m_all, 59393), "Show or hide the status bar\nToggle StatusBar");
    EXPECT_EQ(LoadString(m_all, 59139), "SCRL");
    // Every command of the menu, keys and toolbar has its prompt and tool tip.
    for (int id : {32771, 32772, 32776, 57600, 57601, 57603, 57634, 57635, 57637, 57643, 57664,
                   57665, 57667, 57669, 57670, 57680, 57681, 59393}) {
        std::string s = LoadString(m_all, id);
        size_t nl = s.find('\n');
        EXPECT_TRUE(nl != std::string::npos && nl > 0 && nl + 1 < s.size()) << id << ": " << s;
    }
    for (int id : {57344, 57345, 57346, 59137, 59138, 61700, 61703, 61707, 61708})
        EXPECT_FALSE(LoadString(m_all, id).empty()) << id;
}

TEST_F(ResourceScript, VersionRecord) {
    const CResource* r = FindResource(m_all, kRtVersion, 1);
    ASSERT_NE(r, nullptr);
    CVersionInfo v;
    ASSERT_TRUE(ParseVersion(r->data, &v));
    EXPECT_EQ(v.fileVersionMs, 0x00010000u);
    EXPECT_EQ(v.fileVersionLs, 0x00000001u);
    EXPECT_EQ(v.productVersionMs, 0x00010000u);
    EXPECT_EQ(v.productVersionLs, 0x00000001u);
    EXPECT_EQ(v.fileOs, 0x00000004u) << "32-bit Windows";
    EXPECT_EQ(v.fileType, 1u) << "an application";
    EXPECT_EQ(v.block.substr(0, 4), "0409");
    EXPECT_EQ(v.translation & 0xffff, 0x0409u);
    const std::map<std::string, std::string> expected = {
        {"FileDescription", "Quenlow Application Program"},
        {"FileVersion", "1, 0, 0, 1"},
        {"InternalName", "QUENLOW"},
        {"OriginalFilename", "QUENLOW.EXE"},
        {"ProductName", "Quenlow Application"},
        {"ProductVersion", "1, 0, 0, 1"}};
    EXPECT_EQ(v.strings, expected);
}
