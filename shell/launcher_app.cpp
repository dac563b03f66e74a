#include "shell/launcher_app.h"

#include "res/resource.h"
#include "shell/about_dialog.h"
#include "shell/main_frame.h"

// The one application object, found by the framework's entry point.
CLauncherApp theApp;

BEGIN_MESSAGE_MAP(CLauncherApp, CWinApp)
ON_COMMAND(ID_APP_ABOUT, OnShowAbout)
END_MESSAGE_MAP()

CLauncherApp::CLauncherApp() : CWinApp(nullptr) {}

BOOL CLauncherApp::InitInstance() {
  SetRegistryKey(L"Local AppWizard-Generated Applications");

  CMainFrame* frame = new CMainFrame;
  m_pMainWnd = frame;
  if (!frame->LoadFrame(IDR_MAINFRAME, FWS_ADDTOTITLE, nullptr, nullptr)) {
    // The framework has already deleted the frame whose window failed:
    // nothing to show, and no message loop to run.
    m_pMainWnd = nullptr;
    return FALSE;
  }
  frame->ShowWindow(m_nCmdShow);
  frame->UpdateWindow();
  return TRUE;
}

void CLauncherApp::OnShowAbout() {
  CAboutDialog aboutDlg;
  aboutDlg.DoModal();
}
