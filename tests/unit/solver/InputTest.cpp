// Tables read from text and from the game's saved record; bad input is refused with a
// message, never a crash.
#include "DealPrinter.h"
#include "PositionText.h"
#include "RegistryInput.h"
#include "SavedRecords.h"
#include "SeedDeal.h"
#include "SolverTestSupport.h"

#include <gtest/gtest.h>

namespace {
std::string SeedText(std::uint32_t nSeed) {
    return FormatPosition(MakeDealReport(nSeed));
}

std::string ParseError(const std::string& text) {
    CPosition position;
    std::string error;
    EXPECT_FALSE(ParsePositionText(text, position, error)) << text;
    return error;
}

bool SamePosition(const CPosition& a, const CPosition& b) {
    for (int f = 0; f < kSolverFans; ++f)
        if (a.m_fan[f] != b.m_fan[f]) return false;
    for (int s = 0; s < 4; ++s)
        if (a.m_nHome[s] != b.m_nHome[s]) return false;
    return true;
}

// The saved record of a table, as the game writes it at exit.
CSavedGameRecord RecordOf(const CPosition& position) {
    CSavedGameRecord record;
    record.m_bSavedGame = 1;
    record.m_bSavedInProgress = 1;
    for (int f = 0; f < kSolverFans; ++f) {
        for (int s = 0; s < 3; ++s) {
            bool bHas = s < static_cast<int>(position.m_fan[f].size());
            record.m_nSavedSuit[3 * f + s] = bHas ? CardSuit(position.m_fan[f][s]) : -1;
            record.m_nSavedRank[3 * f + s] = bHas ? CardRank(position.m_fan[f][s]) : -1;
        }
    }
    const int kSuits[4] = {0, 3, 2, 1};
    for (int i = 0; i < 4; ++i) {
        int nRank = position.m_nHome[kSuits[i]];
        record.m_nSavedFoundation[i][0] = nRank ? kSuits[i] : -1;
        record.m_nSavedFoundation[i][1] = nRank ? nRank : -1;
    }
    return record;
}

std::string RegText(const std::vector<std::uint8_t>& bytes, const char* pExpert) {
    std::string text = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Halvane\\Quenlow\\1.0]\r\n";
    text += std::string("\"expert\"=hex:") + pExpert + "\r\n\"game\"=hex:";
    for (size_t i = 0; i < bytes.size(); ++i) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02x", bytes[i]);
        text += std::string(i ? "," : "") + (i % 25 == 24 ? "\\\r\n  " : "") + hex;
    }
    return text + "\r\n\r\n";
}

std::vector<std::uint8_t> Utf16(const std::string& text) {
    std::vector<std::uint8_t> out{0xff, 0xfe};
    for (char c : text) {
        out.push_back(static_cast<std::uint8_t>(c));
        out.push_back(0);
    }
    return out;
}

std::string RegistryError(const std::vector<std::uint8_t>& bytes) {
    CRegistryGame game;
    std::string error;
    EXPECT_FALSE(ReadRegistryGame(bytes, game, error));
    return error;
}
} // namespace

TEST(InputTest, QuenlowDealPositionsReadBackAsTheSeedsDeals) {
    for (std::uint32_t nSeed : {0u, 1u, 77u, 4294967295u}) {
        CPosition position;
        std::string error;
        ASSERT_TRUE(ParsePositionText(SeedText(nSeed), position, error)) << error;
        EXPECT_TRUE(SamePosition(position, MakeSeedPosition(nSeed, false))) << nSeed;
        EXPECT_EQ(FormatPositionText(position), SeedText(nSeed));
    }
}

TEST(InputTest, TablesWithFoundationsAndEmptyFansRoundTrip) {
    std::mt19937 rng(41);
    for (int i = 0; i < 50; ++i) {
        CPosition position = RandomPosition(rng, 1 + static_cast<int>(rng() % 52), 18, false);
        CPosition parsed;
        std::string error;
        ASSERT_TRUE(ParsePositionText("# a comment\n\n" + FormatPositionText(position) + "\n",
                                      parsed, error))
            << error;
        EXPECT_TRUE(SamePosition(parsed, position));
    }
}

TEST(InputTest, BadPositionsAreRefusedWithTheReason) {
    std::string good = SeedText(5);
    std::string swapped = good;
    swapped.replace(0, 2, "ZZ");
    EXPECT_NE(ParseError(swapped).find("unknown card 'ZZ'"), std::string::npos);
    std::string duplicate = good;
    duplicate.replace(0, 2, good.substr(3, 2));
    EXPECT_NE(ParseError(duplicate).find("duplicate card"), std::string::npos);
    std::string missing = good;
    missing.replace(missing.find("\n") - 3, 3, "");
    EXPECT_NE(ParseError(missing).find("card count 51, not 52"), std::string::npos);
    std::string crowded = good;
    crowded.insert(crowded.find("\n"), " 2C");
    EXPECT_NE(ParseError(crowded).find("line 1: a fan holds at most three cards"),
              std::string::npos);
    EXPECT_NE(
        ParseError(good.substr(0, good.find("foundations"))).find("foundations line is missing"),
        std::string::npos);
    size_t nThird = 0;
    for (int k = 0; k < 3; ++k)
        nThird = good.find('\n', nThird) + 1;
    EXPECT_NE(ParseError(good.substr(0, nThird) + "foundations C:- D:- S:- H:-\n")
                  .find("line 4: only 3 fans"),
              std::string::npos);
    std::string badRank = good;
    badRank.replace(badRank.find("C:-"), 3, "C:X");
    EXPECT_NE(ParseError(badRank).find("unknown rank"), std::string::npos);
    EXPECT_NE(ParseError(good + "9H\n").find("nothing may follow"), std::string::npos);
}

TEST(InputTest, TruncatedOrMangledTextNeverCrashes) {
    std::string good = SeedText(9);
    std::mt19937 rng(42);
    for (size_t n = 0; n < good.size(); n += 7) {
        CPosition position;
        std::string error;
        EXPECT_FALSE(ParsePositionText(good.substr(0, n), position, error));
        EXPECT_FALSE(error.empty());
    }
    for (int i = 0; i < 2000; ++i) {
        std::string text = good;
        for (int k = 0; k < 3; ++k)
            text[rng() % text.size()] = static_cast<char>(rng() % 256);
        CPosition position;
        std::string error;
        if (ParsePositionText(text, position, error))
            EXPECT_EQ(CheckPosition(position), "");
        else
            EXPECT_FALSE(error.empty());
    }
}

TEST(InputTest, SavedGamesReadFromRawBytesAndBothRegFileForms) {
    std::mt19937 rng(43);
    CPosition position = RandomPosition(rng, 30, 14, false);
    std::vector<std::uint8_t> bytes = RecordOf(position).Encode();
    CRegistryGame game;
    std::string error;
    ASSERT_TRUE(ReadRegistryGame(bytes, game, error)) << error;
    EXPECT_TRUE(SamePosition(game.m_position, position));
    EXPECT_FALSE(game.m_bHasKingsOption);

    std::string reg = RegText(bytes, "01,00,00,00");
    ASSERT_TRUE(ReadRegistryGame(std::vector<std::uint8_t>(reg.begin(), reg.end()), game, error))
        << error;
    EXPECT_TRUE(SamePosition(game.m_position, position));
    EXPECT_TRUE(game.m_bHasKingsOption && game.m_bKingsAllowed);

    std::string v5 = RegText(bytes, "00,00,00,00");
    v5.replace(0, 8, "Windows Registry Editor Version 5.00");
    ASSERT_TRUE(ReadRegistryGame(Utf16(v5), game, error)) << error;
    EXPECT_TRUE(SamePosition(game.m_position, position));
    EXPECT_TRUE(game.m_bHasKingsOption && !game.m_bKingsAllowed);
}

TEST(InputTest, MalformedRecordsAreRefusedWithTheReason) {
    CSavedGameRecord record = RecordOf(MakeSeedPosition(3, false));
    std::vector<std::uint8_t> bytes = record.Encode();
    EXPECT_NE(RegistryError({bytes.begin(), bytes.end() - 4}).find("468 bytes, not 472"),
              std::string::npos);
    CSavedGameRecord duplicate = record;
    duplicate.m_nSavedSuit[0] = duplicate.m_nSavedSuit[1];
    duplicate.m_nSavedRank[0] = duplicate.m_nSavedRank[1];
    EXPECT_NE(RegistryError(duplicate.Encode()).find("duplicate card"), std::string::npos);
    CSavedGameRecord unknown = record;
    unknown.m_nSavedRank[4] = 14;
    EXPECT_NE(RegistryError(unknown.Encode()).find("no such card"), std::string::npos);
    CSavedGameRecord gap = record;
    gap.m_nSavedSuit[0] = gap.m_nSavedRank[0] = -1;
    EXPECT_NE(RegistryError(gap.Encode()).find("above an empty place"), std::string::npos);
    CSavedGameRecord short51 = record;
    short51.m_nSavedSuit[2] = short51.m_nSavedRank[2] = -1;
    EXPECT_NE(RegistryError(short51.Encode()).find("card count 51"), std::string::npos);
    CSavedGameRecord wrongSuit = record;
    wrongSuit.m_nSavedFoundation[0][0] = 1;
    wrongSuit.m_nSavedFoundation[0][1] = 1;
    EXPECT_NE(RegistryError(wrongSuit.Encode()).find("Clubs foundation"), std::string::npos);
    std::string noGame = "REGEDIT4\n[HKEY_CURRENT_USER\\x]\n\"expert\"=hex:01,00,00,00\n";
    EXPECT_NE(RegistryError({noGame.begin(), noGame.end()}).find("no \"game\" value"),
              std::string::npos);
    std::string badHex = RegText(bytes, "00,00,00,00");
    badHex.replace(badHex.find("\"game\"=hex:") + 11, 2, "g1");
    EXPECT_NE(RegistryError({badHex.begin(), badHex.end()}).find("bad byte"), std::string::npos);
}

TEST(InputTest, TruncatedOrCorruptedRecordsNeverCrash) {
    std::vector<std::uint8_t> bytes = RecordOf(MakeSeedPosition(4, false)).Encode();
    std::string reg = RegText(bytes, "00,00,00,00");
    std::mt19937 rng(44);
    // Cut anywhere before the last byte of the value, the export is refused.
    size_t nEnd = reg.rfind(",00") + 1;
    for (size_t n = 0; n < nEnd; n += 7)
        RegistryError({reg.begin(), reg.begin() + n});
    for (int i = 0; i < 3000; ++i) {
        std::vector<std::uint8_t> raw = bytes;
        std::vector<std::uint8_t> text(reg.begin(), reg.end());
        std::vector<std::uint8_t>& victim = i % 2 ? raw : text;
        for (int k = 0; k < 1 + i % 4; ++k)
            victim[rng() % victim.size()] = static_cast<std::uint8_t>(rng());
        CRegistryGame game;
        std::string error;
        if (ReadRegistryGame(victim, game, error))
            EXPECT_EQ(CheckPosition(game.m_position), "");
        else
            EXPECT_EQ(error.compare(0, 16, "malformed record"), 0) << error;
    }
}
