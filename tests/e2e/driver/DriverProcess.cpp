// Ending a session for a program.
#include "Driver.h"

#include <cstdio>

// end-session PID CLASS: the messages of a logoff to the program's main window; prints the
// answer to the query.
void VerbEndSession(const Args& args) {
    HWND hMain = FindTopWindow(ToPid(args.at(0)), args.at(1), "*");
    if (hMain == nullptr) throw CDriverError("no window of class " + args.at(1));
    DWORD_PTR nAnswer = 0;
    if (!SendMessageTimeoutA(hMain, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000,
                             &nAnswer))
        throw CDriverError("no answer to the query");
    DWORD_PTR nIgnored = 0;
    if (!SendMessageTimeoutA(hMain, WM_ENDSESSION, nAnswer != 0, ENDSESSION_LOGOFF, SMTO_NORMAL,
                             10000, &nIgnored))
        throw CDriverError("no answer to the end of the session");
    std::printf("%d\n", nAnswer != 0 ? 1 : 0);
}
