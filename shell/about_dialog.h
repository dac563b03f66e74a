// CAboutDialog: the about box, dialog IDD_ABOUTBOX: the application icon,
// the version and the copyright line, centred over the main window.
#pragma once

#include "framework/dialog.h"

class CAboutDialog : public CDialog {
  DECLARE_DYNAMIC(CAboutDialog)

 public:
  CAboutDialog();

  BOOL OnInitDialog() override;

 protected:
  // The about box shows fixed text; no control is bound to a member.
  void DoDataExchange(void* pDX) override;

  DECLARE_MESSAGE_MAP()
};
