#include "FrameworkTestSupport.h"

#include "resource.h"

namespace {

TEST_F(FrameworkTest, CommandsGoToTheFirstTargetThatHandlesThem) {
    // Both the view and the frame handle Save: the view is asked first.
    EXPECT_TRUE(Frame().ExecuteCommand(ID_FILE_SAVE));
    EXPECT_TRUE(Logged("view:shared"));
    EXPECT_FALSE(Logged("frame:shared"));

    // The frame's command, which neither the view nor the document handles.
    m_log.clear();
    EXPECT_TRUE(Frame().ExecuteCommand(ID_HELP_FINDER));
    EXPECT_TRUE(Logged("frame:shared"));

    // The document's and the application's.
    BOOL bKings = Doc().AreKingsAllowed();
    EXPECT_TRUE(Frame().ExecuteCommand(ID_KINGS));
    EXPECT_NE(bKings, Doc().AreKingsAllowed());
    EXPECT_TRUE(Frame().ExecuteCommand(ID_APP_ABOUT));
    EXPECT_EQ(std::vector<int>{IDD_ABOUTBOX}, m_platform.m_dialogLog);
}

TEST_F(FrameworkTest, CommandsNobodyHandlesAreGreyedAndDoNothing) {
    std::string table = FanCodes();
    for (int nID : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_PREV_PANE}) {
        SCOPED_TRACE(nID);
        EXPECT_FALSE(Frame().QueryCmdState(nID).bEnabled);
        EXPECT_FALSE(Frame().ExecuteCommand(nID));
    }
    EXPECT_EQ(table, FanCodes());
    EXPECT_TRUE(m_log.empty()) << "a dropped command must not cancel the view's gesture";
}

TEST_F(FrameworkTest, AHandledButDisabledCommandIsDropped) {
    EXPECT_FALSE(Frame().QueryCmdState(ID_NEXT_PANE).bEnabled);
    EXPECT_FALSE(Frame().ExecuteCommand(ID_NEXT_PANE));
    EXPECT_FALSE(Logged("view:next-pane"));
}

TEST_F(FrameworkTest, UndoAndStartOverAreDroppedOnceTheGameIsOver) {
    // Played on: a history of several positions, then the game ends.
    SetTableByCodes(Doc(), {"7H", "6S", "8D"});
    ASSERT_TRUE(Doc().MoveCard(0, 1));
    Doc().OnIdleUpdate();
    ASSERT_TRUE(Doc().MoveCard(1, 2));
    Doc().OnIdleUpdate();
    const int nHistory = Doc().GetHistoryCount();
    ASSERT_GE(nHistory, 3);
    EndGame(Doc());
    std::string table = FanCodes();

    EXPECT_FALSE(Frame().ExecuteCommand(ID_EDIT_UNDO));
    EXPECT_FALSE(Frame().ExecuteCommand(ID_START_OVER));
    EXPECT_EQ(table, FanCodes());
    EXPECT_EQ(nHistory, Doc().GetHistoryCount());

    // Carried out regardless of the enabling, Undo would have changed the history.
    Doc().OnEditUndo();
    EXPECT_EQ(nHistory - 2, Doc().GetHistoryCount());
}

TEST_F(FrameworkTest, EnabledCommandEndsTheViewsGestureBeforeItRuns) {
    ASSERT_EQ(2, Doc().GetHistoryCount()); // the deal and its idle step
    EXPECT_TRUE(Frame().ExecuteCommand(ID_EDIT_UNDO));
    EXPECT_EQ(CEventLog{"view:cancel"}, m_log);
    auto* pView = static_cast<CTestView*>(Frame().GetActiveView());
    EXPECT_EQ(2, pView->m_nHistoryAtCancel) << "the gesture ended before Undo ran";
    EXPECT_EQ(0, Doc().GetHistoryCount());
}

TEST_F(FrameworkTest, UndoAndStartOverFollowTheGame) {
    EXPECT_TRUE(Frame().QueryCmdState(ID_EDIT_UNDO).bEnabled);
    EXPECT_TRUE(Frame().QueryCmdState(ID_START_OVER).bEnabled);

    // Undo back to the deal: one position left, so Undo is off until the next move.
    EXPECT_TRUE(Frame().ExecuteCommand(ID_EDIT_UNDO));
    Idle();
    EXPECT_FALSE(Frame().QueryCmdState(ID_EDIT_UNDO).bEnabled);
    EXPECT_TRUE(Frame().QueryCmdState(ID_START_OVER).bEnabled);
}

TEST_F(FrameworkTest, StatusBarCommandTogglesTheBarAndItsCheck) {
    CCmdState state = Frame().QueryCmdState(ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(state.bEnabled);
    EXPECT_TRUE(state.bCheckSet);
    EXPECT_EQ(1, state.nCheck);

    EXPECT_TRUE(Frame().ExecuteCommand(ID_VIEW_STATUS_BAR));
    EXPECT_FALSE(Frame().m_bStatusBar);
    EXPECT_EQ(0, Frame().QueryCmdState(ID_VIEW_STATUS_BAR).nCheck);

    EXPECT_TRUE(Frame().ExecuteCommand(ID_VIEW_STATUS_BAR));
    EXPECT_TRUE(Frame().m_bStatusBar);
    EXPECT_EQ(1, Frame().QueryCmdState(ID_VIEW_STATUS_BAR).nCheck);
}

TEST_F(FrameworkTest, KingsItemIsAlwaysEnabledAndCheckedWhileTheOptionIsOn) {
    for (int i = 0; i < 2; ++i) {
        CCmdState state = Frame().QueryCmdState(ID_KINGS);
        EXPECT_TRUE(state.bEnabled);
        EXPECT_TRUE(state.bCheckSet);
        EXPECT_EQ(Doc().AreKingsAllowed() ? 1 : 0, state.nCheck);
        Frame().ExecuteCommand(ID_KINGS);
    }
}

TEST_F(FrameworkTest, CommandsWithoutUpdateStepAreEnabledAndUnchecked) {
    for (int nID : {ID_FILE_NEW, ID_APP_EXIT, ID_APP_ABOUT, ID_SCORES}) {
        SCOPED_TRACE(nID);
        CCmdState state = Frame().QueryCmdState(nID);
        EXPECT_TRUE(state.bEnabled);
        EXPECT_FALSE(state.bCheckSet);
    }
}

TEST_F(FrameworkTest, MessagePaneShowsPromptsAndTheIdleMessage) {
    Frame().OnMenuSelect(ID_EDIT_UNDO);
    EXPECT_EQ("Undo the last move", Frame().m_strMessage);
    EXPECT_EQ("Undo", Frame().GetToolTipText(ID_EDIT_UNDO));
    Frame().OnMenuSelect(0);
    EXPECT_EQ("For Help, press F1", Frame().m_strMessage);
    // A command without a prompt string shows an empty pane, never a stale prompt.
    Frame().OnMenuSelect(ID_EDIT_CUT);
    EXPECT_EQ("", Frame().m_strMessage);
    EXPECT_EQ("", Frame().GetToolTipText(ID_EDIT_CUT));
}

TEST_F(FrameworkTest, EachIdleBurstUpdatesTheToolbarOnceAndCountsOnePass) {
    long nPasses = m_pApp->GetIdlePasses();
    Idle();
    EXPECT_EQ(CEventLog{"frame:idle-ui"}, m_log);
    EXPECT_EQ(nPasses + 1, m_pApp->GetIdlePasses());
    Idle();
    EXPECT_EQ(nPasses + 2, m_pApp->GetIdlePasses());
}

} // namespace
