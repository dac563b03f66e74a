// Resource and control ids shared by the resource script and the code.
#pragma once

#include "framework/afx_res.h"

#define IDD_ABOUTBOX 100
#define IDC_LOGPANE 100
#define IDR_MAINFRAME 128

// Captions of the two buttons of the menu bar description, and their commands.
#define IDS_MENUBAR_EDIT 102
#define IDS_MENUBAR_TOOLS 103
#define IDM_MENUBAR_EDIT 105
#define IDM_MENUBAR_TOOLS 106

// Tooltip texts of the command bar (65000 and 65003 are carried but unused).
#define IDS_TOOLTIP_NEW 65000
#define IDS_TOOLTIP_FILE 65001
#define IDS_TOOLTIP_HELP 65002
#define IDS_TOOLTIP_SAVE 65003
#define IDS_TOOLTIP_CUT 65004
#define IDS_TOOLTIP_COPY 65005
#define IDS_TOOLTIP_PASTE 65006
#define IDS_TOOLTIP_ABOUT 65007

// Resource type of the framework's toolbar resources (RT_TOOLBAR).
#define RESTYPE_TOOLBAR 241
