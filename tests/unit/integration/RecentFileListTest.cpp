#include "RecentFileList.h"

#include <gtest/gtest.h>

#include <map>

TEST(RecentFileListTest, NewestFirstFiveAtMostNoDuplicates) {
    CRecentFileList list;
    for (const char* f : {"a", "b", "c", "d", "e", "f"})
        list.Add(std::string("C:\\") + f + ".qnl");
    ASSERT_EQ(list.GetFiles().size(), 5u);
    EXPECT_EQ(list.GetFiles().front(), "C:\\f.qnl");
    EXPECT_EQ(list.GetFiles().back(), "C:\\b.qnl");
    list.Add("c:\\D.QNL");
    EXPECT_EQ(list.GetFiles().size(), 5u);
    EXPECT_EQ(list.GetFiles().front(), "c:\\D.QNL");
    EXPECT_EQ(list.GetFiles()[2], "C:\\e.qnl");
}

TEST(RecentFileListTest, RoundTripsThroughTheProfile) {
    CRecentFileList list;
    list.Add("C:\\a.qnl");
    list.Add("C:\\b.qnl");
    std::map<std::string, std::string> profile;
    list.WriteList([&](const std::string& k, const std::string& v) { profile[k] = v; });
    EXPECT_EQ(profile["File1"], "C:\\b.qnl");
    EXPECT_EQ(profile["File2"], "C:\\a.qnl");
    EXPECT_EQ(profile["File3"], "");
    CRecentFileList again;
    again.ReadList([&](const std::string& k) { return profile[k]; });
    EXPECT_EQ(again.GetFiles(), list.GetFiles());
}

TEST(RecentFileListTest, NamesAreShownToThirtyCharacters) {
    EXPECT_EQ(AbbreviatePath("C:\\short\\a.qnl", 30), "C:\\short\\a.qnl");
    std::string shown = AbbreviatePath("C:\\Documents\\Games\\Patience\\Saved\\game.qnl", 30);
    EXPECT_LE(shown.size(), 30u);
    EXPECT_EQ(shown, "C:\\...\\Patience\\Saved\\game.qnl");
    std::string longName = AbbreviatePath("C:\\x\\a-very-long-document-name-indeed-here.qnl", 30);
    EXPECT_EQ(longName.size(), 30u);
    EXPECT_EQ(longName.rfind("a-very", 0), 0u);
    CRecentFileList list;
    list.Add("C:\\Documents\\Games\\Patience\\Saved\\game.qnl");
    EXPECT_EQ(list.GetDisplayName(0), shown);
    EXPECT_EQ(list.GetDisplayName(3), "");
}
