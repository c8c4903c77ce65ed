// Drawing contexts on a view's client area: one for painting, one for drawing outside a paint.
#pragma once

#include "Platform.h"
#include "Win32Api.h"

class CWin32DrawContext : public IDrawContext {
public:
    explicit CWin32DrawContext(HDC hDC) : m_hDC(hDC) {}
    ~CWin32DrawContext() override;
    CWin32DrawContext(const CWin32DrawContext&) = delete;
    CWin32DrawContext& operator=(const CWin32DrawContext&) = delete;

    void FillPattern(const CRect& rc, const CBitmap& pattern) override;
    void FillSolid(const CRect& rc, CRgb color) override;
    void BlitBitmap(const CBitmap& bm, int x, int y, int cx, int cy) override;
    void InvertRect(const CRect& rc) override;
    void DrawFocusRect(const CRect& rc) override;
    CRect GetClipBox() const override;

protected:
    HDC m_hDC;

private:
    // One memory context, made at the first copy, serves every bitmap of this context.
    HDC m_hMemDC = nullptr;
};

// The context of one WM_PAINT: the clip box is the part that needs painting.
class CWin32PaintDC : public CWin32DrawContext {
public:
    explicit CWin32PaintDC(HWND hWnd);
    ~CWin32PaintDC() override;

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps;
};

class CWin32ClientDC : public CWin32DrawContext {
public:
    explicit CWin32ClientDC(HWND hWnd) : CWin32DrawContext(::GetDC(hWnd)), m_hWnd(hWnd) {}
    ~CWin32ClientDC() override;

private:
    HWND m_hWnd;
};
