// The platform services the game model and the table view rely on, one interface for each
// concern, so that each part names only what it uses. The game logic calls nothing else of the
// platform: the Win32 layer implements all of them for the real program, the headless platform
// of the tests and tools likewise.
#pragma once

#include "Accessible.h"
#include "ShellTypes.h"

#include <memory>
#include <string>

class CBitmap;
class CDialog;

// A drawing context on a view's client area (painting or drawing outside a paint).
class IDrawContext {
public:
    virtual ~IDrawContext() = default;
    // Tiles the rectangle with the bitmap as a pattern brush, aligned to the client origin.
    virtual void FillPattern(const CRect& rc, const CBitmap& pattern) = 0;
    virtual void FillSolid(const CRect& rc, CRgb color) = 0;
    // Copies the bitmap (SRCCOPY, through a memory context) to (x, y) at cx by cy pixels.
    virtual void BlitBitmap(const CBitmap& bm, int x, int y, int cx, int cy) = 0;
    virtual void InvertRect(const CRect& rc) = 0;
    // The system's dotted keyboard-focus frame along the rectangle's edges; drawing it twice
    // takes it away.
    virtual void DrawFocusRect(const CRect& rc) = 0;
    // The part of the client area that needs painting.
    virtual CRect GetClipBox() const = 0;
};

// The settings store. Results are the system's error codes (kRegOk on success). A value larger
// than the caller's buffer fails with kRegMoreData; the stored type is reported, not checked.
class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    virtual long RegCreateKey(RegRoot root, const std::string& subKey, const char* className,
                              RegKey* pKey) = 0;
    virtual long RegQueryValue(RegKey key, const char* name, unsigned* pType, void* pData,
                               unsigned* pcbData) = 0;
    virtual long RegSetValue(RegKey key, const char* name, unsigned type, const void* pData,
                             unsigned cbData) = 0;
    virtual long RegCloseKey(RegKey key) = 0;
};

class ISound {
public:
    virtual ~ISound() = default;
    // Sound from a WAVE resource of the program; resource id 0 with flags 0 stops the sound.
    virtual BOOL PlaySound(int nResourceId, unsigned nFlags) = 0;
};

// Bitmaps from the program's resources, drawing on a view, and the drag image.
class IPictures {
public:
    virtual ~IPictures() = default;
    // 0 when the bitmap is missing.
    virtual PlatformHandle LoadBitmap(int nResourceId, int* pcx, int* pcy) = 0;
    virtual void DeleteBitmap(PlatformHandle hBitmap) = 0;

    // Drawing on a view outside its paint, and asking for a repaint (null: the whole client).
    virtual std::unique_ptr<IDrawContext> GetClientDC(WindowRef view) = 0;
    virtual void InvalidateRect(WindowRef view, const CRect* prc, BOOL bErase) = 0;
    // Paints what is invalid at once, with the drag image taken off the screen meanwhile, so
    // that the image does not put back what lay beneath it before.
    virtual void PaintNow(WindowRef view) = 0;

    // The drag image: an image list of card-sized images, dragged over a view. Positions are
    // the view's client coordinates; the hot spot is the offset of the pointer inside the image.
    virtual PlatformHandle ImageListCreate(int cx, int cy, int nGrow) = 0;
    virtual BOOL ImageListAdd(PlatformHandle hList, const CBitmap& bm) = 0;
    virtual BOOL ImageListReplace(PlatformHandle hList, int nImage, const CBitmap& bm) = 0;
    virtual BOOL BeginDrag(PlatformHandle hList, int nImage, CPoint ptHotspot) = 0;
    virtual BOOL DragEnter(WindowRef view, CPoint pt) = 0;
    virtual BOOL DragMove(CPoint pt) = 0;
    virtual void EndDrag() = 0;
};

// The pointer's shape and its capture by a view.
class IPointer {
public:
    virtual ~IPointer() = default;
    // Cursors from the program's resources; 0 when missing.
    virtual PlatformHandle LoadCursor(int nResourceId) = 0;
    virtual PlatformHandle LoadArrowCursor() = 0;
    virtual void SetCursor(PlatformHandle hCursor) = 0;
    virtual PlatformHandle GetCursor() = 0;

    virtual void SetCapture(WindowRef view) = 0;
    virtual void ReleaseCapture() = 0;
    virtual WindowRef GetCapture() = 0;
};

// The clock, and the pacing of animations.
class ITime {
public:
    virtual ~ITime() = default;
    // Calendar time in whole seconds since 1 January 1970 UTC, taken to 32 bits.
    virtual std::uint32_t GetTimeSeconds() = 0;
    // A clock that never goes back, in microseconds from an arbitrary origin: animations are
    // paced against it.
    virtual std::uint64_t GetMicroseconds() = 0;
    // Sleep(1) really sleeps about 1 ms between Begin and End.
    virtual void Sleep(unsigned nMilliseconds) = 0;
    virtual void BeginTimerPeriod() = 0;
    virtual void EndTimerPeriod() = 0;
};

class IDialogs {
public:
    virtual ~IDialogs() = default;
    // Runs a dialog modally; kDialogFailed when it cannot be shown.
    virtual int DoModal(CDialog& dlg) = 0;
};

class IStatusText {
public:
    virtual ~IStatusText() = default;
    // First pane of the main window's status bar, redrawn at once.
    virtual void SetStatusText(const std::string& text) = 0;
};

class IAccessibleEvents {
public:
    virtual ~IAccessibleEvents() = default;
    // Tells listening readers that a child of the view's client object (0: the object itself)
    // gained the focus, changed its name or was selected.
    virtual void NotifyAccessibleEvent(WindowRef view, EAccessibleEvent event, int nChild) = 0;
};

// All of them, as the one Win32 object and the one headless object provide them.
class IPlatform : public ISettingsStore,
                  public ISound,
                  public IPictures,
                  public IPointer,
                  public ITime,
                  public IDialogs,
                  public IStatusText,
                  public IAccessibleEvents {};

// A bitmap object: empty, or holding a bitmap loaded from the program's resources.
class CBitmap {
public:
    CBitmap() = default;
    ~CBitmap() { DeleteObject(); }
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    BOOL LoadBitmap(IPictures& pictures, int nResourceId);
    void DeleteObject();
    PlatformHandle GetSafeHandle() const { return m_hObject; }
    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }

private:
    IPictures* m_pPictures = nullptr;
    PlatformHandle m_hObject = 0;
    int m_nWidth = 0;
    int m_nHeight = 0;
};
