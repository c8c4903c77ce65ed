#include "WorkerThreads.h"

#include <vector>

#ifdef _WIN32
#include <windows.h>

namespace {
struct CThreadStart {
    const std::function<void(int)>* m_pWork;
    int m_nIndex;
};

DWORD WINAPI ThreadMain(LPVOID pParam) {
    const CThreadStart* pStart = static_cast<const CThreadStart*>(pParam);
    (*pStart->m_pWork)(pStart->m_nIndex);
    return 0;
}
} // namespace

void RunOnThreads(int nThreads, const std::function<void(int)>& work,
                  const std::function<void()>& onTick) {
    std::vector<CThreadStart> starts(nThreads);
    std::vector<HANDLE> handles;
    for (int i = 0; i < nThreads; ++i) {
        starts[i] = CThreadStart{&work, i};
        HANDLE h = CreateThread(nullptr, 0, ThreadMain, &starts[i], 0, nullptr);
        if (h == nullptr)
            work(i); // no thread to be had: do this share here
        else
            handles.push_back(h);
    }
    while (!handles.empty()) {
        DWORD nWait =
            WaitForMultipleObjects(static_cast<DWORD>(handles.size()), handles.data(), TRUE, 50);
        onTick();
        if (nWait != WAIT_TIMEOUT) break;
    }
    for (HANDLE h : handles)
        CloseHandle(h);
}

#else
#include <atomic>
#include <chrono>
#include <thread>

void RunOnThreads(int nThreads, const std::function<void(int)>& work,
                  const std::function<void()>& onTick) {
    std::atomic<int> nDone{0};
    std::vector<std::thread> threads;
    threads.reserve(static_cast<std::size_t>(nThreads));
    for (int i = 0; i < nThreads; ++i) {
        threads.emplace_back([&work, &nDone, i] {
            work(i);
            ++nDone;
        });
    }
    while (nDone.load() < nThreads) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        onTick();
    }
    for (std::thread& t : threads)
        t.join();
}
#endif
