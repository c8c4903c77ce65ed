// Resource and control ids of setup.exe.
#pragma once

#define IDI_SETUP 101
#define IDD_PROGRESS 103
#define IDD_WELCOME 106
#define IDD_LICENCE 107
#define IDD_DESTINATION 108
#define IDD_FINISH 109

#define IDC_LICENCE_PROMPT 1000
#define IDC_LICENCE_KEYS 1001
#define IDC_LICENCE_QUESTION 1002
#define IDC_LICENCE_WARNING 1003
#define IDC_LICENCE_NO 1004
#define IDC_LICENCE_YES 1005
#define IDC_LICENCE_TEXT 1006
#define IDC_DESTINATION 1007
#define IDC_CHOOSE_FOLDER 1008
#define IDC_PROGRESS 1009
#define IDC_ANIMATION 1010

// The wizard's own Finish button.
#define IDC_WIZARD_FINISH 0x3025

// The main window's one command: run the whole job.
#define IDM_RUN_SETUP 100
