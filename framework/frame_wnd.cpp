#include "framework/frame_wnd.h"

#include <algorithm>

#include "framework/afx_res.h"
#include "framework/command_bar.h"
#include "framework/win_app.h"

IMPLEMENT_DYNAMIC(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CREATE()
ON_WM_CLOSE()
ON_WM_NCDESTROY()
ON_WM_INITMENUPOPUP()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_SIZE, OnSizeMessage)
END_MESSAGE_MAP()

namespace {

// The text of string id up to its first line feed.
CString LoadTitle(UINT id) {
  CString text;
  text.LoadString(id);
  const std::wstring& chars = text.str();
  return text.Left(static_cast<int>(std::min(chars.find(L'\n'), chars.size())));
}

// The command bar object of a child window that is one and shows, else null.
CCeCommandBar* VisibleCommandBar(HWND child) {
  if (!(::GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE)) return nullptr;
  return dynamic_cast<CCeCommandBar*>(CWnd::FromHandlePermanent(child));
}

}  // namespace

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext*) {
  const CString title = LoadTitle(nIDResource);
  m_hAccelTable = ::LoadAcceleratorsW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(nIDResource));
  DWORD style = dwDefaultStyle & ~static_cast<DWORD>(FWS_ADDTOTITLE);
  // A Pocket PC frame needs no caption or border; a desktop top-level window
  // that is given none gets the usual overlapped frame.
  if (!pParentWnd && !(style & (WS_CHILD | WS_POPUP | WS_CAPTION | WS_THICKFRAME))) style |= WS_OVERLAPPEDWINDOW;
  if (!CreateEx(0, nullptr, title, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                pParentWnd ? pParentWnd->m_hWnd : nullptr, nullptr))
    return FALSE;
  FitToContent();
  return TRUE;
}

void CFrameWnd::FitToContent() {
  // A Pocket PC frame fills the screen; on the desktop the frame is as large
  // as what it shows: the bounding box of its children from the client
  // origin, with the command bars below, at least as wide as the widest bar.
  RECT content{};
  SIZE bars{0, 0};
  bool anyChild = false;
  for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (CCeCommandBar* bar = VisibleCommandBar(child)) {
      const SIZE size = bar->CalcFixedSize();
      bars.cx = std::max(bars.cx, size.cx);
      bars.cy += size.cy;
    } else if (::GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) {
      RECT rect{};
      ::GetWindowRect(child, &rect);
      ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
      content.right = std::max(content.right, rect.right);
      content.bottom = std::max(content.bottom, rect.bottom);
    } else {
      continue;
    }
    anyChild = true;
  }
  if (!anyChild) return;

  RECT frame{0, 0, std::max(content.right, bars.cx), content.bottom + bars.cy};
  ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_STYLE)), ::GetMenu(m_hWnd) != nullptr,
                       static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_EXSTYLE)));
  ::SetWindowPos(m_hWnd, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RecalcLayout();
}

void CFrameWnd::RecalcLayout() {
  if (!m_hWnd) return;
  RECT client{};
  ::GetClientRect(m_hWnd, &client);
  int bottom = client.bottom;
  for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    CCeCommandBar* bar = VisibleCommandBar(child);
    if (!bar) continue;
    const int height = bar->CalcFixedSize().cy;
    bottom -= height;
    ::SetWindowPos(child, nullptr, 0, bottom, client.right, height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

LRESULT CFrameWnd::OnSizeMessage(WPARAM wParam, LPARAM) {
  Default();
  if (wParam != SIZE_MINIMIZED) RecalcLayout();
  return 0;
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
