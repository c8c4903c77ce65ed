#include "ViewTestSupport.h"

namespace {
class DropTest : public ViewTest {
protected:
    // Fans by number; every other fan empty.
    void Lay(const std::map<int, std::string>& fans, const std::vector<std::string>& tops = {}) {
        std::vector<std::string> all(kFanCount);
        for (const auto& entry : fans)
            all[entry.first] = entry.second;
        SetTable(all, tops);
    }
    int Resolve(int nFrom, int nTarget) const { return m_pTable->ResolveDrop(nFrom, nTarget); }
};
} // namespace

TEST_F(DropTest, ALegalTargetWinsWhateverTheSearchWouldFind) {
    Lay({{8, "5C"}, {10, "6D"}, {9, "4H"}}, {"4C"});
    EXPECT_EQ(Resolve(8, 10), 10);
    EXPECT_EQ(Resolve(8, kPileClubs), kPileClubs);
}

TEST_F(DropTest, OutsideEveryAreaTheCardGoesBackWithoutASearch) {
    Lay({{8, "5C"}, {0, "6D"}}, {"4C"});
    EXPECT_EQ(Resolve(8, -1), 8);
}

TEST_F(DropTest, MovingRightTheWalkGoesOnPastTheTarget) {
    // Fan 8 on an illegal fan 10: the walk tests 9, 10, 11, 11, 11.
    Lay({{8, "5C"}, {10, "9D"}, {9, "JH"}, {11, "4H"}, {3, "6S"}});
    EXPECT_EQ(Resolve(8, 10), 11) << "the walk's find, not the sweep's lowest fan 3";
}

TEST_F(DropTest, MovingRightALegalFoundationReplacesTheWalksFan) {
    Lay({{8, "5C"}, {10, "9D"}, {11, "4H"}}, {"4C"});
    EXPECT_EQ(Resolve(8, 10), kPileClubs);
}

TEST_F(DropTest, MovingRightTheWalkStaysInTheLastColumn) {
    // Fan 10 on an illegal fan 11: the walk never reaches 12 or 13, so the sweep decides.
    Lay({{10, "5C"}, {11, "9D"}, {13, "6S"}, {2, "4H"}});
    EXPECT_EQ(Resolve(10, 11), 2);
    Lay({{10, "5C"}, {11, "9D"}, {13, "6S"}});
    EXPECT_EQ(Resolve(10, 11), 13) << "found by the final sweep";
}

TEST_F(DropTest, MovingLeftAndUpTheWalkStopsBelowFanZero) {
    // Fan 14 on an illegal fan 1: the walk tests 7 and 0, then nothing; no foundation step.
    Lay({{14, "5C"}, {1, "9D"}, {7, "6H"}, {0, "4S"}, {2, "6D"}});
    EXPECT_EQ(Resolve(14, 1), 7);
    Lay({{14, "5C"}, {1, "9D"}, {7, "9H"}, {0, "4S"}, {2, "6D"}});
    EXPECT_EQ(Resolve(14, 1), 0);
    // Nothing on the walk: the sweep takes the lowest fan before any foundation, and the
    // steps below fan 0 must not wrap round to fan 5.
    Lay({{14, "5C"}, {1, "9D"}, {7, "9H"}, {0, "JS"}, {3, "6D"}, {5, "4D"}}, {"4C"});
    EXPECT_EQ(Resolve(14, 1), 3);
}

TEST_F(DropTest, MovingLeftFromColumnZeroTheRowCorrectionWrapsToColumnFive) {
    // Fan 2 on an illegal fan 0: the walk tests 1, 0, then 5 (from -1), 4, 3.
    Lay({{2, "5C"}, {0, "9D"}, {1, "JS"}, {3, "6D"}, {5, "4H"}});
    EXPECT_EQ(Resolve(2, 0), 5);
}

TEST_F(DropTest, AClickTriesFoundationsThenTheLowestFanThenGoesBack) {
    Lay({{4, "AH"}, {2, "2D"}});
    EXPECT_EQ(Resolve(4, 4), kPileHearts);
    Lay({{4, "5C"}, {9, "4S"}, {2, "6D"}});
    EXPECT_EQ(Resolve(4, 4), 2);
    Lay({{4, "5C"}, {9, "8S"}, {2, "KD"}});
    EXPECT_EQ(Resolve(4, 4), 4);
}

TEST_F(DropTest, AnIllegalFoundationTriesTheOtherThreeFirst) {
    Lay({{5, "AD"}, {0, "2C"}});
    EXPECT_EQ(Resolve(5, kPileHearts), kPileDiamonds);
    // No foundation takes it: the walk runs (left and down from fan 5 towards the fourth row).
    Lay({{5, "8D"}, {0, "9C"}, {10, "7C"}});
    EXPECT_EQ(Resolve(5, kPileHearts), 10);
}

TEST_F(DropTest, NothingLegalReturnsTheSource) {
    Lay({{8, "5C"}, {10, "9D"}, {11, "JH"}});
    EXPECT_EQ(Resolve(8, 10), 8);
    EXPECT_EQ(Resolve(8, kPileSpades), 8);
}

TEST_F(DropTest, FanAreasOverlapAndTheLowerPileWins) {
    for (int f = 0; f < kFanCount; ++f)
        EXPECT_EQ(m_pTable->DropTarget(Centre(CardRect(f, 0))), f);
    // Fan 1's bottom card starts at x = 94; fan 0's area reaches to x = 100.
    EXPECT_EQ(m_pTable->DropTarget(CPoint(94, 50)), 0);
    EXPECT_EQ(m_pTable->DropTarget(CPoint(99, 50)), 0);
    EXPECT_EQ(m_pTable->DropTarget(CPoint(100, 50)), 1);
    // Fan 0's area reaches down to y = 138; fan 6's begins at 124.
    EXPECT_EQ(m_pTable->DropTarget(CPoint(40, 124)), 0);
    EXPECT_EQ(m_pTable->DropTarget(CPoint(40, 137)), 0);
    EXPECT_EQ(m_pTable->DropTarget(CPoint(40, 138)), 6);
    // The margins: 10 pixels left, 14 above, left and top edges inside, right and bottom not.
    EXPECT_EQ(m_pTable->DropTarget(CPoint(0, 0)), 0);
    EXPECT_EQ(m_pTable->DropTarget(CPoint(40, 385)), 12);
    EXPECT_EQ(m_pTable->DropTarget(CPoint(40, 386)), -1);
}

TEST_F(DropTest, FansComeBeforeFoundationsAndFoundationsHaveMargins) {
    // Fan 5's area reaches to x = 520, the Hearts area starts at 512.
    EXPECT_EQ(m_pTable->DropTarget(CPoint(515, 50)), 5);
    EXPECT_EQ(m_pTable->DropTarget(CPoint(520, 50)), kPileHearts);
    EXPECT_EQ(m_pTable->DropTarget(CPoint(591, 4)), kPileHearts);
    EXPECT_EQ(m_pTable->DropTarget(CPoint(592, 50)), -1);
    EXPECT_EQ(m_pTable->DropTarget(CPoint(550, 3)), -1);
    // Hearts reaches down to 114, Clubs starts at 97: the lower pile wins.
    EXPECT_EQ(m_pTable->DropTarget(CPoint(550, 105)), kPileHearts);
    EXPECT_EQ(m_pTable->DropTarget(CPoint(550, 114)), kPileClubs);
    EXPECT_EQ(m_pTable->DropTarget(CPoint(550, 250)), kPileDiamonds);
    EXPECT_EQ(m_pTable->DropTarget(CPoint(550, 392)), kPileSpades);
    EXPECT_EQ(m_pTable->DropTarget(CPoint(550, 393)), -1);
}
