// Reading the verbs' words and running them in order.
#include "DriverVerbs.h"

#include <cstdio>

namespace {
// Empty when the verb succeeded, else what went wrong.
std::string RunVerb(const VerbTable& verbs, const std::string& verb, const Args& args) {
    auto it = verbs.find(verb);
    if (it == verbs.end()) return "unknown verb '" + verb + "'";
    try {
        it->second(args);
    } catch (const std::out_of_range&) {
        return verb + ": missing argument";
    } catch (const std::exception& e) {
        return verb + ": " + e.what();
    }
    std::fflush(stdout);
    return std::string();
}
} // namespace

std::string RunVerbs(const VerbTable& verbs, const std::vector<std::string>& words) {
    std::size_t i = 0;
    while (i < words.size()) {
        const std::string& verb = words[i++];
        Args args;
        while (i < words.size() && words[i] != "+")
            args.push_back(words[i++]);
        if (i < words.size()) ++i; // the "+"
        std::string error = RunVerb(verbs, verb, args);
        if (!error.empty()) return error;
    }
    return std::string();
}

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

DWORD WaitMs(const Args& args, std::size_t nIndex) {
    return args.size() > nIndex ? static_cast<DWORD>(ToInt(args[nIndex])) : kDefaultWaitMs;
}

double NowMs() {
    static LARGE_INTEGER s_frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f); // cannot fail on any system since XP
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(s_frequency.QuadPart);
}
