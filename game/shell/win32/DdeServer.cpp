#include "DdeServer.h"

#include "ShellIntegration.h"
#include "SystemProcs.h"
#include "Win32Platform.h"

#include <dde.h>

#include <vector>

namespace {
constexpr UINT kRunCommands = WM_APP + 1;
constexpr UINT_PTR kWaitTimer = 1;
constexpr WORD kAckPositive = 0x8000;
// An execute string longer than this is no shell command.
constexpr SIZE_T kMaxCommand = 64 * 1024;
} // namespace

CDdeServer::~CDdeServer() {
    Destroy();
}

BOOL CDdeServer::Create(const std::string& strAppName) {
    HINSTANCE hInstance = m_platform.GetInstance();
    m_strAppName = strAppName;
    m_aApp = GlobalAddAtomA(strAppName.c_str());
    m_aSystem = GlobalAddAtomA(kSystemTopic);
    if (m_aApp == 0 || m_aSystem == 0) return FALSE;
    if (!RegisterClassOnce(hInstance, kClassName, 0, 0, nullptr, nullptr)) return FALSE;
    // Top-level, so that the initiating broadcast reaches it; never shown.
    return CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           hInstance, this) != nullptr;
}

void CDdeServer::StartWait(unsigned nMilliseconds) {
    // Without its timer the program would wait for ever: then it does not wait at all.
    if (m_hWnd == nullptr || SetTimer(m_hWnd, kWaitTimer, nMilliseconds, nullptr) == 0)
        OnWaitOver();
}

void CDdeServer::Destroy() {
    if (m_hWnd != nullptr) DestroyWindow(m_hWnd);
    if (m_aApp != 0) GlobalDeleteAtom(m_aApp);
    if (m_aSystem != 0) GlobalDeleteAtom(m_aSystem);
    m_aApp = m_aSystem = 0;
}

LRESULT CDdeServer::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_DDE_INITIATE:
        OnInitiate(reinterpret_cast<HWND>(wParam), lParam);
        return 0;
    case WM_DDE_EXECUTE:
        OnExecute(reinterpret_cast<HWND>(wParam), lParam);
        return 0;
    case WM_DDE_TERMINATE:
        OnTerminate(reinterpret_cast<HWND>(wParam));
        return 0;
    case kRunCommands:
        OnRunCommands();
        return 0;
    case WM_TIMER:
        if (wParam != kWaitTimer) break;
        OnWaitOver();
        return 0;
    default:
        break;
    }
    return Default(uMsg, wParam, lParam);
}

void CDdeServer::OnInitiate(HWND hClient, LPARAM lParam) {
    // Atoms compare without regard to case; a zero atom asks for any application or topic.
    auto aApp = static_cast<ATOM>(LOWORD(lParam));
    auto aTopic = static_cast<ATOM>(HIWORD(lParam));
    if ((aApp != 0 && aApp != m_aApp) || (aTopic != 0 && aTopic != m_aSystem)) return;
    // The client deletes the atoms of the answer, so they are added for it.
    ATOM aAnswerApp = GlobalAddAtomA(m_strAppName.c_str());
    ATOM aAnswerTopic = GlobalAddAtomA(kSystemTopic);
    SendMessageA(hClient, WM_DDE_ACK, reinterpret_cast<WPARAM>(m_hWnd),
                 MAKELPARAM(aAnswerApp, aAnswerTopic));
}

std::string CDdeServer::CommandText(HGLOBAL hCommands) {
    SIZE_T cbSize = GlobalSize(hCommands);
    const auto* pData = static_cast<const char*>(GlobalLock(hCommands));
    if (pData == nullptr) return std::string();
    std::string text;
    cbSize = std::min(cbSize, kMaxCommand);
    if (cbSize >= 2 && pData[0] != '\0' && pData[1] == '\0') {
        // A Unicode client's text reaches an ANSI window unconverted on some systems.
        std::vector<wchar_t> wide(cbSize / 2 + 1, L'\0');
        memcpy(wide.data(), pData, cbSize / 2 * 2);
        int nLength = WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, nullptr, 0, nullptr, nullptr);
        if (nLength > 1) {
            text.resize(static_cast<std::size_t>(nLength));
            WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, &text[0], nLength, nullptr, nullptr);
        }
    } else {
        text.assign(pData, strnlen(pData, cbSize));
    }
    GlobalUnlock(hCommands);
    text.resize(strnlen(text.c_str(), text.size()));
    return text;
}

void CDdeServer::OnExecute(HWND hClient, LPARAM lParam) {
    UINT_PTR nUnused = 0;
    UINT_PTR nCommands = 0;
    if (!UnpackDDElParam(WM_DDE_EXECUTE, lParam, &nUnused, &nCommands)) return;
    auto hCommands = reinterpret_cast<HGLOBAL>(nCommands);
    std::string text = CommandText(hCommands);
    bool bAccepted = CShellIntegration::IsDdeCommandSupported(text);
    // The commands' memory stays the client's: it comes back with the answer.
    LPARAM lAck =
        ReuseDDElParam(lParam, WM_DDE_EXECUTE, WM_DDE_ACK, bAccepted ? kAckPositive : 0, nCommands);
    if (!PostMessageA(hClient, WM_DDE_ACK, reinterpret_cast<WPARAM>(m_hWnd), lAck))
        FreeDDElParam(WM_DDE_ACK, lAck);
    if (!bAccepted) return;
    m_pending.push_back(text);
    if (!PostMessageA(m_hWnd, kRunCommands, 0, 0)) OnRunCommands();
}

void CDdeServer::OnTerminate(HWND hClient) {
    // A client that is already gone needs no answer.
    PostMessageA(hClient, WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CDdeServer::OnRunCommands() {
    while (!m_pending.empty()) {
        std::string text = m_pending.front();
        m_pending.pop_front();
        if (!m_shell.RunDdeCommands(text)) {
            // Started for this command, the program has nothing to show without it.
            PostQuitMessage(1);
            return;
        }
        KillTimer(m_hWnd, kWaitTimer);
        if (HWND hMain = m_platform.GetMainWindow()) {
            AcceptDroppedFiles(hMain);
            SetForegroundWindow(hMain);
        }
    }
}

void CDdeServer::OnWaitOver() {
    if (m_hWnd != nullptr) KillTimer(m_hWnd, kWaitTimer);
    if (m_shell.OnDdeWaitOver()) PostQuitMessage(0);
}
