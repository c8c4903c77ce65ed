// What the setup program tells and asks the user, and what it writes in the run's log. Every
// text shown goes to the log as well; an unattended run shows nothing and takes, for each
// question, the answer its switches stand for.
#pragma once

#include "SetupState.h"

#include <string>

void Tell(SetupState& state, BoxOwner owner, const std::string& strText, const char* szCaption,
          BoxKind kind);
// The user's answer, or in an unattended run the answer given here.
BoxAnswer Ask(SetupState& state, const std::string& strText, const char* szCaption, BoxKind kind,
              BoxAnswer unattendedAnswer);

void Log(SetupState& state, const std::string& strLine);
// "What failed: " and the system's text for the error.
void LogFailure(SetupState& state, const std::string& strWhat, long nError);

// False, after "The path is too long: " + the path, for a path of 260 characters or more.
bool CheckPathLength(SetupState& state, const std::string& strPath);
