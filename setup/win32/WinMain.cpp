#include "RunSetup.h"
#include "Win32SetupSystem.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int) {
    CWin32SetupSystem system(hInstance);
    SetupState state(system);
    return SetupMain(state, lpCmdLine != nullptr ? lpCmdLine : "");
}
