#include "shell/main_frame.h"

#include "relay/map_api.h"
#include "shell/event_log.h"
#include "res/resource.h"

IMPLEMENT_DYNAMIC(CMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
  ON_WM_CREATE()
  ON_WM_SETFOCUS()
  ON_WM_TIMER()
END_MESSAGE_MAP()

CMainFrame::CMainFrame() : CPositionRelay(&m_relayPlatform), m_relayPlatform(*this) {}

CMainFrame::~CMainFrame() = default;

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs) {
  if (!CFrameWnd::PreCreateWindow(cs)) return FALSE;
  cs.lpszClass = AfxRegisterWndClass(0);
  return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;

  const RECT paneRect = {0, 0, 240, 280};
  if (!m_logEdit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, paneRect, this, IDC_LOGPANE)) return -1;

  AppendLog(LaunchMapApplication() ? "stating navoro: success" : "stating navoro: failed");

  m_bGpsModeStarted = FALSE;
  noSignalCounter = 0;
  OpenComPort();
  return 0;
}

void CMainFrame::OnSetFocus(CWnd*) { m_logEdit.SetFocus(); }

void CMainFrame::OnTimer(UINT_PTR) {
  RunRelayTick();
  Default();
}

void CMainFrame::AppendLog(CString message) {
  CString text;
  m_logEdit.GetWindowText(text);
  m_logEdit.SetWindowText(ComposeLogText(message, text));
}
