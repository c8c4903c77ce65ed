// e2e-driver.exe VERB ARGS... [+ VERB ARGS...]
// Runs the verbs in order; stops at the first failure with exit code 1.
#include "Driver.h"
#include "SetupVerbs.h"

#include <cstdio>
#include <map>

namespace {
using VerbFn = void (*)(const Args&);

const std::map<std::string, VerbFn>& Verbs() {
    static const std::map<std::string, VerbFn> verbs = {
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
        {"link-read", VerbLinkRead},
        {"sleep", [](const Args& args) { Sleep(static_cast<DWORD>(ToInt(args.at(0)))); }},
    };
    return verbs;
}

int RunVerb(const std::string& verb, const Args& args) {
    auto it = Verbs().find(verb);
    if (it == Verbs().end()) {
        std::fprintf(stderr, "e2e-driver: unknown verb '%s'\n", verb.c_str());
        return 1;
    }
    try {
        it->second(args);
    } catch (const std::out_of_range&) {
        std::fprintf(stderr, "e2e-driver: %s: missing argument\n", verb.c_str());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "e2e-driver: %s: %s\n", verb.c_str(), e.what());
        return 1;
    }
    std::fflush(stdout);
    return 0;
}
} // namespace

int ToInt(const std::string& text) {
    try {
        std::size_t nUsed = 0;
        long long n = std::stoll(text, &nUsed, 0);
        if (nUsed != text.size()) throw CDriverError("not a number: " + text);
        return static_cast<int>(n);
    } catch (const std::logic_error&) {
        throw CDriverError("not a number: " + text);
    }
}

DWORD ToPid(const std::string& text) {
    return static_cast<DWORD>(ToInt(text));
}

int main(int argc, char** argv) {
    std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty()) {
        std::fprintf(stderr, "usage: e2e-driver VERB ARGS... [+ VERB ARGS...]\n");
        return 2;
    }
    std::size_t i = 0;
    while (i < words.size()) {
        std::string verb = words[i++];
        Args args;
        while (i < words.size() && words[i] != "+")
            args.push_back(words[i++]);
        if (i < words.size()) ++i; // the "+"
        if (RunVerb(verb, args) != 0) return 1;
    }
    return 0;
}
