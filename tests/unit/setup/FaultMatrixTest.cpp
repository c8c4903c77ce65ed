// Every counted call of an install and of a removal fails in turn. Whatever fails, the run ends
// with its closing message, leaks no file or key, hands no overlong path to the system, deletes
// nothing outside the product's folders, and reports success only for a complete result.
#include "RunSetup.h"
#include "SetupTestSupport.h"
#include "SetupTexts.h"

#include <memory>

namespace {

const char* OpName(FakeOp op) {
    static const char* const kNames[] = {
        "OpenRead",     "OpenWrite",  "Read",        "Write",   "CloseWrite",  "CreateFolder",
        "RemoveFolder", "RemoveFile", "KeyCreate",   "KeyOpen", "ValueSet",    "ValueQuery",
        "KeyDelete",    "SaveLink",   "ShellDelete", "Launch",  "ChangeFolder"};
    return kNames[static_cast<int>(op)];
}

std::unique_ptr<CFakeSetupSystem> NewMachine() {
    auto pSys = std::make_unique<CFakeSetupSystem>();
    PrepareMachine(*pSys);
    pSys->m_answers = {BoxAnswer::Yes};
    return pSys;
}

void RunInstall(CFakeSetupSystem& sys) {
    SetupState state(sys);
    RunSetup(state);
}

// Installs cleanly, then runs the removal as the temporary copy does; faults apply to it only.
void RunRemoval(CFakeSetupSystem& sys, FakeOp op, int nCall) {
    RunInstall(sys);
    sys.m_messages.clear();
    sys.m_context.m_journal.clear();
    sys.m_context.m_faults.ResetCounts();
    if (nCall > 0) sys.m_context.m_faults.FailAt(op, nCall);
    sys.m_files.SetCurrent(kDest);
    SetupState state(sys);
    state.m_mode = SetupMode::Remove;
    RunSetup(state);
}

void ExpectCleanRun(const CFakeSetupSystem& sys, const std::string& strWhere) {
    EXPECT_EQ(sys.m_files.OpenFiles(), 0) << strWhere;
    EXPECT_EQ(sys.m_registry.OpenKeys(), 0) << strWhere;
    EXPECT_EQ(sys.m_registry.BadCloses(), 0) << strWhere;
    EXPECT_TRUE(sys.m_context.m_longPaths.empty()) << strWhere;
    EXPECT_FALSE(sys.m_bProgressOpen) << strWhere;
    ASSERT_FALSE(sys.m_messages.empty()) << strWhere;
    const std::string& strCaption = sys.m_messages.back().m_strCaption;
    if (strCaption == kCaptionConfigError) {
        // setup.ini could not be read: that message alone, and nothing changed.
        EXPECT_EQ(sys.m_messages.size(), 1u) << strWhere;
        for (const std::string& strLine : sys.Journal())
            EXPECT_EQ(strLine.compare(0, 8, "message "), 0) << strWhere << ": " << strLine;
        return;
    }
    EXPECT_EQ(strCaption, kCaptionComplete) << strWhere;
    // An incomplete result was explained before the closing message.
    bool bSucceeded = sys.m_messages.back().m_strText == kInstallSucceeded ||
                      sys.m_messages.back().m_strText == kRemoveSucceeded;
    bool bExplained = false;
    for (const CFakeMessage& message : sys.m_messages)
        bExplained = bExplained || message.m_strCaption == kCaptionError ||
                     message.m_strCaption == kCaptionConfigError;
    EXPECT_NE(bSucceeded, bExplained) << strWhere;
}

bool Within(const std::string& strPath, const std::string& strFolder) {
    return strPath.size() > strFolder.size() &&
           strPath.compare(0, strFolder.size(), strFolder) == 0;
}

} // namespace

TEST(FaultMatrixTest, InstallReportsEveryFailureThatLeavesItIncomplete) {
    std::unique_ptr<CFakeSetupSystem> pClean = NewMachine();
    RunInstall(*pClean);
    ASSERT_EQ(pClean->MessageTexts().back(), kInstallSucceeded);
    int nRuns = 0;
    for (int nOp = 0; nOp < kFakeOpCount; ++nOp) {
        FakeOp op = static_cast<FakeOp>(nOp);
        for (int nCall = 1; nCall <= pClean->m_context.m_faults.Calls(op); ++nCall) {
            std::unique_ptr<CFakeSetupSystem> pSys = NewMachine();
            pSys->m_context.m_faults.FailAt(op, nCall);
            RunInstall(*pSys);
            ++nRuns;
            std::string strWhere = std::string(OpName(op)) + " #" + std::to_string(nCall);
            ExpectCleanRun(*pSys, strWhere);
            if (pSys->MessageTexts().back() != kInstallSucceeded) {
                EXPECT_TRUE(pSys->m_launches.empty()) << strWhere;
                continue;
            }
            for (const char* szFile : {"QUENLOW.EXE", "setup.exe", "setup.ini", "license.txt"})
                EXPECT_EQ(pSys->m_files.Content(Dest(szFile)),
                          pSys->m_files.Content(std::string("C:\\dist\\") + szFile))
                    << strWhere;
            // In the all-users group, or the user's own when that one was refused.
            for (const char* szLink : {"\\Quenlow.lnk", "\\Uninstall Quenlow.lnk"}) {
                EXPECT_TRUE(pSys->m_files.Link(kCommonGroup + std::string(szLink)) != nullptr ||
                            pSys->m_files.Link(std::string(kUserPrograms) + "\\Quenlow" + szLink) !=
                                nullptr)
                    << strWhere;
            }
        }
    }
    RecordProperty("injected_failures", nRuns);
    EXPECT_GT(nRuns, 40);
}

TEST(FaultMatrixTest, RemovalNeverOverstatesItsSuccess) {
    std::unique_ptr<CFakeSetupSystem> pClean = NewMachine();
    RunRemoval(*pClean, FakeOp::Count, 0);
    ASSERT_EQ(pClean->MessageTexts().back(), kRemoveSucceeded);
    int nRuns = 0;
    for (int nOp = 0; nOp < kFakeOpCount; ++nOp) {
        FakeOp op = static_cast<FakeOp>(nOp);
        for (int nCall = 1; nCall <= pClean->m_context.m_faults.Calls(op); ++nCall) {
            std::unique_ptr<CFakeSetupSystem> pSys = NewMachine();
            RunRemoval(*pSys, op, nCall);
            ++nRuns;
            std::string strWhere = std::string(OpName(op)) + " #" + std::to_string(nCall);
            ExpectCleanRun(*pSys, strWhere);
            for (const std::string& strLine : pSys->Journal()) {
                if (strLine.compare(0, 7, "delete ") == 0) {
                    EXPECT_TRUE(Within(strLine.substr(7), std::string(kDest) + "\\")) << strWhere;
                }
                if (strLine.compare(0, 12, "shelldelete ") == 0) {
                    EXPECT_TRUE(Within(strLine.substr(12), std::string(kCommonGroup) + "\\") ||
                                Within(strLine.substr(12), std::string(kCommonDesktop) + "\\"))
                        << strWhere;
                }
            }
            if (pSys->MessageTexts().back() != kRemoveSucceeded) continue;
            for (const char* szFile : {"QUENLOW.EXE", "setup.exe", "setup.ini", "license.txt"})
                EXPECT_FALSE(pSys->m_files.HasFile(Dest(szFile))) << strWhere;
            EXPECT_FALSE(pSys->m_files.HasFile(std::string(kCommonGroup) + "\\Quenlow.lnk"))
                << strWhere;
            EXPECT_FALSE(
                pSys->m_registry.HasKey(RegRoot::LocalMachine, "Software\\Halvane\\Quenlow"))
                << strWhere;
            EXPECT_FALSE(pSys->m_registry.HasKey(RegRoot::LocalMachine, kUninstallEntry))
                << strWhere;
        }
    }
    RecordProperty("injected_failures", nRuns);
    EXPECT_GT(nRuns, 20);
}
