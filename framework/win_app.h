// CWinApp: the application object. The program defines exactly one global
// instance of a class derived from it; the framework's entry point finds it,
// runs InitInstance and then the message loop.
#pragma once

#include "framework/wnd.h"

class CWinApp : public CCmdTarget {
 public:
  explicit CWinApp(LPCWSTR lpszAppName = nullptr);
  ~CWinApp() override;

  CWnd* m_pMainWnd = nullptr;       // the main window; the loop ends when it is gone
  int m_nCmdShow = SW_SHOWDEFAULT;  // how the system asked to show the program
  CString m_strAppName;             // from the constructor, else the executable's name
  CString m_strRegistryKey;         // recorded by SetRegistryKey; nothing is written
  CString m_strProfileName;

  virtual BOOL InitApplication();
  virtual BOOL InitInstance();
  // Runs the message loop until WM_QUIT; returns ExitInstance's exit code.
  virtual int Run();
  virtual int ExitInstance();
  // Idle-time work between messages; TRUE asks for more idle calls.
  virtual BOOL OnIdle(LONG lCount);
  // Gives the main window the first look at a message (accelerators).
  virtual BOOL PreTranslateMessage(MSG* pMsg);

  void SetRegistryKey(LPCWSTR lpszRegistryKey);

 protected:
  // ID_APP_EXIT: closes the main window, which ends the program.
  void OnAppExit();

  int m_nExitCode = 0;

  DECLARE_MESSAGE_MAP()
};

// The one application object, or null before it is constructed.
CWinApp* AfxGetApp();
