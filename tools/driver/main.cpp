// quenlow-driver.exe VERB ARGS... [+ VERB ARGS...]: starts the game and other Windows programs
// for `make run` and the benchmarks, waits on their windows and reads their settings. Runs
// the verbs in order; stops at the first failure with exit code 1 and says why on stderr.
#include "DriverVerbs.h"

#include <cstdio>

int main(int argc, char** argv) {
    static const VerbTable verbs = {
        {"launch", VerbLaunch},
        {"launch-idle", VerbLaunchIdle},
        {"kill", VerbKill},
        {"wait-exit", VerbWaitExit},
        {"wait-window", VerbWaitWindow},
        {"post-message", VerbPostMessage},
        {"idle", VerbIdle},
        {"reg-get", VerbRegGet},
        {"reg-delete", VerbRegDelete},
    };
    std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty()) {
        std::fprintf(stderr, "usage: quenlow-driver VERB ARGS... [+ VERB ARGS...]\n");
        return 2;
    }
    std::string error = RunVerbs(verbs, words);
    if (error.empty()) return 0;
    std::fprintf(stderr, "quenlow-driver: %s\n", error.c_str());
    return 1;
}
