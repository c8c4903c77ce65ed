// What the solver prints, the batch's sums, and its command line.
#include "BatchRunner.h"
#include "CommandLine.h"
#include "SolveOutput.h"
#include "SolverTestSupport.h"

#include <gtest/gtest.h>

namespace {
CSolverMove Move(int nFrom, int nTo, const char* pCode) {
    int nSuit = 0;
    int nRank = 0;
    EXPECT_TRUE(ParseCardCode(pCode, nSuit, nRank));
    return CSolverMove{static_cast<std::uint8_t>(nFrom), static_cast<std::uint8_t>(nTo),
                       static_cast<std::uint8_t>(CardId(nSuit, nRank))};
}

bool Parse(std::vector<const char*> args, CCommandLine& line, std::string& error) {
    args.insert(args.begin(), "quenlow-solve");
    line = CCommandLine();
    error.clear();
    return ParseCommandLine(static_cast<int>(args.size()), args.data(), line, error);
}

CDealOutcome Outcome(SolveResult result, double dSeconds, int nMoves = 0) {
    CDealOutcome o;
    o.m_result = result;
    o.m_dSeconds = dSeconds;
    o.m_nMoves = nMoves;
    o.m_nStates = 10;
    return o;
}
} // namespace

TEST(OutputTest, MovesAreWrittenInPlainWordsWithFansFromOne) {
    EXPECT_EQ(DescribeMove(Move(3, 8, "7H")), "Seven of Hearts: fan 4 -> fan 9");
    EXPECT_EQ(DescribeMove(Move(1, kToHome, "AS")), "Ace of Spades: fan 2 -> Spades");
    EXPECT_EQ(DescribeMove(Move(17, 0, "KD")), "King of Diamonds: fan 18 -> fan 1");
}

TEST(OutputTest, ReportsSayTheAnswerAndNumberTheMoves) {
    CSolveReport won;
    won.m_result = SolveResult::Winnable;
    won.m_moves = {Move(3, 8, "7H"), Move(1, kToHome, "AS")};
    std::string text = FormatReportText(won);
    EXPECT_EQ(text.rfind("winnable in 2 moves\n1. Seven of Hearts: fan 4 -> fan 9\n"
                         "2. Ace of Spades: fan 2 -> Spades\n",
                         0),
              0u)
        << text;
    EXPECT_EQ(
        FormatReportJson(won, true).rfind("{\"result\":\"winnable\",\"kingsAllowed\":true,", 0),
        0u);
    EXPECT_NE(FormatReportJson(won, true).find("{\"card\":\"AS\",\"from\":2,\"to\":\"Spades\","),
              std::string::npos);
    CSolveReport lost;
    lost.m_result = SolveResult::NotWinnable;
    EXPECT_EQ(FormatReportText(lost).rfind("not winnable", 0), 0u);
    EXPECT_EQ(FormatReportJson(lost, false).find("\"moves\""), std::string::npos);
    CSolveReport open;
    open.m_strLimit = "time limit";
    EXPECT_EQ(FormatReportText(open).rfind("undecided: time limit reached", 0), 0u);
    EXPECT_NE(FormatReportJson(open, false).find("\"limit\":\"time limit\""), std::string::npos);
    EXPECT_EQ(ExitCodeOf(SolveResult::Winnable), 0);
    EXPECT_EQ(ExitCodeOf(SolveResult::NotWinnable), 1);
    EXPECT_EQ(ExitCodeOf(SolveResult::Undecided), 3);
}

TEST(OutputTest, WilsonIntervalsMatchKnownValues) {
    double lo = 0;
    double hi = 0;
    WilsonInterval(50, 100, lo, hi);
    EXPECT_NEAR(lo, 0.4038, 1e-4);
    EXPECT_NEAR(hi, 0.5962, 1e-4);
    WilsonInterval(0, 10, lo, hi);
    EXPECT_NEAR(lo, 0.0, 1e-9);
    EXPECT_NEAR(hi, 0.2775, 1e-4);
    WilsonInterval(812, 1000, lo, hi);
    EXPECT_NEAR(lo, 0.7867, 1e-4);
    EXPECT_NEAR(hi, 0.8350, 1e-4);
}

TEST(OutputTest, BatchSumsCountUndecidedDealsAsUnknown) {
    std::vector<CDealOutcome> outcomes;
    for (int i = 0; i < 6; ++i)
        outcomes.push_back(Outcome(SolveResult::Winnable, 0.001 * (i + 1), 100 + 10 * i));
    outcomes.push_back(Outcome(SolveResult::NotWinnable, 0.5));
    outcomes.push_back(Outcome(SolveResult::NotWinnable, 2));
    outcomes.push_back(Outcome(SolveResult::Undecided, 10));
    outcomes.push_back(Outcome(SolveResult::Undecided, 10));
    CBatchSummary s = Summarise(outcomes);
    EXPECT_EQ(s.m_nWinnable, 6u);
    EXPECT_EQ(s.m_nNotWinnable, 2u);
    EXPECT_EQ(s.m_nUndecided, 2u);
    EXPECT_DOUBLE_EQ(s.m_dWinRate, 0.75);
    double lo = 0;
    double hi = 0;
    double unused = 0;
    WilsonInterval(6, 10, lo, unused);
    WilsonInterval(8, 10, unused, hi);
    EXPECT_DOUBLE_EQ(s.m_dLow, lo);
    EXPECT_DOUBLE_EQ(s.m_dHigh, hi);
    EXPECT_DOUBLE_EQ(s.m_dMedianSeconds, 0.005);
    EXPECT_DOUBLE_EQ(s.m_dP90Seconds, 10);
    EXPECT_DOUBLE_EQ(s.m_dMaxSeconds, 10);
    EXPECT_DOUBLE_EQ(s.m_dDecidedWithin[0], 0.6);
    EXPECT_DOUBLE_EQ(s.m_dDecidedWithin[1], 0.7);
    EXPECT_DOUBLE_EQ(s.m_dDecidedWithin[2], 0.8);
    EXPECT_DOUBLE_EQ(s.m_dMeanMoves, 125);
    EXPECT_EQ(s.m_nMaxMoves, 150);
    std::string csv = FormatCsv(outcomes);
    EXPECT_EQ(csv.rfind("seed,result,moves,states,seconds\n0,winnable,100,10,0.001000\n", 0), 0u);
    EXPECT_NE(csv.find("0,not winnable,0,10,2.000000\n"), std::string::npos);
}

TEST(OutputTest, CommandLinesAreReadOrRefused) {
    CCommandLine line;
    std::string error;
    ASSERT_TRUE(Parse({"--seed", "4294967295", "--kings", "--json"}, line, error)) << error;
    EXPECT_EQ(line.m_input, InputKind::Seed);
    EXPECT_EQ(line.m_nSeed, 4294967295u);
    EXPECT_EQ(line.m_nKings, 1);
    EXPECT_TRUE(line.m_bJson);
    ASSERT_TRUE(Parse({"--batch", "5", "9", "--threads", "2", "--csv", "x.csv", "--max-seconds",
                       "0.5", "--cpu-time", "--max-states", "1000"},
                      line, error))
        << error;
    EXPECT_EQ(line.m_nFrom, 5u);
    EXPECT_EQ(line.m_nTo, 9u);
    EXPECT_EQ(line.m_nThreads, 2);
    EXPECT_DOUBLE_EQ(line.m_limits.m_dMaxSeconds, 0.5);
    EXPECT_TRUE(line.m_limits.m_bCpuTime);
    EXPECT_EQ(line.m_limits.m_nMaxStates, 1000u);
    ASSERT_TRUE(Parse({"--registry", "game.reg", "--no-kings", "--max-memory", "64", "--one-try"},
                      line, error));
    EXPECT_EQ(line.m_nKings, 0);
    EXPECT_EQ(line.m_limits.m_nFirstBudget, 0u);
    EXPECT_EQ(line.m_nMaxBytes, std::size_t(64) << 20);
    EXPECT_FALSE(Parse({}, line, error));
    EXPECT_FALSE(Parse({"--seed", "-1"}, line, error));
    EXPECT_FALSE(Parse({"--seed", "4294967296"}, line, error));
    EXPECT_FALSE(Parse({"--seed", "1", "--position", "x"}, line, error));
    EXPECT_FALSE(Parse({"--batch", "9", "5"}, line, error));
    EXPECT_FALSE(Parse({"--seed", "1", "--threads", "2"}, line, error));
    EXPECT_FALSE(Parse({"--seed", "1", "--max-seconds", "0"}, line, error));
    EXPECT_FALSE(Parse({"--seed", "1", "--frobnicate"}, line, error));
    EXPECT_NE(error.find("--frobnicate"), std::string::npos);
}
