// Runs work on several threads while the calling thread reports progress. The Windows build's
// runtime has no standard threads, so it uses the system's own.
#pragma once

#include <functional>

// Calls work(i) for i = 0 to nThreads - 1, each on its own thread, and onTick() on the
// calling thread about twenty times a second until all have returned.
void RunOnThreads(int nThreads, const std::function<void(int)>& work,
                  const std::function<void()>& onTick);
