// Resource and control ids shared by the resource script and the code.
#pragma once

#include "framework/afx_res.h"

#define IDD_ABOUTBOX 100
#define IDC_LOGPANE 100
#define IDR_MAINFRAME 128
