#include "SeedDeal.h"

#include "KingFixup.h"
#include "Platform.h"
#include "QuenlowDoc.h"

namespace {
// Just enough of a platform for a document to deal: the clock reads the seed, and there are
// no resources, settings, views or sounds (the deal needs none of them).
class CSeedPlatform : public IPlatform {
public:
    explicit CSeedPlatform(std::uint32_t nSeed) : m_nSeed(nSeed) {}
    long RegCreateKey(RegRoot, const std::string&, const char*, RegKey* pKey) override {
        *pKey = 0;
        return kRegFileNotFound;
    }
    long RegQueryValue(RegKey, const char*, unsigned*, void*, unsigned*) override {
        return kRegFileNotFound;
    }
    long RegSetValue(RegKey, const char*, unsigned, const void*, unsigned) override {
        return kRegFileNotFound;
    }
    long RegCloseKey(RegKey) override { return kRegOk; }
    BOOL PlaySound(int, unsigned) override { return FALSE; }
    PlatformHandle LoadBitmap(int, int*, int*) override { return 0; }
    void DeleteBitmap(PlatformHandle) override {}
    PlatformHandle LoadCursor(int) override { return 0; }
    PlatformHandle LoadArrowCursor() override { return 0; }
    void SetCursor(PlatformHandle) override {}
    PlatformHandle GetCursor() override { return 0; }
    std::unique_ptr<IDrawContext> GetClientDC(WindowRef) override { return nullptr; }
    void InvalidateRect(WindowRef, const CRect*, BOOL) override {}
    PlatformHandle ImageListCreate(int, int, int) override { return 0; }
    BOOL ImageListAdd(PlatformHandle, const CBitmap&) override { return FALSE; }
    BOOL ImageListReplace(PlatformHandle, int, const CBitmap&) override { return FALSE; }
    BOOL BeginDrag(PlatformHandle, int, CPoint) override { return FALSE; }
    BOOL DragEnter(WindowRef, CPoint) override { return FALSE; }
    BOOL DragMove(CPoint) override { return FALSE; }
    void EndDrag() override {}
    void SetCapture(WindowRef) override {}
    void ReleaseCapture() override {}
    WindowRef GetCapture() override { return 0; }
    std::uint32_t GetTimeSeconds() override { return m_nSeed; }
    void Sleep(unsigned) override {}
    void BeginTimerPeriod() override {}
    void EndTimerPeriod() override {}
    void SetStatusText(const std::string&) override {}
    int DoModal(CDialog&) override { return kDialogFailed; }

private:
    std::uint32_t m_nSeed;
};
} // namespace

CPosition MakeSeedPosition(std::uint32_t nSeed, bool bKingsAllowed) {
    CSeedPlatform platform(nSeed);
    CQuenlowDoc doc(platform);
    doc.Deal();
    FixUpKings(doc.m_fan, nullptr);
    CPosition position;
    position.m_bKingsAllowed = bKingsAllowed;
    for (int f = 0; f < kSolverFans; ++f) {
        for (int s = 0; s < doc.GetCardCount(f); ++s) {
            const CCard& card = doc.m_fan[f][s];
            position.m_fan[f].push_back(CardId(card.GetSuit(), card.GetRank()));
        }
    }
    return position;
}
