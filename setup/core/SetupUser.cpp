#include "SetupUser.h"

#include "SetupTexts.h"

namespace {

class CNoSetupLog : public ISetupLog {
public:
    void Write(const std::string&) override {}
};

// A message's lines on one line of the log.
std::string OneLine(std::string strText) {
    for (char& ch : strText) {
        if (ch == '\n' || ch == '\r') ch = ' ';
    }
    return strText;
}

} // namespace

ISetupLog& NoSetupLog() {
    static CNoSetupLog log;
    return log;
}

void Tell(SetupState& state, BoxOwner owner, const std::string& strText, const char* szCaption,
          BoxKind kind) {
    Log(state, std::string(szCaption) + ": " + OneLine(strText));
    if (!state.m_options.m_bUnattended)
        state.m_pSystem->ShowMessage(owner, strText, szCaption, kind);
}

BoxAnswer Ask(SetupState& state, const std::string& strText, const char* szCaption, BoxKind kind,
              BoxAnswer unattendedAnswer) {
    BoxAnswer answer = state.m_options.m_bUnattended
                           ? unattendedAnswer
                           : state.m_pSystem->ShowMessage(BoxOwner::None, strText, szCaption, kind);
    static const char* const kAnswers[] = {"OK", "Cancel", "Yes", "No", "Retry"};
    Log(state, std::string(szCaption) + ": " + OneLine(strText) + " " +
                   kAnswers[static_cast<int>(answer)]);
    return answer;
}

void Log(SetupState& state, const std::string& strLine) {
    state.m_pLog->Write(strLine);
}

void LogFailure(SetupState& state, const std::string& strWhat, long nError) {
    Log(state, strWhat + ": " + state.m_pSystem->ErrorText(nError));
}

bool CheckPathLength(SetupState& state, const std::string& strPath) {
    if (strPath.size() <= kMaxPathChars) return true;
    Tell(state, BoxOwner::None, kPathTooLong + strPath, kCaptionError, BoxKind::Ok);
    return false;
}
