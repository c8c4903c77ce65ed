#include "HeadlessPlatform.h"

#include "GameDialogs.h"
#include "resource.h"

#include <gtest/gtest.h>

TEST(HeadlessRegistryTest, KeepsTheRealStoresReadingRules) {
    CHeadlessPlatform platform;
    RegKey hKey = 0;
    ASSERT_EQ(platform.RegCreateKey(RegRoot::CurrentUser, "Software\\A", "REG_BINARY", &hKey),
              kRegOk);
    std::uint8_t data[6] = {1, 2, 3, 4, 5, 6};
    ASSERT_EQ(platform.RegSetValue(hKey, "Value", kRegBinary, data, 6), kRegOk);

    std::uint8_t small[4] = {};
    unsigned cb = 4;
    EXPECT_EQ(platform.RegQueryValue(hKey, "value", nullptr, small, &cb), kRegMoreData)
        << "a value larger than the buffer fails";
    EXPECT_EQ(cb, 6u);
    std::uint8_t big[8] = {};
    cb = 8;
    unsigned nType = 0;
    EXPECT_EQ(platform.RegQueryValue(hKey, "VALUE", &nType, big, &cb), kRegOk);
    EXPECT_EQ(cb, 6u) << "a shorter value reads with its own size";
    EXPECT_EQ(nType, kRegBinary);
    EXPECT_EQ(big[5], 6);
    EXPECT_EQ(platform.RegQueryValue(hKey, "missing", nullptr, big, &cb), kRegFileNotFound);
    EXPECT_EQ(platform.RegCloseKey(hKey), kRegOk);
    EXPECT_NE(platform.RegCloseKey(hKey), kRegOk);
    EXPECT_NE(platform.RegQueryValue(hKey, "value", nullptr, big, &cb), kRegOk)
        << "a closed key reads nothing";
    EXPECT_TRUE(platform.m_registry.HasKey(RegRoot::CurrentUser, "software\\a"));
    EXPECT_FALSE(platform.m_registry.HasKey(RegRoot::LocalMachine, "software\\a"));
}

TEST(HeadlessCanvasTest, PatternIsAlignedToTheClientOriginAndInvertingTwiceRestores) {
    CHeadlessPlatform platform;
    WindowRef hView = platform.CreateView(40, 30);
    CBitmap pattern;
    ASSERT_TRUE(pattern.LoadBitmap(platform, IDB_PATTERN));
    auto dc = platform.GetClientDC(hView);
    dc->FillPattern(CRect(3, 5, 20, 20), pattern);
    CRgbImage& canvas = platform.Canvas(hView);
    EXPECT_EQ(canvas.At(4, 6), (CRgb{0, 255, 255})) << "x + y even is cyan";
    EXPECT_EQ(canvas.At(3, 6), (CRgb{0, 128, 0}));
    EXPECT_EQ(canvas.At(2, 6), (CRgb{255, 0, 255})) << "outside the rectangle untouched";
    CRgbImage before = canvas;
    dc->InvertRect(CRect(0, 0, 10, 10));
    EXPECT_EQ(canvas.At(4, 6), (CRgb{255, 0, 0}));
    dc->InvertRect(CRect(0, 0, 10, 10));
    EXPECT_EQ(canvas, before);
}

TEST(HeadlessCanvasTest, ABlitCopiesOnlyWhatTheSourceCovers) {
    CHeadlessPlatform platform;
    WindowRef hView = platform.CreateView(100, 100);
    CBitmap marker;
    ASSERT_TRUE(marker.LoadBitmap(platform, IDB_EMPTY_CLUBS));
    ASSERT_EQ(marker.GetHeight(), 80);
    auto dc = platform.GetClientDC(hView);
    dc->FillSolid(CRect(0, 0, 100, 100), CRgb{1, 2, 3});
    dc->BlitBitmap(marker, 10, 10, 60, 82);
    CRgbImage& canvas = platform.Canvas(hView);
    EXPECT_EQ(canvas.At(10, 89), CHeadlessPlatform::FaceColour(IDB_EMPTY_CLUBS));
    EXPECT_EQ(canvas.At(10, 90), (CRgb{1, 2, 3}));
    ASSERT_EQ(platform.m_blits.size(), 1u);
    EXPECT_EQ(platform.ResourceIdOf(platform.m_blits[0].hBitmap), IDB_EMPTY_CLUBS);
}

TEST(HeadlessDialogTest, ScriptedButtonsDriveTheRealDialogCode) {
    CHeadlessPlatform platform;
    CScoresDlg dlg;
    dlg.m_strWins = "4";
    dlg.m_strLosses = "2";
    platform.m_dialogScripts.push_back({IDD_SCORES, {IDC_RESET, kIdOk}});
    EXPECT_EQ(dlg.DoModal(platform), kIdOk);
    EXPECT_EQ(dlg.m_strWins, "0");
    EXPECT_EQ(dlg.m_strLosses, "0");
    EXPECT_EQ(platform.m_dialogInitTexts[IDC_WINS], "4");

    CNewGameDlg other;
    platform.m_dialogScripts.push_back({IDD_SCORES, {kIdOk}});
    EXPECT_EQ(other.DoModal(platform), kDialogFailed) << "a script for another dialog is kept";
    EXPECT_EQ(platform.m_dialogScripts.size(), 1u);
}
