// The test driver's verbs. Each takes its arguments as text, prints what it found on stdout
// and throws CDriverError when it fails or times out.
#pragma once

#include "DriverVerbs.h"

HWND FindChild(HWND hParent, const std::string& className);

void VerbWaitNoWindow(const Args& args);
void VerbWindowRect(const Args& args);
void VerbClientRect(const Args& args);
void VerbWindowText(const Args& args);
void VerbWindows(const Args& args);
void VerbSendCommand(const Args& args);
void VerbPostCommand(const Args& args);
void VerbPress(const Args& args);
void VerbCloseDialog(const Args& args);
void VerbDialogText(const Args& args);
void VerbItemRect(const Args& args);
void VerbFirstLine(const Args& args);
void VerbStatus(const Args& args);
void VerbWaitStatus(const Args& args);
void VerbToolbarEnabled(const Args& args);
void VerbWaitToolbar(const Args& args);
void VerbToolbarHot(const Args& args);
void VerbIsVisible(const Args& args);

void VerbTopWindows(const Args& args);
void VerbControls(const Args& args);
void VerbPlace(const Args& args);

void VerbKey(const Args& args);
void VerbClick(const Args& args);
void VerbDrag(const Args& args);

void VerbCapture(const Args& args);
void VerbWaitCapture(const Args& args);
void VerbFocus(const Args& args);
void VerbWaitValue(const Args& args);

void VerbRegKey(const Args& args);
void VerbRegType(const Args& args);
void VerbRegSet(const Args& args);
void VerbRegList(const Args& args);

void VerbRegSetText(const Args& args);
void VerbShortPath(const Args& args);
void VerbFolder(const Args& args);
void VerbDdeExecute(const Args& args);
void VerbDropFiles(const Args& args);
void VerbFileDialog(const Args& args);
void VerbMessageText(const Args& args);
void VerbChildText(const Args& args);
void VerbHelpClick(const Args& args);
void VerbButtonPoint(const Args& args);

void VerbAccTree(const Args& args);
void VerbAccNavigate(const Args& args);
void VerbAccLocation(const Args& args);
void VerbAccDo(const Args& args);
void VerbAccEvents(const Args& args);

void VerbEndSession(const Args& args);
void VerbRunWatch(const Args& args);
