// The baseline of tools/scripts/bench-start-wine.sh: the plainest program that shows a
// window of the game's size (one class, no menu, no controls), built with the same compiler
// and run-time options as the game.
#include <windows.h>

namespace {
const char kClassName[] = "QuenlowBareWindow";

LRESULT CALLBACK BareWindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}
} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nCmdShow) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = BareWindowProc;
    wc.hInstance = hInstance;
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    if (RegisterClassA(&wc) == 0) return 1;
    HWND hWnd = CreateWindowExA(0, kClassName, "Bare window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 602, 484, nullptr, nullptr, hInstance, nullptr);
    if (hWnd == nullptr) return 1;
    ShowWindow(hWnd, nCmdShow);
    // A window that did not paint at once is still shown; the benchmark waits for idle.
    UpdateWindow(hWnd);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
