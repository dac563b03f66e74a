#include "framework/win_app.h"

#include "framework/afx_res.h"

#include <algorithm>
#include <string_view>

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
    if (!m_strAppName.LoadString(AFX_IDS_APP_TITLE)) {
      wchar_t path[MAX_PATH] = {};
      ::GetModuleFileNameW(nullptr, path, MAX_PATH);
      std::wstring_view name(path);
      name.remove_prefix(std::min(name.find_last_of(L"\\/") + 1, name.size()));
      name = name.substr(0, name.find_last_of(L'.'));
      m_strAppName = CString(name.data(), static_cast<int>(name.size()));
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
