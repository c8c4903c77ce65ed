// The platform services in memory: a settings store, an RGB canvas per view, and recorders of
// sounds, cursors, drag-image moves, sleeps, status texts and dialogs, with scripted answers.
#pragma once

#include "HeadlessCanvas.h"
#include "HeadlessRegistry.h"
#include "Platform.h"

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

struct CSoundCall {
    int nResourceId;
    unsigned nFlags;
    bool operator==(const CSoundCall& o) const {
        return nResourceId == o.nResourceId && nFlags == o.nFlags;
    }
};

struct CInvalidation {
    WindowRef hView;
    bool bWhole; // the whole client area
    CRect rc;
    BOOL bErase;
};

enum class DragEventKind { Begin, Enter, Move, End };

struct CDragEvent {
    DragEventKind kind;
    CPoint pt;             // Enter and Move: client position; Begin: the hot spot
    PlatformHandle hImage; // the bitmap shown (Begin)
};

struct CAccessibleEventRecord {
    WindowRef hView;
    EAccessibleEvent event;
    int nChild;
};

// The buttons a dialog's user presses, in order; the dialog is matched by its template.
struct CDialogScript {
    int nTemplateId;
    std::vector<int> buttons;
};

class CHeadlessPlatform : public IPlatform {
public:
    CHeadlessPlatform();

    long RegCreateKey(RegRoot root, const std::string& subKey, const char* className,
                      RegKey* pKey) override;
    long RegQueryValue(RegKey key, const char* name, unsigned* pType, void* pData,
                       unsigned* pcbData) override;
    long RegSetValue(RegKey key, const char* name, unsigned type, const void* pData,
                     unsigned cbData) override;
    long RegCloseKey(RegKey key) override;
    BOOL PlaySound(int nResourceId, unsigned nFlags) override;
    PlatformHandle LoadBitmap(int nResourceId, int* pcx, int* pcy) override;
    void DeleteBitmap(PlatformHandle hBitmap) override;
    PlatformHandle LoadCursor(int nResourceId) override;
    PlatformHandle LoadArrowCursor() override { return kArrowCursor; }
    void SetCursor(PlatformHandle hCursor) override;
    PlatformHandle GetCursor() override { return m_hCursor; }
    std::unique_ptr<IDrawContext> GetClientDC(WindowRef view) override;
    void InvalidateRect(WindowRef view, const CRect* prc, BOOL bErase) override;
    // The tests paint what is invalid themselves; this only counts the requests.
    void PaintNow(WindowRef) override { ++m_nPaintNowCalls; }
    PlatformHandle ImageListCreate(int cx, int cy, int nGrow) override;
    BOOL ImageListAdd(PlatformHandle hList, const CBitmap& bm) override;
    BOOL ImageListReplace(PlatformHandle hList, int nImage, const CBitmap& bm) override;
    BOOL BeginDrag(PlatformHandle hList, int nImage, CPoint ptHotspot) override;
    BOOL DragEnter(WindowRef view, CPoint pt) override;
    BOOL DragMove(CPoint pt) override;
    void EndDrag() override;
    void SetCapture(WindowRef view) override { m_hCapture = view; }
    void ReleaseCapture() override { m_hCapture = 0; }
    WindowRef GetCapture() override { return m_hCapture; }
    std::uint32_t GetTimeSeconds() override { return m_nTime; }
    std::uint64_t GetMicroseconds() override { return m_nClockUs; }
    void Sleep(unsigned nMilliseconds) override;
    void BeginTimerPeriod() override { ++m_nTimerPeriodDepth; }
    void EndTimerPeriod() override { --m_nTimerPeriodDepth; }
    void SetStatusText(const std::string& text) override;
    int DoModal(CDialog& dlg) override;
    void NotifyAccessibleEvent(WindowRef view, EAccessibleEvent event, int nChild) override {
        m_accessibleEvents.push_back(CAccessibleEventRecord{view, event, nChild});
    }

    // Resources: every picture of the game exists by default, each face a distinct colour
    // (see FaceColour) and the table pattern its real checkerboard.
    void SetBitmapResource(int nResourceId, const CRgbImage& image);
    void RemoveBitmapResource(int nResourceId);
    const CRgbImage* FindBitmap(PlatformHandle hBitmap) const;
    int ResourceIdOf(PlatformHandle hBitmap) const; // -1 when unknown
    void RemoveCursorResource(int nResourceId) { m_missingCursors.insert(nResourceId); }
    static CRgb FaceColour(int nResourceId);
    // Replaces every picture above with the file "<id>.bmp" of the folder where one can be read;
    // true when all of them were found.
    bool LoadBitmapsFromDirectory(const std::string& dir);

    // Views: each has a canvas of its client size.
    WindowRef CreateView(int cx, int cy);
    CRgbImage& Canvas(WindowRef view) { return m_canvases.at(view); }
    // Paints the view as the system would after an invalidation (clip: the whole client area).
    void Paint(class CView& view, const CRect* prcClip = nullptr);

    static constexpr PlatformHandle kArrowCursor = 1;
    static PlatformHandle CursorHandle(int nResourceId) { return 0x20000 + nResourceId; }

    CHeadlessRegistry m_registry;
    std::vector<CSoundCall> m_sounds;
    BOOL m_bSoundPlays = TRUE;
    PlatformHandle m_hCursor = 0;
    std::vector<PlatformHandle> m_cursorLog;
    std::vector<CInvalidation> m_invalidations;
    std::vector<CBlitRecord> m_blits;
    std::vector<CDragEvent> m_dragEvents;
    int m_nPaintNowCalls = 0;
    std::vector<CAccessibleEventRecord> m_accessibleEvents;
    bool m_bDragging = false;
    WindowRef m_hCapture = 0;
    std::uint32_t m_nTime = 0;
    int m_nSleepCalls = 0;
    unsigned m_nSleptMs = 0;
    // The monotonic clock: it moves only when the program sleeps, by the time asked for or, to
    // play a coarse timer, by m_nSleepLastsMs whatever was asked.
    std::uint64_t m_nClockUs = 0;
    unsigned m_nSleepLastsMs = 0;
    int m_nTimerPeriodDepth = 0;
    int m_nSleepsOutsideTimerPeriod = 0;
    std::string m_strStatus;
    std::vector<std::string> m_statusLog;
    std::deque<CDialogScript> m_dialogScripts;
    std::vector<int> m_dialogLog;                 // templates of the dialogs run, in order
    std::map<int, std::string> m_dialogInitTexts; // control texts of the last dialog as opened

private:
    std::map<int, CRgbImage> m_resources;
    std::map<PlatformHandle, int> m_liveBitmaps; // handle -> resource id
    std::set<int> m_missingCursors;
    std::map<PlatformHandle, std::vector<PlatformHandle>> m_imageLists;
    std::map<WindowRef, CRgbImage> m_canvases;
    PlatformHandle m_nextHandle = 0x1000;
};
