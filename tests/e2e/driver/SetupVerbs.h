// The driver's verbs for setup.exe: windows of processes the driver did not start, the wizard,
// posted button clicks, recorded command lines and shell links.
#pragma once

#include "Driver.h"

void VerbFindWindow(const Args& args);
void VerbProcessPath(const Args& args);
void VerbPostPress(const Args& args);
void VerbDialogKey(const Args& args);
void VerbWizardPage(const Args& args);
void VerbWaitPage(const Args& args);
void VerbWizardPress(const Args& args);
void VerbWizardText(const Args& args);
void VerbWizardRect(const Args& args);
void VerbFinishWhileWatched(const Args& args);
void VerbRun(const Args& args);
void VerbLinkRead(const Args& args);
void VerbBrowseSelect(const Args& args);
