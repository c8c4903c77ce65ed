#include "ArtSet.h"

#include "AviFile.h"
#include "BitmapFile.h"
#include "CardFace.h"
#include "Cursors.h"
#include "Icons.h"
#include "Pictures.h"
#include "SetupArt.h"
#include "Sounds.h"
#include "resource.h"

int FaceResourceId(CSuit suit, int nRank) {
    static const int kAce[] = {IDB_CLUBS_ACE, IDB_HEARTS_ACE, IDB_SPADES_ACE, IDB_DIAMONDS_ACE};
    static const int kTwo[] = {IDB_CLUBS_TWO, IDB_HEARTS_TWO, IDB_SPADES_TWO, IDB_DIAMONDS_TWO};
    const int s = static_cast<int>(suit);
    return nRank == 1 ? kAce[s] : kTwo[s] + nRank - 2;
}

int EmptyFoundationResourceId(CSuit suit) {
    switch (suit) {
    case CSuit::Clubs:
        return IDB_EMPTY_CLUBS;
    case CSuit::Hearts:
        return IDB_EMPTY_HEARTS;
    case CSuit::Spades:
        return IDB_EMPTY_SPADES;
    case CSuit::Diamonds:
        break;
    }
    return IDB_EMPTY_DIAMONDS;
}

namespace {
void Write(const std::string& folder, const std::string& name,
           const std::vector<std::uint8_t>& bytes) {
    WriteFileBytes(folder + "/" + name, bytes);
}

std::string Id(int n) {
    return std::to_string(n);
}
} // namespace

void WriteArtSet(const std::string& folder) {
    const CSuit suits[] = {CSuit::Clubs, CSuit::Hearts, CSuit::Spades, CSuit::Diamonds};
    for (CSuit suit : suits) {
        for (int rank = 1; rank <= 13; ++rank)
            Write(folder, Id(FaceResourceId(suit, rank)) + ".bmp",
                  EncodeBmp4(CardFace(suit, rank)));
        Write(folder, Id(EmptyFoundationResourceId(suit)) + ".bmp",
              EncodeBmp4(EmptyFoundation(suit)));
    }
    Write(folder, Id(IDB_PATTERN) + ".bmp", EncodeBmp4(TablePattern()));
    Write(folder, Id(IDR_MAINFRAME) + ".bmp", EncodeBmp4(ToolbarStrip()));
    Write(folder, Id(IDB_ABOUT) + ".bmp", EncodeBmp4(AboutPicture()));

    Write(folder, Id(IDC_OPENHAND) + ".cur", EncodeCursor(OpenHandCursor()));
    Write(folder, Id(IDC_CLOSEDHAND) + ".cur", EncodeCursor(ClosedHandCursor()));
    Write(folder, Id(IDC_CONTEXTHELP) + ".cur", EncodeCursor(ContextHelpCursor()));
    Write(folder, Id(IDR_MAINFRAME) + ".ico", EncodeIcon(ProgramIcon()));
    Write(folder, Id(IDR_QUENLOWTYPE) + ".ico", EncodeIcon(DocumentIcon()));

    Write(folder, Id(IDW_CARD_DOWN) + ".wav", EncodeWave(CardDownSound()));
    Write(folder, Id(IDW_DEAL) + ".wav", EncodeWave(DealSound()));
    Write(folder, Id(IDW_WIN) + ".wav", EncodeWave(WinSound()));

    Write(folder, "setup.ico", EncodeIcon(SetupIcon()));
    Write(folder, "setup.bmp", EncodeBmp4(SetupBanner()));
    Write(folder, "setup.avi", EncodeAvi(SetupAnimation(), kAnimationFrameMicroseconds));
}
