// Resource ids of QUENLOW.EXE, shared by quenlow.rc and the code: the game's own, and the
// framework's standard ones.
#ifndef QUENLOW_RESOURCE_H
#define QUENLOW_RESOURCE_H

#include "FrameworkIds.h"

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

// Commands of the game
#define ID_START_OVER 32771
#define ID_SCORES 32772
#define ID_KINGS 32776

#endif
