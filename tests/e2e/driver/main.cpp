// e2e-driver.exe VERB ARGS... [+ VERB ARGS...]
// Runs the verbs in order; stops at the first failure with exit code 1.
// e2e-driver.exe serve: reads such lists from its input, one a line with the words separated by
// tabs, and answers each with the verbs' output and a last line "=ok" or "=fail MESSAGE"; a
// long run saves starting a Wine process for every question.
#include "Driver.h"
#include "SetupVerbs.h"

#include <cstdio>
#include <iostream>

namespace {
const VerbTable& Verbs() {
    static const VerbTable verbs = {
        {"launch", VerbLaunch},
        {"kill", VerbKill},
        {"wait-exit", VerbWaitExit},
        {"end-session", VerbEndSession},
        {"wait-window", VerbWaitWindow},
        {"wait-no-window", VerbWaitNoWindow},
        {"window-rect", VerbWindowRect},
        {"client-rect", VerbClientRect},
        {"window-text", VerbWindowText},
        {"windows", VerbWindows},
        {"visible", VerbIsVisible},
        {"top-windows", VerbTopWindows},
        {"controls", VerbControls},
        {"place", VerbPlace},
        {"send-command", VerbSendCommand},
        {"post-command", VerbPostCommand},
        {"post-message", VerbPostMessage},
        {"press", VerbPress},
        {"close-dialog", VerbCloseDialog},
        {"dialog-text", VerbDialogText},
        {"item-rect", VerbItemRect},
        {"first-line", VerbFirstLine},
        {"status", VerbStatus},
        {"wait-status", VerbWaitStatus},
        {"toolbar-enabled", VerbToolbarEnabled},
        {"wait-toolbar", VerbWaitToolbar},
        {"key", VerbKey},
        {"click", VerbClick},
        {"drag", VerbDrag},
        {"idle", VerbIdle},
        {"capture", VerbCapture},
        {"wait-capture", VerbWaitCapture},
        {"focus", VerbFocus},
        {"wait-value", VerbWaitValue},
        {"launch-idle", VerbLaunchIdle},
        {"reg-get", VerbRegGet},
        {"reg-key", VerbRegKey},
        {"reg-type", VerbRegType},
        {"reg-set", VerbRegSet},
        {"reg-delete", VerbRegDelete},
        {"reg-list", VerbRegList},
        {"reg-set-text", VerbRegSetText},
        {"short-path", VerbShortPath},
        {"folder", VerbFolder},
        {"dde-execute", VerbDdeExecute},
        {"drop-files", VerbDropFiles},
        {"file-dialog", VerbFileDialog},
        {"message-text", VerbMessageText},
        {"child-text", VerbChildText},
        {"help-click", VerbHelpClick},
        {"button-point", VerbButtonPoint},
        {"toolbar-hot", VerbToolbarHot},
        {"find-window", VerbFindWindow},
        {"process-path", VerbProcessPath},
        {"post-press", VerbPostPress},
        {"dialog-key", VerbDialogKey},
        {"wizard-page", VerbWizardPage},
        {"wait-page", VerbWaitPage},
        {"wizard-press", VerbWizardPress},
        {"wizard-text", VerbWizardText},
        {"wizard-rect", VerbWizardRect},
        {"finish-while-watched", VerbFinishWhileWatched},
        {"run", VerbRun},
        {"run-watch", VerbRunWatch},
        {"acc-tree", VerbAccTree},
        {"acc-navigate", VerbAccNavigate},
        {"acc-location", VerbAccLocation},
        {"acc-do", VerbAccDo},
        {"acc-events", VerbAccEvents},
        {"link-read", VerbLinkRead},
        {"browse-select", VerbBrowseSelect},
        {"sleep", [](const Args& args) { Sleep(static_cast<DWORD>(ToInt(args.at(0)))); }},
    };
    return verbs;
}

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> words;
    std::size_t nStart = 0;
    for (;;) {
        std::size_t nTab = line.find('\t', nStart);
        words.push_back(line.substr(nStart, nTab - nStart));
        if (nTab == std::string::npos) return words;
        nStart = nTab + 1;
    }
}

int Serve() {
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::string error = RunVerbs(Verbs(), SplitTabs(line));
        if (error.empty())
            std::printf("=ok\n");
        else
            std::printf("=fail %s\n", error.c_str());
        std::fflush(stdout);
    }
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty()) {
        std::fprintf(stderr, "usage: e2e-driver VERB ARGS... [+ VERB ARGS...]\n");
        return 2;
    }
    if (words.size() == 1 && words[0] == "serve") return Serve();
    std::string error = RunVerbs(Verbs(), words);
    if (error.empty()) return 0;
    std::fprintf(stderr, "e2e-driver: %s\n", error.c_str());
    return 1;
}
