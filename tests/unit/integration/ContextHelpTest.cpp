#include "ContextHelp.h"
#include "HeadlessPlatform.h"
#include "resource.h"

#include <gtest/gtest.h>

TEST(ContextHelpTest, TheHelpCursorLastsUntilTheClickThatNamesTheTopic) {
    CHeadlessPlatform platform;
    platform.SetCursor(CHeadlessPlatform::CursorHandle(IDC_OPENHAND));
    CContextHelpMode mode;
    EXPECT_FALSE(mode.OnSetCursor(platform));
    mode.Enter(platform);
    EXPECT_TRUE(mode.IsActive());
    EXPECT_EQ(CHeadlessPlatform::CursorHandle(IDC_CONTEXTHELP), platform.GetCursor());
    platform.SetCursor(CHeadlessPlatform::kArrowCursor);
    EXPECT_TRUE(mode.OnSetCursor(platform));
    EXPECT_EQ(CHeadlessPlatform::CursorHandle(IDC_CONTEXTHELP), platform.GetCursor());

    std::string context;
    EXPECT_TRUE(mode.OnClick(platform, HelpHit::Command, ID_EDIT_UNDO, context));
    EXPECT_EQ("57643", context);
    EXPECT_FALSE(mode.IsActive());
    EXPECT_EQ(CHeadlessPlatform::CursorHandle(IDC_OPENHAND), platform.GetCursor())
        << "the pointer is given back";
    EXPECT_FALSE(mode.OnClick(platform, HelpHit::Table, 0, context)) << "one click only";
}

TEST(ContextHelpTest, EachPlaceHasItsContextAndOutsideHasNone) {
    CHeadlessPlatform platform;
    CContextHelpMode mode;
    std::string context = "unchanged";
    for (auto [hit, expected] :
         {std::pair{HelpHit::Table, "table"}, std::pair{HelpHit::ToolBar, "toolbar"},
          std::pair{HelpHit::StatusBar, "statusbar"}, std::pair{HelpHit::Frame, ""}}) {
        mode.Enter(platform);
        EXPECT_TRUE(mode.OnClick(platform, hit, 0, context));
        EXPECT_EQ(expected, context);
    }
    mode.Enter(platform);
    context = "unchanged";
    EXPECT_FALSE(mode.OnClick(platform, HelpHit::Outside, 0, context));
    EXPECT_EQ("unchanged", context);
    EXPECT_FALSE(mode.IsActive());
}

TEST(ContextHelpTest, EscapeEndsTheModeAndAMissingCursorKeepsThePointer) {
    CHeadlessPlatform platform;
    platform.RemoveCursorResource(IDC_CONTEXTHELP);
    platform.SetCursor(CHeadlessPlatform::kArrowCursor);
    CContextHelpMode mode;
    mode.Enter(platform);
    EXPECT_TRUE(mode.IsActive());
    EXPECT_EQ(CHeadlessPlatform::kArrowCursor, platform.GetCursor());
    mode.Cancel(platform);
    EXPECT_FALSE(mode.IsActive());
    std::string context;
    EXPECT_FALSE(mode.OnClick(platform, HelpHit::Table, 0, context));
}
