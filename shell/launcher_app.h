// CLauncherApp: the application object. Creates the main window at start
// and answers the About command.
#pragma once

#include "framework/win_app.h"

class CLauncherApp : public CWinApp {
 public:
  CLauncherApp();

  BOOL InitInstance() override;

 protected:
  // ID_APP_ABOUT: shows the about box modally.
  void OnShowAbout();

  DECLARE_MESSAGE_MAP()
};
