// Which calls of the fake system fail. Every call of a kind is counted, so a test can first
// count the calls of a run and then make each one of them fail in turn.
#pragma once

#include <array>
#include <set>

enum class FakeOp {
    OpenRead,
    OpenWrite,
    Read,
    Write, // fails short: half the bytes are written
    CloseWrite,
    CreateFolder,
    RemoveFolder,
    RemoveFile,
    KeyCreate,
    KeyOpen,
    ValueSet,
    ValueQuery,
    KeyDelete, // plain and tree deletes
    SaveLink,
    ShellDelete,
    Launch,
    ChangeFolder,
    Count
};

constexpr int kFakeOpCount = static_cast<int>(FakeOp::Count);

class CFaultPlan {
public:
    // Fails the nth call (from 1) of the kind; 0 fails every call.
    void FailAt(FakeOp op, int nCall) { m_failures[Index(op)].insert(nCall); }
    void Clear() { m_failures = {}; }
    // Counts the call and tells whether it fails.
    bool Fails(FakeOp op) {
        int nCall = ++m_counts[Index(op)];
        const std::set<int>& calls = m_failures[Index(op)];
        return calls.count(0) != 0 || calls.count(nCall) != 0;
    }
    int Calls(FakeOp op) const { return m_counts[Index(op)]; }
    void ResetCounts() { m_counts = {}; }

private:
    static int Index(FakeOp op) { return static_cast<int>(op); }

    std::array<std::set<int>, kFakeOpCount> m_failures{};
    std::array<int, kFakeOpCount> m_counts{};
};
