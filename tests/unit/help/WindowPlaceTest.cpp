#include "WindowPlace.h"

#include <gtest/gtest.h>

TEST(WindowPlaceTest, TheViewerOpensBesideTheMainWindowWithinTheWorkArea) {
    const CRect rcWork(0, 0, 1024, 740);
    EXPECT_EQ(PlaceBeside(CRect(10, 20, 410, 320), 600, 440, rcWork), CRect(410, 20, 1010, 460));
    EXPECT_EQ(PlaceBeside(CRect(620, 20, 1020, 320), 600, 440, rcWork), CRect(20, 20, 620, 460));
    // No room on either side: the side with more, as far from the main window as it goes.
    EXPECT_EQ(PlaceBeside(CRect(0, 0, 602, 484), 600, 440, rcWork), CRect(424, 0, 1024, 440));
    EXPECT_EQ(PlaceBeside(CRect(422, 0, 1024, 484), 600, 440, rcWork), CRect(0, 0, 600, 440));
    EXPECT_EQ(PlaceBeside(CRect(0, 600, 300, 900), 600, 440, rcWork), CRect(300, 300, 900, 740));
}

TEST(WindowPlaceTest, ARememberedPlaceIsReadBackAndKeptOnTheScreen) {
    CRect rc;
    ASSERT_TRUE(ParseWindowPlace(FormatWindowPlace(CRect(-20, 700, 580, 1140)), rc));
    EXPECT_EQ(rc, CRect(-20, 700, 580, 1140));
    // Left where a larger screen had room for it.
    EXPECT_EQ(FitIntoWorkArea(rc, CRect(0, 0, 1024, 740)), CRect(0, 300, 600, 740));
    EXPECT_EQ(FitIntoWorkArea(CRect(0, 0, 2000, 900), CRect(0, 0, 1024, 740)),
              CRect(0, 0, 1024, 740));
    for (const char* szText : {"", "1 2 3", "1 2 0 4", "1 2 3 -4", "a b c d", "1 2 3 4 5",
                               "1 2 3 4x", "99999 0 10 10"}) {
        rc = CRect(1, 2, 3, 4);
        EXPECT_FALSE(ParseWindowPlace(szText, rc)) << szText;
        EXPECT_EQ(rc, CRect(1, 2, 3, 4)) << szText;
    }
}
