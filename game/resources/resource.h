// Resource ids of QUENLOW.EXE, shared by quenlow.rc and the code.
#ifndef QUENLOW_RESOURCE_H
#define QUENLOW_RESOURCE_H

// Main frame: menu, accelerators, toolbar, program icon and the document template string
#define IDR_MAINFRAME 128
#define IDR_QUENLOWTYPE 129

// Dialog templates
#define IDD_ABOUTBOX 100
#define IDD_NEWGAME 142
#define IDD_GAMEOVER 145
#define IDD_SCORES 195

// Controls of the Scores dialog
#define IDC_WINS 1000
#define IDC_LOSSES 1001
#define IDC_RESET 1002

// Card faces: Ace, then Two to King at consecutive ids (there is no 206)
#define IDB_HEARTS_ACE 205
#define IDB_HEARTS_TWO 207
#define IDB_SPADES_ACE 219
#define IDB_SPADES_TWO 220
#define IDB_DIAMONDS_ACE 232
#define IDB_DIAMONDS_TWO 233
#define IDB_CLUBS_ACE 245
#define IDB_CLUBS_TWO 246

// Other pictures
#define IDB_PATTERN 163
#define IDB_EMPTY_CLUBS 259
#define IDB_EMPTY_DIAMONDS 263
#define IDB_EMPTY_HEARTS 264
#define IDB_EMPTY_SPADES 265
#define IDB_ABOUT 268

// WAVE sounds
#define IDW_CARD_DOWN 144
#define IDW_DEAL 196
#define IDW_WIN 262

// Cursors (263 and 264 are bitmaps too: the resource type tells them apart)
#define IDC_OPENHAND 263
#define IDC_CLOSEDHAND 264
#define IDC_CONTEXTHELP 30977

// Commands of the game
#define ID_START_OVER 32771
#define ID_SCORES 32772
#define ID_KINGS 32776

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

#endif
