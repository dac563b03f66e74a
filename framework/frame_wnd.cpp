#include "framework/frame_wnd.h"

#include "framework/afx_res.h"
#include "framework/win_app.h"

IMPLEMENT_DYNAMIC(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
  ON_WM_CREATE()
  ON_WM_CLOSE()
  ON_WM_NCDESTROY()
  ON_WM_INITMENUPOPUP()
  ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {

// The text of string id up to its first line feed.
CString LoadTitle(UINT id) {
  const wchar_t* text = nullptr;
  const int length = ::LoadStringW(AfxGetInstanceHandle(), id, reinterpret_cast<LPWSTR>(&text), 0);
  if (length <= 0 || !text) return CString();
  int end = 0;
  while (end < length && text[end] != L'\n') ++end;
  return CString(text, end);
}

}  // namespace

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext*) {
  const CString title = LoadTitle(nIDResource);
  m_hAccelTable = ::LoadAcceleratorsW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(nIDResource));
  const DWORD style = dwDefaultStyle & ~static_cast<DWORD>(FWS_ADDTOTITLE);
  return CreateEx(0, nullptr, title, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                  pParentWnd ? pParentWnd->m_hWnd : nullptr, nullptr);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs) {
  if (!cs.lpszClass) cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW));
  return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST || !m_hAccelTable) return FALSE;
  return ::TranslateAcceleratorW(m_hWnd, m_hAccelTable, pMsg) != 0;
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  CWinApp* app = AfxGetApp();
  return app && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CFrameWnd::OnClose() { DestroyWindow(); }

void CFrameWnd::OnNcDestroy() {
  // The main window is gone: the program's message loop ends.
  CWinApp* app = AfxGetApp();
  if (app && app->m_pMainWnd == this) {
    app->m_pMainWnd = nullptr;
    ::PostQuitMessage(0);
  }
  Default();
}

void CFrameWnd::PostNcDestroy() { delete this; }

void CFrameWnd::OnInitMenuPopup(HMENU hPopupMenu, UINT, BOOL bSysMenu) {
  if (bSysMenu || !m_bAutoMenuEnable) return;
  const int count = ::GetMenuItemCount(hPopupMenu);
  for (int i = 0; i < count; ++i) {
    const UINT id = ::GetMenuItemID(hPopupMenu, i);
    if (id == 0 || id == static_cast<UINT>(-1) || id >= AFX_FIRST_SYSTEM_COMMAND) continue;  // separator, popup
    AFX_CMDHANDLERINFO info;
    const BOOL handled = OnCmdMsg(id, CN_COMMAND, nullptr, &info);
    ::EnableMenuItem(hPopupMenu, static_cast<UINT>(i), MF_BYPOSITION | (handled ? MF_ENABLED : MF_GRAYED));
  }
}

BOOL CFrameWnd::OnEraseBkgnd(HDC hdc) {
  // The frame's class may have no brush: paint what the children do not cover.
  RECT client{};
  ::GetClientRect(m_hWnd, &client);
  ::FillRect(hdc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
  return TRUE;
}
