// The framework's own resource ids: the standard commands it routes or handles, its control
// bars and status indicators, the strings it shows and its help cursor. A program's resource
// script gives them their texts and pictures and keeps its own ids clear of them.
#ifndef QUENLOW_FRAMEWORK_IDS_H
#define QUENLOW_FRAMEWORK_IDS_H

// Standard commands
#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
#define ID_FILE_SAVE 57603
#define ID_EDIT_COPY 57634
#define ID_EDIT_CUT 57635
#define ID_EDIT_PASTE 57637
#define ID_EDIT_UNDO 57643
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665
#define ID_HELP_FINDER 57667
#define ID_CONTEXT_HELP 57669
#define ID_HELP 57670
#define ID_DEFAULT_HELP 57671
#define ID_NEXT_PANE 57680
#define ID_PREV_PANE 57681
#define ID_VIEW_STATUS_BAR 59393

// Control bars and status indicators
#define IDW_TOOLBAR 59392
#define IDW_STATUS_BAR 59393
#define ID_INDICATOR_CAPS 59137
#define ID_INDICATOR_NUM 59138
#define ID_INDICATOR_SCRL 59139

// Strings
#define IDS_APP_TITLE 57344
#define IDS_IDLE_MESSAGE 57345
#define IDS_HELP_MODE_MESSAGE 57346
#define IDS_INVALID_FILENAME 61696
#define IDS_FAILED_TO_OPEN_DOC 61697
#define IDS_FAILED_TO_SAVE_DOC 61698
#define IDS_FAILED_CREATE_DOC 61700
#define IDS_FAILED_LAUNCH_HELP 61703
#define IDS_UNREG_DONE 61707
#define IDS_UNREG_FAILURE 61708
#define IDS_FILE_NOT_FOUND 61730
#define IDS_FILE_BAD_PATH 61731
#define IDS_FILE_TOO_MANY_OPEN 61732
#define IDS_FILE_ACCESS_DENIED 61733
#define IDS_FILE_INVALID 61734

// The pointer in context-help mode
#define IDC_CONTEXTHELP 30977

#endif
