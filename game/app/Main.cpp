#include "QuenlowApp.h"
#include "Win32Platform.h"

namespace {
// Process-wide, built before start-up: the platform services, then the application over them.
CWin32Platform g_platform(GetModuleHandleA(nullptr));
CQuenlowApp theApp(g_platform);
} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int nCmdShow) {
    // A run that ends at start-up ends with what its command line asked for (0 when done).
    int nResult = theApp.InitInstance(nCmdShow) ? theApp.Run() : theApp.GetStartExitCode();
    int nExit = theApp.ExitInstance();
    return nResult != 0 ? nResult : nExit;
}
