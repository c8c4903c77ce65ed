#include "ViewTestSupport.h"

#include "ViewGestureState.h"

namespace {
// One flight as the timeline shows it.
struct CFlightRecord {
    std::string card;
    std::string hotspot;
    std::string enter;
    std::vector<std::string> moves;
    std::vector<std::string> soundsBefore; // after the image appears, before it moves
    std::vector<std::string> soundsAfter;  // after the image is gone
    std::vector<std::string> blits;
    int nSleeps = 0;
};

class FlightTest : public ViewTest {
protected:
    std::vector<CFlightRecord> Flights() const {
        std::vector<CFlightRecord> flights;
        bool bEnded = false;
        for (const std::string& e : m_platform.m_timeline) {
            std::string kind = e.substr(0, e.find(' '));
            std::string rest = e.size() > kind.size() ? e.substr(kind.size() + 1) : "";
            if (kind == "begin") {
                CFlightRecord f;
                f.card = rest.substr(0, rest.find(' '));
                f.hotspot = rest.substr(rest.find(' ') + 1);
                flights.push_back(f);
                bEnded = false;
                continue;
            }
            if (flights.empty()) continue;
            CFlightRecord& f = flights.back();
            if (kind == "enter")
                f.enter = rest;
            else if (kind == "move")
                f.moves.push_back(rest);
            else if (kind == "sleep")
                ++f.nSleeps;
            else if (kind == "end")
                bEnded = true;
            else if (kind == "sound")
                (bEnded ? f.soundsAfter : f.soundsBefore).push_back(rest);
            else if (kind == "blit")
                f.blits.push_back(rest);
        }
        return flights;
    }
    std::string TopLeft(int nPile, int nSlot) const {
        return Str(CardRect(nPile, nSlot).TopLeft());
    }

    // A deal waiting for its animation, painted as it shows before the idle step.
    void PendingDeal(const std::map<int, std::string>& fixedFans) {
        m_pDoc->Deal();
        SetDealtTable(fixedFans);
        PaintAll();
        m_platform.m_timeline.clear();
    }
    void ExpectFixUpFlight(const CFlightRecord& f, const std::string& card, int nFan, int nFrom,
                           int nTo) {
        SCOPED_TRACE(card + " in fan " + std::to_string(nFan));
        EXPECT_EQ(f.card, card);
        EXPECT_EQ(f.hotspot, "0,0");
        EXPECT_EQ(f.enter, TopLeft(nFan, nFrom));
        // Fifteen steps; truncation toward zero may save one or cost one.
        EXPECT_GE(f.moves.size(), 14u);
        EXPECT_LE(f.moves.size(), 16u);
        EXPECT_EQ(f.moves.front(), TopLeft(nFan, nFrom));
        EXPECT_TRUE(f.soundsBefore.empty());
        EXPECT_EQ(f.soundsAfter, (std::vector<std::string>{"144 0x40007"}));
        EXPECT_EQ(f.blits, (std::vector<std::string>{card + " " + Str(CardRect(nFan, nTo))}));
    }
    void ExpectTableOnScreen() {
        EXPECT_EQ(Canvas(), Rendering()) << "the screen shows the fans as the document holds them";
        EXPECT_EQ(m_platform.m_nSleepsOutsideTimerPeriod, 0);
        EXPECT_EQ(m_platform.m_nTimerPeriodDepth, 0);
    }
};
} // namespace

TEST_F(FlightTest, AFlightShowsTheImageOnTheCardThenDrawsItAtTheTarget) {
    SetTable({"5D"});
    PaintAll();
    m_platform.m_timeline.clear();
    CRect rcSrc = m_pTable->GetDealPoint();
    EXPECT_EQ(rcSrc, CRect(198, 312, 258, 394));
    CRect rcDst = CardRect(0, 0);
    m_pTable->FlyCard(m_pDoc->GetCard(0, 0).GetFace(), rcSrc, rcDst, 5, FALSE);
    EXPECT_EQ(rcSrc, rcDst) << "the source is moved onto the target";
    std::vector<std::string> expected = {"begin 5D 0,0", "enter 198,312", "sound 196 0x40007"};
    for (const char* pos : {"198,312", "160,252", "122,192", "85,133", "47,73"}) {
        expected.push_back("sleep 1");
        expected.push_back(std::string("move ") + pos);
    }
    for (const char* e : {"end", "sound 0 0x0", "blit 5D 10,14,70,96"})
        expected.push_back(e);
    EXPECT_EQ(m_platform.m_timeline, expected);
    EXPECT_EQ(WhatFills(rcDst), "5D");
    EXPECT_EQ(m_platform.m_nSleepsOutsideTimerPeriod, 0);
}

TEST_F(FlightTest, AnArrivalFlightIsSilentUntilItEndsWithTheMoveSound) {
    SetTable({"5D"});
    CRect rcSrc = CardRect(0, 1);
    m_pTable->FlyCard(m_pDoc->GetCard(0, 0).GetFace(), rcSrc, CardRect(0, 0), 0, TRUE);
    std::vector<CFlightRecord> flights = Flights();
    ASSERT_EQ(flights.size(), 1u);
    EXPECT_TRUE(flights[0].soundsBefore.empty());
    EXPECT_EQ(flights[0].soundsAfter, (std::vector<std::string>{"144 0x40007"}));
    EXPECT_EQ(flights[0].moves, (std::vector<std::string>{"20,28", "15,21"})) << "two steps";
}

TEST_F(FlightTest, TheDealFliesAllCardsSlotBySlotFromTheDealPoint) {
    PendingDeal({});
    EXPECT_EQ(WhatFills(CRect(0, 0, 512, kViewHeight)), "cloth");
    m_pDoc->OnIdleUpdate();
    EXPECT_FALSE(m_pDoc->IsDealPending());
    std::vector<CFlightRecord> flights = Flights();
    ASSERT_EQ(flights.size(), 52u);
    int k = 0;
    for (int s = 0; s < kFanSlots; ++s) {
        for (int f = 0; f < (s < 2 ? kFanCount : 16); ++f, ++k) {
            const CFlightRecord& flight = flights[k];
            SCOPED_TRACE("flight " + std::to_string(k));
            const CCard& card = m_pDoc->GetCard(f, s);
            EXPECT_EQ(flight.card, CardCode(card.GetSuit(), card.GetRank()));
            EXPECT_EQ(flight.hotspot, "0,0");
            EXPECT_EQ(flight.enter, "198,312");
            EXPECT_EQ(flight.moves.front(), "198,312");
            EXPECT_NE(flight.moves.back(), TopLeft(f, s)) << "shown one step short";
            EXPECT_GE(flight.moves.size(), 5u);
            EXPECT_LE(flight.moves.size(), 6u);
            EXPECT_EQ(flight.nSleeps, static_cast<int>(flight.moves.size()));
            EXPECT_EQ(flight.soundsBefore, (std::vector<std::string>{"196 0x40007"}));
            EXPECT_EQ(flight.soundsAfter, (std::vector<std::string>{"0 0x0"})) << "cut off";
            EXPECT_EQ(flight.blits,
                      (std::vector<std::string>{flight.card + " " + Str(CardRect(f, s))}));
        }
    }
    EXPECT_TRUE(m_platform.Entries("sound 144").empty()) << "no move sound without a fix-up";
    ExpectTableOnScreen();
}

TEST_F(FlightTest, AKingAboveItsSuitInSlotTwoEndsInSlotZeroAfterTwoPasses) {
    PendingDeal({{2, "5H 9C KH"}});
    m_pDoc->OnIdleUpdate();
    EXPECT_EQ(Fan(2), "KH 5H 9C");
    std::vector<CFlightRecord> flights = Flights();
    ASSERT_EQ(flights.size(), 57u);
    ExpectFixUpFlight(flights[52], "KH", 2, 2, 1);
    ExpectFixUpFlight(flights[53], "9C", 2, 1, 2);
    ExpectFixUpFlight(flights[54], "KH", 2, 1, 0);
    ExpectFixUpFlight(flights[55], "5H", 2, 0, 1);
    ExpectFixUpFlight(flights[56], "9C", 2, 1, 2);
    ExpectTableOnScreen();
}

// Sleeps that each last 4 ms, whatever was asked, as on a system with a coarse timer: the deal
// still draws every step in the same order and ends within its nominal time and one sleep.
TEST_F(FlightTest, ACoarseTimerKeepsEveryStepAndTheDealsNominalTime) {
    const std::map<int, std::string> fans = {{2, "5H 9C KH"}};
    auto withoutSleeps = [this] {
        std::vector<std::string> drawn;
        for (const std::string& e : m_platform.m_timeline)
            if (e.compare(0, 5, "sleep") != 0) drawn.push_back(e);
        return drawn;
    };
    PendingDeal(fans);
    std::uint64_t nStartUs = m_platform.m_nClockUs;
    m_pDoc->OnIdleUpdate();
    const std::vector<std::string> exact = withoutSleeps();
    const std::uint64_t nNominalUs = m_platform.Entries("move").size() * 1000;
    EXPECT_EQ(m_platform.m_nClockUs - nStartUs, nNominalUs) << "exact sleeps: one ms a step";

    PendingDeal(fans);
    m_platform.m_nSleepLastsMs = 4;
    int nSleepsBefore = m_platform.m_nSleepCalls;
    nStartUs = m_platform.m_nClockUs;
    m_pDoc->OnIdleUpdate();
    EXPECT_EQ(withoutSleeps(), exact) << "every step drawn, sounds and stops in their order";
    EXPECT_GE(m_platform.m_nClockUs - nStartUs, nNominalUs) << "no step drawn before it is due";
    EXPECT_LE(m_platform.m_nClockUs - nStartUs, nNominalUs + 4000);
    EXPECT_LT(m_platform.m_nSleepCalls - nSleepsBefore, static_cast<int>(nNominalUs / 1000));
    ExpectTableOnScreen();
}

TEST_F(FlightTest, TwoCardFansExchangeWithoutAThirdFlight) {
    PendingDeal({{16, "3S KS"}, {17, "7D KD"}, {5, "4C KC 8H"}});
    m_pDoc->OnIdleUpdate();
    EXPECT_EQ(Fan(16), "KS 3S");
    EXPECT_EQ(Fan(17), "KD 7D");
    EXPECT_EQ(Fan(5), "KC 4C 8H");
    std::vector<CFlightRecord> flights = Flights();
    ASSERT_EQ(flights.size(), 52u + 3 + 2 + 2);
    ExpectFixUpFlight(flights[52], "KC", 5, 1, 0);
    ExpectFixUpFlight(flights[53], "4C", 5, 0, 1);
    ExpectFixUpFlight(flights[54], "8H", 5, 1, 2);
    ExpectFixUpFlight(flights[55], "KS", 16, 1, 0);
    ExpectFixUpFlight(flights[56], "3S", 16, 0, 1);
    ExpectFixUpFlight(flights[57], "KD", 17, 1, 0);
    ExpectFixUpFlight(flights[58], "7D", 17, 0, 1);
    ExpectTableOnScreen();
}

TEST_F(FlightTest, AFreshDealIsAnimatedOnceAndEndsWithoutKingsAboveTheirSuit) {
    m_pDoc->OnNewDocument();
    ASSERT_TRUE(m_pDoc->IsDealPending());
    PaintAll();
    m_platform.m_timeline.clear();
    m_pDoc->OnIdleUpdate();
    std::vector<CFlightRecord> flights = Flights();
    ASSERT_GE(flights.size(), 52u);
    EXPECT_EQ(m_platform.Entries("sound 196").size(), 52u);
    for (int f = 0; f < kFanCount; ++f) {
        for (int s = 1; s < kFanSlots; ++s) {
            if (m_pDoc->GetCard(f, s).GetRank() != kKing) continue;
            for (int b = 0; b < s; ++b)
                EXPECT_NE(m_pDoc->GetCard(f, b).GetSuit(), m_pDoc->GetCard(f, s).GetSuit())
                    << "fan " << f;
        }
    }
    ExpectTableOnScreen();
    m_platform.m_timeline.clear();
    m_pDoc->OnIdleUpdate();
    EXPECT_TRUE(Flights().empty()) << "the next idle pass animates nothing";
}

TEST_F(FlightTest, ADropNeverPlaysTheDealSound) {
    SetTable({"5C", "6S"});
    Click(Centre(CardRect(0, 0)));
    EXPECT_EQ(Fan(1), "6S 5C");
    EXPECT_EQ(m_platform.Entries("sound"), (std::vector<std::string>{"sound 144 0x40006"}));
}
