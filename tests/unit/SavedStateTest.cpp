#include "ModelTestSupport.h"

#include "resource.h"

namespace {
class SavedStateTest : public ModelTest {
protected:
    void StartAndDeal(std::uint32_t nSeed = 1) {
        MakeDoc(nSeed);
        ASSERT_TRUE(m_pDoc->OnNewDocument());
        Idle();
    }
    void Restart() {
        CloseDoc();
        MakeDoc(99);
    }
    std::string Table() const {
        std::string out;
        for (int f = 0; f < kFanCount; ++f)
            out += Fan(f) + "|";
        for (int p = kPileHearts; p <= kPileSpades; ++p)
            out += std::to_string(m_pDoc->GetTopCard(p).GetRank()) + "|";
        return out;
    }
    void Put(const char* name, const std::vector<std::uint8_t>& data, unsigned nType = kRegBinary) {
        m_platform.m_registry.PutValue(RegRoot::CurrentUser, kSettingsKey, name, nType, data);
    }
    // A consistent saved game: the fixed-up deal of a seed, in progress.
    CSavedGameRecord SavedDeal(std::uint32_t nSeed) {
        CHeadlessPlatform platform;
        platform.m_nTime = nSeed;
        CSavedGameRecord record;
        {
            CQuenlowDoc doc(platform);
            doc.Deal();
        }
        record.Decode(
            platform.m_registry.FindValue(RegRoot::CurrentUser, kSettingsKey, "game")->data.data());
        return record;
    }
    bool StartOverEnabled() {
        CCmdUI ui(ID_START_OVER);
        m_pDoc->OnCmdMsg(ID_START_OVER, &ui);
        return ui.m_bEnabled != FALSE;
    }
};

std::int32_t IntAt(const std::vector<std::uint8_t>& data, size_t offset) {
    return DecodeInt(&data.at(offset));
}
} // namespace

TEST_F(SavedStateTest, WithNoKeyTheDefaultsHoldAndClosingWritesAllFourValues) {
    StartAndDeal();
    EXPECT_EQ(m_pDoc->GetWins(), 0);
    EXPECT_EQ(m_pDoc->GetLosses(), 0);
    EXPECT_FALSE(m_pDoc->AreKingsAllowed());
    EXPECT_EQ(m_pView->m_nAnimations, 1) << "a fresh deal";
    CloseDoc();
    EXPECT_EQ(StoredValue(m_platform, "scores").size(), 8u);
    EXPECT_EQ(StoredValue(m_platform, "expert").size(), 4u);
    EXPECT_EQ(StoredValue(m_platform, "game").size(), 472u);
    EXPECT_EQ(StoredValue(m_platform, "initial").size(), 436u);
    EXPECT_EQ(m_platform.m_registry.FindValue(RegRoot::CurrentUser, kSettingsKey, "game")->nType,
              kRegBinary);
    EXPECT_EQ(m_platform.m_registry.OpenKeyCount(), 0);
}

TEST_F(SavedStateTest, AGameClosedMidPlayComesBackExactlyAndIsNotAnimated) {
    StartAndDeal(1);
    StoreScores(4, 2);
    std::string table = Table();
    Restart();
    ASSERT_TRUE(m_pDoc->OnNewDocument());
    EXPECT_EQ(Table(), table);
    EXPECT_FALSE(m_pDoc->IsDealPending());
    EXPECT_TRUE(m_pDoc->IsInProgress());
    EXPECT_EQ(m_pDoc->GetHistoryCount(), 1);
    Idle();
    EXPECT_EQ(m_pView->m_nAnimations, 0);
    EXPECT_EQ(m_pDoc->GetHistoryCount(), 2);
    EXPECT_EQ(m_pDoc->GetWins(), 4);
    EXPECT_EQ(m_pDoc->GetLosses(), 2);
    EXPECT_FALSE(m_pDoc->HasSavedGame()) << "a saved game is used once";
    ExpectAllCardsOnce();
}

TEST_F(SavedStateTest, TheRecordLayoutIsByteExact) {
    StoreScores(7, -1);
    MakeDoc();
    SetTable({"5C 6D", "", "QS"}, {"3H", "AC"});
    m_pDoc->OnKings();
    CloseDoc();
    std::vector<std::uint8_t> scores = StoredValue(m_platform, "scores");
    std::vector<std::uint8_t> expectedScores = {7, 0, 0, 0, 0xff, 0xff, 0xff, 0xff};
    EXPECT_EQ(scores, expectedScores);
    EXPECT_EQ(StoredValue(m_platform, "expert"), (std::vector<std::uint8_t>{1, 0, 0, 0}));
    std::vector<std::uint8_t> game = StoredValue(m_platform, "game");
    EXPECT_EQ(IntAt(game, 0), 1);
    EXPECT_EQ(IntAt(game, 4), 1);
    EXPECT_EQ(IntAt(game, 8), kClubs); // suit of fan 0 slot 0
    EXPECT_EQ(IntAt(game, 224), 5);    // its rank
    EXPECT_EQ(IntAt(game, 8 + 4), kDiamonds);
    EXPECT_EQ(IntAt(game, 224 + 4 * 4), -1); // fan 1 slot 1 is empty
    for (int s = 0; s < 3; ++s) {
        EXPECT_EQ(IntAt(game, 8 + 4 * (3 + s)), -1);
        EXPECT_EQ(IntAt(game, 224 + 4 * (3 + s)), -1);
    }
    EXPECT_EQ(IntAt(game, 440), kClubs); // Clubs pair
    EXPECT_EQ(IntAt(game, 444), 1);
    EXPECT_EQ(IntAt(game, 448), -1); // Diamonds empty
    EXPECT_EQ(IntAt(game, 452), -1);
    EXPECT_EQ(IntAt(game, 464), kHearts); // Hearts pair (1, 3)
    EXPECT_EQ(IntAt(game, 468), 3);
}

TEST_F(SavedStateTest, FoundationsAndEmptyFansComeBack) {
    CSavedGameRecord record = SavedDeal(5);
    // Move the Ace to Three of Hearts from wherever they lie onto the Hearts foundation.
    for (int r = 1; r <= 3; ++r)
        for (int i = 0; i < kSlotCount; ++i)
            if (record.m_nSavedSuit[i] == kHearts && record.m_nSavedRank[i] == r) {
                record.m_nSavedSuit[i] = record.m_nSavedRank[i] = -1;
            }
    record.m_nSavedFoundation[3][0] = kHearts;
    record.m_nSavedFoundation[3][1] = 3;
    // Close the gaps the removal left: fans fill from the bottom.
    for (int f = 0; f < 18; ++f) {
        std::vector<std::pair<int, int>> cards;
        for (int s = 0; s < 3; ++s)
            if (record.m_nSavedSuit[3 * f + s] != -1)
                cards.emplace_back(record.m_nSavedSuit[3 * f + s], record.m_nSavedRank[3 * f + s]);
        for (int s = 0; s < 3; ++s) {
            bool b = s < static_cast<int>(cards.size());
            record.m_nSavedSuit[3 * f + s] = b ? cards[s].first : -1;
            record.m_nSavedRank[3 * f + s] = b ? cards[s].second : -1;
        }
    }
    ASSERT_TRUE(record.IsConsistent());
    Put("game", record.Encode());
    MakeDoc();
    ASSERT_TRUE(m_pDoc->OnNewDocument());
    EXPECT_EQ(m_pDoc->GetTopCard(kPileHearts).GetRank(), 3);
    EXPECT_TRUE(m_pDoc->GetTopCard(kPileHearts).HasCard());
    EXPECT_FALSE(m_pDoc->GetTopCard(kPileClubs).HasCard());
    EXPECT_EQ(m_pDoc->GetTopCard(kPileClubs).GetSuit(), kClubs);
    EXPECT_EQ(m_pDoc->GetTopCard(kPileSpades).GetSuit(), kSpades);
    EXPECT_EQ(m_pDoc->GetTopCard(kPileDiamonds).GetSuit(), kDiamonds);
    ExpectAllCardsOnce();
}

TEST_F(SavedStateTest, AGameNotInProgressIsNotRestored) {
    CSavedGameRecord record = SavedDeal(5);
    record.m_bSavedInProgress = 0;
    Put("game", record.Encode());
    MakeDoc(1);
    ASSERT_TRUE(m_pDoc->OnNewDocument());
    EXPECT_TRUE(m_pDoc->IsDealPending()) << "a fresh deal";
    EXPECT_EQ(Fan(0), "3C KD 4S");
}

TEST_F(SavedStateTest, TheKingsOptionSurvivesARestartBothWays) {
    MakeDoc();
    m_pDoc->OnKings();
    Restart();
    EXPECT_TRUE(m_pDoc->AreKingsAllowed());
    m_pDoc->OnKings();
    Restart();
    EXPECT_FALSE(m_pDoc->AreKingsAllowed());
}

TEST_F(SavedStateTest, AValueOfTheWrongSizeIsUnreadableAndTakesItsDefault) {
    CSavedGameRecord game = SavedDeal(5);
    std::vector<std::uint8_t> gameBytes = game.Encode();
    // One byte short, one byte long, and only the first field.
    for (int delta : {-1, +1, 0}) {
        auto size = [delta](size_t n) { return delta == 0 ? size_t(4) : n + delta; };
        Put("scores", std::vector<std::uint8_t>(size(8), 3));
        Put("expert", std::vector<std::uint8_t>(size(4) == 4 ? 2 : size(4), 1));
        std::vector<std::uint8_t> g = gameBytes;
        g.resize(size(g.size()));
        Put("game", g);
        Put("initial", std::vector<std::uint8_t>(size(436), 1));
        MakeDoc(1);
        EXPECT_EQ(m_pDoc->GetWins(), 0) << delta;
        EXPECT_EQ(m_pDoc->GetLosses(), 0) << delta;
        EXPECT_FALSE(m_pDoc->AreKingsAllowed()) << delta;
        EXPECT_FALSE(m_pDoc->HasSavedGame()) << delta;
        EXPECT_EQ(m_pDoc->GetInitialRecord().m_bInitialValid, 0) << delta;
        m_pView.reset();
        m_pDoc.reset();
    }
}

TEST_F(SavedStateTest, TheStoredTypeIsIgnored) {
    Put("scores", EncodeInts({2, 9}), kRegSz);
    MakeDoc();
    EXPECT_EQ(m_pDoc->GetWins(), 2);
    EXPECT_EQ(m_pDoc->GetLosses(), 9);
}

TEST_F(SavedStateTest, AnInconsistentGameIsDealtAnewButScoresAndOptionStillLoad) {
    CSavedGameRecord good = SavedDeal(5);
    std::vector<CSavedGameRecord> bad(6, good);
    bad[0].m_nSavedSuit[3] = good.m_nSavedSuit[0]; // a duplicate card
    bad[0].m_nSavedRank[3] = good.m_nSavedRank[0];
    bad[1].m_nSavedSuit[0] = bad[1].m_nSavedRank[0] = -1; // a gap below two cards
    bad[2].m_nSavedRank[4] = 14;                          // no such rank
    bad[3].m_nSavedFoundation[0][0] = kHearts;            // Clubs pair with another suit
    bad[3].m_nSavedFoundation[0][1] = 1;
    bad[4].m_nSavedSuit[1] = bad[4].m_nSavedRank[1] = -1; // 51 cards (slot 1 emptied...
    bad[4].m_nSavedSuit[1] = good.m_nSavedSuit[2];        // ...and slot 2 moved down)
    bad[4].m_nSavedRank[1] = good.m_nSavedRank[2];
    bad[4].m_nSavedSuit[2] = bad[4].m_nSavedRank[2] = -1;
    bad[4].m_nSavedSuit[0] = bad[4].m_nSavedRank[0] = -1;
    bad[5].m_nSavedSuit[7] = -1; // half an empty slot
    for (size_t i = 0; i < bad.size(); ++i) {
        ASSERT_FALSE(bad[i].IsConsistent()) << i;
        Put("game", bad[i].Encode());
        Put("scores", EncodeInts({6, 1}));
        Put("expert", EncodeInts({1}));
        MakeDoc(1);
        ASSERT_TRUE(m_pDoc->OnNewDocument());
        EXPECT_TRUE(m_pDoc->IsDealPending()) << i;
        EXPECT_EQ(Fan(0), "3C KD 4S") << i;
        EXPECT_EQ(m_pDoc->GetWins(), 6);
        EXPECT_TRUE(m_pDoc->AreKingsAllowed());
        ExpectAllCardsOnce();
        m_pView.reset();
        m_pDoc.reset();
    }
}

TEST_F(SavedStateTest, ABrokenInitialLayoutDisablesStartOver) {
    StartAndDeal(3);
    CInitialRecord good = m_pDoc->GetInitialRecord();
    CloseDoc();
    CInitialRecord dup = good, slot50 = good;
    dup.m_nInitialSuit[1] = good.m_nInitialSuit[0];
    dup.m_nInitialRank[1] = good.m_nInitialRank[0];
    slot50.m_nInitialRank[50] = 4;
    for (const CInitialRecord& bad : {dup, slot50}) {
        Put("initial", bad.Encode());
        MakeDoc();
        ASSERT_TRUE(m_pDoc->OnNewDocument());
        EXPECT_FALSE(StartOverEnabled());
        std::string table = Table();
        m_pDoc->OnStartOver();
        EXPECT_EQ(Table(), table) << "Start Over does nothing";
        m_pView.reset();
        m_pDoc.reset();
    }
}

TEST_F(SavedStateTest, StartOverAfterARestartReturnsToThatGamesDeal) {
    StartAndDeal(3);
    CInitialRecord dealt = m_pDoc->GetInitialRecord();
    for (int f = 0; f < kFanCount; ++f)
        for (int t = 0; t < kPileCount; ++t)
            if (m_pDoc->CanMove(f, t) && m_pDoc->MoveCard(f, t)) {
                Idle();
                break;
            }
    Restart();
    ASSERT_TRUE(m_pDoc->OnNewDocument());
    EXPECT_TRUE(StartOverEnabled());
    m_pDoc->OnStartOver();
    for (int f = 0; f < kFanCount; ++f)
        for (int s = 0; s < 3; ++s) {
            int i = 3 * f + s;
            if (i == 50 || i == 53) {
                EXPECT_FALSE(m_pDoc->GetCard(f, s).HasCard());
                continue;
            }
            EXPECT_EQ(m_pDoc->GetCard(f, s).GetSuit(), dealt.m_nInitialSuit[i]);
            EXPECT_EQ(m_pDoc->GetCard(f, s).GetRank(), dealt.m_nInitialRank[i]);
        }
    EXPECT_EQ(m_pDoc->GetCardCount(16), 2);
    ExpectAllCardsOnce();
}

TEST_F(SavedStateTest, ARunThatOnlyOpenedAFileLeavesTheSavedGameAsItWas) {
    StartAndDeal(1);
    CloseDoc();
    std::vector<std::uint8_t> game = StoredValue(m_platform, "game");
    MakeDoc(2);
    ASSERT_TRUE(m_pDoc->OnOpenDocument("x.qnl"));
    m_pDoc->OnKings();
    CloseDoc();
    EXPECT_EQ(StoredValue(m_platform, "game"), game);
    EXPECT_EQ(StoredValue(m_platform, "expert"), (std::vector<std::uint8_t>{1, 0, 0, 0}));
    MakeDoc(2);
    ASSERT_TRUE(m_pDoc->OnNewDocument());
    EXPECT_FALSE(m_pDoc->IsDealPending()) << "the game saved before comes back";
    EXPECT_EQ(Fan(0).substr(0, 2), "3C");
}

TEST_F(SavedStateTest, WhenTheKeyCannotBeOpenedDefaultsHoldAndNothingIsWritten) {
    Put("scores", EncodeInts({5, 5}));
    m_platform.m_registry.m_bFailCreate = true;
    StartAndDeal();
    EXPECT_EQ(m_pDoc->GetWins(), 0);
    // A new game confirmed counts a loss, which cannot be written.
    m_platform.m_dialogScripts.push_back({IDD_NEWGAME, {kIdOk}});
    ASSERT_TRUE(m_pDoc->OnNewDocument());
    ASSERT_EQ(m_pDoc->GetLosses(), 1);
    CloseDoc();
    EXPECT_EQ(StoredValue(m_platform, "scores"), EncodeInts({5, 5}));
    EXPECT_TRUE(StoredValue(m_platform, "game").empty());
}

TEST_F(SavedStateTest, SavingNowStoresTheTableWithoutTouchingTheDocument) {
    StoreScores(0, 3);
    StartAndDeal(1);
    std::string table = Table();
    m_pDoc->SaveStateNow();
    EXPECT_FALSE(m_pDoc->HasSavedGame());
    EXPECT_EQ(IntAt(StoredValue(m_platform, "scores"), 4), 3);
    CSavedGameRecord stored;
    stored.Decode(StoredValue(m_platform, "game").data());
    EXPECT_EQ(stored.m_bSavedInProgress, 1);
    EXPECT_TRUE(stored.IsConsistent());
    EXPECT_EQ(Table(), table);
    m_pDoc->OnStartOver();
    ExpectAllCardsOnce();
    EXPECT_NE(m_pDoc->GetTopFace(0), nullptr) << "the deck's faces are still there";
}
