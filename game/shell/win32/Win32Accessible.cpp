#include "Win32Accessible.h"

#include "SystemProcs.h"

#include <string>

namespace {
// Children are simple elements: a reader reaches them by number, not as objects of their own.
VARIANT ChildVariant(int nChild) {
    VARIANT var;
    var.vt = VT_I4;
    var.lVal = nChild;
    return var;
}

VARIANT EmptyVariant() {
    VARIANT var;
    var.vt = VT_EMPTY;
    return var;
}

// The view's names are ANSI; readers take wide strings, allocated for them to free.
HRESULT ToBstr(const std::string& text, BSTR* pbstr) {
    if (pbstr == nullptr) return E_POINTER;
    *pbstr = nullptr;
    if (text.empty()) return S_FALSE;
    const int nChars = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (nChars <= 0) return E_FAIL;
    std::wstring wide(static_cast<std::size_t>(nChars), L'\0');
    if (MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], nChars) != nChars) return E_FAIL;
    *pbstr = AutomationAllocString(wide.c_str());
    return *pbstr != nullptr ? S_OK : E_OUTOFMEMORY;
}

bool ToNavigation(long navDir, ENavigation& step) {
    switch (navDir) {
    case NAVDIR_NEXT:
        step = ENavigation::Next;
        return true;
    case NAVDIR_PREVIOUS:
        step = ENavigation::Previous;
        return true;
    case NAVDIR_FIRSTCHILD:
        step = ENavigation::First;
        return true;
    case NAVDIR_LASTCHILD:
        step = ENavigation::Last;
        return true;
    case NAVDIR_LEFT:
        step = ENavigation::Left;
        return true;
    case NAVDIR_RIGHT:
        step = ENavigation::Right;
        return true;
    case NAVDIR_UP:
        step = ENavigation::Up;
        return true;
    case NAVDIR_DOWN:
        step = ENavigation::Down;
        return true;
    default:
        return false;
    }
}
} // namespace

HRESULT STDMETHODCALLTYPE CAccessibleClient::QueryInterface(REFIID riid, void** ppv) {
    if (ppv == nullptr) return E_POINTER;
    if (riid == __uuidof(IUnknown) || riid == __uuidof(IDispatch) ||
        riid == __uuidof(IAccessible)) {
        *ppv = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE CAccessibleClient::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&m_nRefs));
}

ULONG STDMETHODCALLTYPE CAccessibleClient::Release() {
    const LONG nRefs = InterlockedDecrement(&m_nRefs);
    if (nRefs == 0) delete this;
    return static_cast<ULONG>(nRefs);
}

HRESULT STDMETHODCALLTYPE CAccessibleClient::GetTypeInfoCount(UINT* pctinfo) {
    if (pctinfo == nullptr) return E_POINTER;
    *pctinfo = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CAccessibleClient::GetTypeInfo(UINT, LCID, ITypeInfo**) {
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE CAccessibleClient::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE CAccessibleClient::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*,
                                                    VARIANT*, EXCEPINFO*, UINT*) {
    return E_NOTIMPL;
}

HRESULT CAccessibleClient::CheckChild(const VARIANT& varChild, int& nChild) const {
    if (m_pView == nullptr) return RPC_E_DISCONNECTED;
    if (varChild.vt != VT_I4) return E_INVALIDARG;
    nChild = static_cast<int>(varChild.lVal);
    const bool bOurs = nChild >= CHILDID_SELF && nChild <= m_pView->GetAccessibleChildCount();
    return bOurs ? S_OK : E_INVALIDARG;
}

HRESULT STDMETHODCALLTYPE CAccessibleClient::get_accParent(IDispatch** ppdispParent) {
    if (ppdispParent == nullptr) return E_POINTER;
    *ppdispParent = nullptr;
    if (m_pView == nullptr) return RPC_E_DISCONNECTED;
    // The parent is the system's object for the window itself.
    return AccessibleStandardObject(m_hWnd, OBJID_WINDOW, __uuidof(IDispatch),
                                    reinterpret_cast<void**>(ppdispParent));
}

HRESULT STDMETHODCALLTYPE CAccessibleClient::get_accChildCount(long* pcountChildren) {
    if (pcountChildren == nullptr) return E_POINTER;
    if (m_pView == nullptr) return RPC_E_DISCONNECTED;
    *pcountChildren = m_pView->GetAccessibleChildCount();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CAccessibleClient::get_accChild(VARIANT varChild,
                                                          IDispatch** ppdispChild) {
    if (ppdispChild == nullptr) return E_POINTER;
    *ppdispChild = nullptr;
    int nChild = 0;
    const HRESULT hr = CheckChild(varChild, nChild);
    if (FAILED(hr)) return hr;
    // Simple elements have no object of their own: the reader asks this one about them.
    return nChild == CHILDID_SELF ? E_INVALIDARG : S_FALSE;
}

HRESULT STDMETHODCALLTYPE CAccessibleClient::get_accName(VARIANT varChild, BSTR* pszName) {
    int nChild = 0;
    const HRESULT hr = CheckChild(varChild, nChild);
    if (FAILED(hr)) return hr;
    return ToBstr(nChild == CHILDID_SELF ? m_pView->GetAccessibleName()
                                         : m_pView->GetChildName(nChild),
                  pszName);
}

HRESULT STDMETHODCALLTYPE CAccessibleClient::get_accValue(VARIANT, BSTR* pszValue) {
    if (pszValue != nullptr) *pszValue = nullptr;
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT STDMETHODCALLTYPE CAccessibleClient::get_accDescription(VARIANT, BSTR* pszDescription) {
    if (pszDescription != nullptr) *pszDescription = nullptr;
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT STDMETHODCALLTYPE CAccessibleClient::get_accRole(VARIANT varChild, VARIANT* pvarRole) {
    if (pvarRole == nullptr) return E_POINTER;
    int nChild = 0;
    const HRESULT hr = CheckChild(varChild, nChild);
    if (FAILED(hr)) return hr;
    *pvarRole = ChildVariant(nChild == CHILDID_SELF ? ROLE_SYSTEM_CLIENT : ROLE_SYSTEM_LISTITEM);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CAccessibleClient::get_accState(VARIANT varChild, VARIANT* pvarState) {
    if (pvarState == nullptr) return E_POINTER;
    int nChild = 0;
    const HRESULT hr = CheckChild(varChild, nChild);
    if (FAILED(hr)) return hr;
    const bool bWindowFocused = GetFocus() == m_hWnd;
    long nState = STATE_SYSTEM_FOCUSABLE;
    if (nChild == CHILDID_SELF) {
        if (bWindowFocused) nState |= STATE_SYSTEM_FOCUSED;
    } else {
        nState |= STATE_SYSTEM_SELECTABLE;
        if (bWindowFocused && m_pView->GetFocusedChild() == nChild) nState |= STATE_SYSTEM_FOCUSED;
        if (m_pView->GetSelectedChild() == nChild) nState |= STATE_SYSTEM_SELECTED;
    }
    *pvarState = ChildVariant(static_cast<int>(nState));
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CAccessibleClient::get_accHelp(VARIANT, BSTR* pszHelp) {
    if (pszHelp != nullptr) *pszHelp = nullptr;
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT STDMETHODCALLTYPE CAccessibleClient::get_accHelpTopic(BSTR* pszHelpFile, VARIANT,
                                                              long* pidTopic) {
    if (pszHelpFile != nullptr) *pszHelpFile = nullptr;
    if (pidTopic != nullptr) *pidTopic = 0;
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT STDMETHODCALLTYPE CAccessibleClient::get_accKeyboardShortcut(VARIANT,
                                                                     BSTR* pszKeyboardShortcut) {
    if (pszKeyboardShortcut != nullptr) *pszKeyboardShortcut = nullptr;
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT STDMETHODCALLTYPE CAccessibleClient::get_accFocus(VARIANT* pvarChild) {
    if (pvarChild == nullptr) return E_POINTER;
    *pvarChild = EmptyVariant();
    if (m_pView == nullptr) return RPC_E_DISCONNECTED;
    if (GetFocus() != m_hWnd) return S_FALSE;
    *pvarChild = ChildVariant(m_pView->GetFocusedChild());
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CAccessibleClient::get_accSelection(VARIANT* pvarChildren) {
    if (pvarChildren == nullptr) return E_POINTER;
    *pvarChildren = EmptyVariant();
    if (m_pView == nullptr) return RPC_E_DISCONNECTED;
    const int nChild = m_pView->GetSelectedChild();
    if (nChild == 0) return S_FALSE;
    *pvarChildren = ChildVariant(nChild);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CAccessibleClient::get_accDefaultAction(VARIANT varChild,
                                                                  BSTR* pszDefaultAction) {
    int nChild = 0;
    const HRESULT hr = CheckChild(varChild, nChild);
    if (FAILED(hr)) return hr;
    return ToBstr(nChild == CHILDID_SELF ? std::string() : m_pView->GetDefaultAction(nChild),
                  pszDefaultAction);
}

HRESULT STDMETHODCALLTYPE CAccessibleClient::accSelect(long, VARIANT) {
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT STDMETHODCALLTYPE CAccessibleClient::accLocation(long* pxLeft, long* pyTop, long* pcxWidth,
                                                         long* pcyHeight, VARIANT varChild) {
    if (pxLeft == nullptr || pyTop == nullptr || pcxWidth == nullptr || pcyHeight == nullptr)
        return E_POINTER;
    int nChild = 0;
    const HRESULT hr = CheckChild(varChild, nChild);
    if (FAILED(hr)) return hr;
    RECT rc = {};
    if (nChild == CHILDID_SELF) {
        if (!GetClientRect(m_hWnd, &rc)) return E_FAIL;
    } else {
        const CRect area = m_pView->GetChildArea(nChild);
        rc = RECT{area.left, area.top, area.right, area.bottom};
    }
    POINT ptOrigin = {0, 0};
    if (!ClientToScreen(m_hWnd, &ptOrigin)) return E_FAIL;
    *pxLeft = rc.left + ptOrigin.x;
    *pyTop = rc.top + ptOrigin.y;
    *pcxWidth = rc.right - rc.left;
    *pcyHeight = rc.bottom - rc.top;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CAccessibleClient::accNavigate(long navDir, VARIANT varStart,
                                                         VARIANT* pvarEndUpAt) {
    if (pvarEndUpAt == nullptr) return E_POINTER;
    *pvarEndUpAt = EmptyVariant();
    int nChild = 0;
    const HRESULT hr = CheckChild(varStart, nChild);
    if (FAILED(hr)) return hr;
    ENavigation step = ENavigation::Next;
    if (!ToNavigation(navDir, step)) return E_INVALIDARG;
    const int nTo = m_pView->NavigateChild(nChild, step);
    if (nTo == 0) return S_FALSE;
    *pvarEndUpAt = ChildVariant(nTo);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CAccessibleClient::accHitTest(long xLeft, long yTop, VARIANT* pvarChild) {
    if (pvarChild == nullptr) return E_POINTER;
    *pvarChild = EmptyVariant();
    if (m_pView == nullptr) return RPC_E_DISCONNECTED;
    POINT pt = {xLeft, yTop};
    RECT rcClient = {};
    if (!ScreenToClient(m_hWnd, &pt) || !GetClientRect(m_hWnd, &rcClient)) return E_FAIL;
    if (!PtInRect(&rcClient, pt)) return S_FALSE;
    *pvarChild = ChildVariant(m_pView->GetChildAt(CPoint(pt.x, pt.y)));
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CAccessibleClient::accDoDefaultAction(VARIANT varChild) {
    int nChild = 0;
    const HRESULT hr = CheckChild(varChild, nChild);
    if (FAILED(hr)) return hr;
    if (nChild == CHILDID_SELF || m_pView->GetDefaultAction(nChild).empty())
        return DISP_E_MEMBERNOTFOUND;
    // While a dialog holds the frame disabled the table takes no action, as it takes no input.
    if (!IsWindowEnabled(GetAncestor(m_hWnd, GA_ROOT))) return E_FAIL;
    // The move runs here, as Enter would: the reader's call returns once the card has landed.
    return m_pView->DoDefaultAction(nChild) ? S_OK : E_FAIL;
}

HRESULT STDMETHODCALLTYPE CAccessibleClient::put_accName(VARIANT, BSTR) {
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE CAccessibleClient::put_accValue(VARIANT, BSTR) {
    return E_NOTIMPL;
}
