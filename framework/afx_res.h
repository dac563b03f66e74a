// The framework's standard command, string and window ids. Plain #defines,
// so resource scripts can include this file too.
#pragma once

#define ID_FILE_NEW 0xE100
#define ID_FILE_OPEN 0xE101
#define ID_FILE_SAVE 0xE103
#define ID_FILE_SAVE_AS 0xE104

#define ID_EDIT_CLEAR 0xE120
#define ID_EDIT_CLEAR_ALL 0xE121
#define ID_EDIT_COPY 0xE122
#define ID_EDIT_CUT 0xE123
#define ID_EDIT_FIND 0xE124
#define ID_EDIT_PASTE 0xE125
#define ID_EDIT_REPEAT 0xE128
#define ID_EDIT_REPLACE 0xE129
#define ID_EDIT_SELECT_ALL 0xE12A
#define ID_EDIT_UNDO 0xE12B
#define ID_EDIT_REDO 0xE12C

#define ID_WINDOW_SPLIT 0xE135
#define ID_APP_ABOUT 0xE140
#define ID_APP_EXIT 0xE141
#define ID_NEXT_PANE 0xE150
#define ID_PREV_PANE 0xE151

#define AFX_IDS_APP_TITLE 0xE000
#define AFX_IDS_IDLEMESSAGE 0xE001
#define ID_INDICATOR_CAPS 0xE701
#define AFX_IDS_SCCLOSE 0xEF06
#define AFX_IDS_SCTASKLIST 0xEF13

#define AFX_IDW_TOOLBAR 0xE800

// Commands at or above this id are the system's; automatic disabling skips them.
#define AFX_FIRST_SYSTEM_COMMAND 0xF000

#define IDC_STATIC (-1)

// Control bar styles.
#define CBRS_TOOLTIPS 0x0010
#define CBRS_FLYBY 0x0020
#define CBRS_SIZE_FIXED 0x0002
#define CBRS_ALIGN_TOP 0x2000
#define CBRS_BORDER_TOP 0x0800
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_TOP)

// Frame window styles.
#define FWS_ADDTOTITLE 0x00008000L
