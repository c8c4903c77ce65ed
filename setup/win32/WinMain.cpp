#include "RunSetup.h"
#include "SystemLibrary.h"
#include "Win32SetupSystem.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int) {
    RestrictLibrarySearch();
    CWin32SetupSystem system(hInstance);
    SetupState state(system);
    return SetupMain(state, lpCmdLine != nullptr ? lpCmdLine : "");
}
