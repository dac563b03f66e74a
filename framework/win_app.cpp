#include "framework/win_app.h"

#include "framework/afx_res.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp* AfxGetApp() { return g_app; }

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCWSTR lpszAppName) : m_strAppName(lpszAppName) { g_app = this; }

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

BOOL CWinApp::InitApplication() {
  if (m_strAppName.IsEmpty()) {
    // The application's name: string AFX_IDS_APP_TITLE, else the executable's name.
    const wchar_t* title = nullptr;
    const int length = ::LoadStringW(AfxGetInstanceHandle(), AFX_IDS_APP_TITLE, reinterpret_cast<LPWSTR>(&title), 0);
    if (length > 0 && title) {
      m_strAppName = CString(title, length);
    } else {
      wchar_t path[MAX_PATH] = {};
      ::GetModuleFileNameW(nullptr, path, MAX_PATH);
      const wchar_t* name = path;
      for (const wchar_t* p = path; *p; ++p)
        if (*p == L'\\' || *p == L'/') name = p + 1;
      int length2 = 0;
      while (name[length2] && name[length2] != L'.') ++length2;
      m_strAppName = CString(name, length2);
    }
  }
  return TRUE;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return m_nExitCode; }

BOOL CWinApp::OnIdle(LONG) {
  CWnd::DeleteTempMap();
  return FALSE;
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg) {
  // The main window and the window that the message is for, in this order.
  if (m_pMainWnd && m_pMainWnd->PreTranslateMessage(pMsg)) return TRUE;
  return FALSE;
}

int CWinApp::Run() {
  MSG msg{};
  LONG idleCount = 0;
  for (;;) {
    while (!::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      if (!OnIdle(idleCount++)) break;
    }
    const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    if (!PreTranslateMessage(&msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
    idleCount = 0;
  }
  m_nExitCode = msg.message == WM_QUIT ? static_cast<int>(msg.wParam) : 0;
  return ExitInstance();
}

void CWinApp::SetRegistryKey(LPCWSTR lpszRegistryKey) {
  m_strRegistryKey = lpszRegistryKey;
  m_strProfileName = m_strAppName;
}

void CWinApp::OnAppExit() {
  if (m_pMainWnd) m_pMainWnd->SendMessage(WM_CLOSE);
}
