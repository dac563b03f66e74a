#include "shell/main_frame.h"

#include <cwchar>

#include "relay/map_api.h"
#include "res/resource.h"
#include "shell/event_log.h"

IMPLEMENT_DYNAMIC(CMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
ON_WM_CREATE()
ON_WM_SETFOCUS()
ON_WM_TIMER()
END_MESSAGE_MAP()

namespace {
// The tooltip strings, in the order of the bar's buttons: the two menu
// buttons, then Cut, Copy, Paste and About.
constexpr UINT kToolTipIds[CMainFrame::kToolTipCount] = {IDS_TOOLTIP_FILE, IDS_TOOLTIP_HELP,  IDS_TOOLTIP_CUT,
                                                         IDS_TOOLTIP_COPY, IDS_TOOLTIP_PASTE, IDS_TOOLTIP_ABOUT};
}  // namespace

CMainFrame::CMainFrame() : CPositionRelay(&m_relayPlatform), m_relayPlatform(*this) {}

CMainFrame::~CMainFrame() {
  // The bar's window holds the tooltip table: it goes first.
  m_cmdBar.DestroyWindow();
  for (wchar_t* toolTip : m_toolTips) delete[] toolTip;
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs) {
  if (!CFrameWnd::PreCreateWindow(cs)) return FALSE;
  cs.lpszClass = AfxRegisterWndClass(0);
  return TRUE;
}

// The start-up sequence: pane, command bar, map application, relay.
int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;

  const RECT paneRect = {0, 0, 240, 280};
  if (!m_logEdit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, paneRect, this, IDC_LOGPANE)) return -1;

  m_cmdBar.m_bKeepPlaceholderButton = FALSE;
  for (int i = 0; i < kToolTipCount; ++i) m_toolTips[i] = LoadResString(kToolTipIds[i]);
  if (!m_cmdBar.Create(this)) return -1;
  if (!m_cmdBar.InsertMenuBar(IDR_MAINFRAME)) return -1;
  if (!m_cmdBar.AddAdornments()) return -1;
  if (!m_cmdBar.LoadToolBar(IDR_MAINFRAME)) return -1;
  if (!m_cmdBar.SendMessage(CE_TB_SETTOOLTIPS, kToolTipCount, reinterpret_cast<LPARAM>(m_toolTips))) return -1;
  m_cmdBar.SetBarStyle(m_cmdBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_FIXED);

  AppendLog(LaunchMapApplication() ? "stating navoro: success" : "stating navoro: failed");

  m_bGpsModeStarted = FALSE;
  noSignalCounter = 0;
  OpenComPort();
  return 0;
}

BOOL CMainFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (m_logEdit.OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
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

wchar_t* CMainFrame::LoadResString(UINT id) {
  wchar_t buffer[256] = {};
  const int length = ::LoadStringW(AfxGetInstanceHandle(), id, buffer, 255);
  auto* copy = new wchar_t[static_cast<size_t>(length > 0 ? length : 0) + 1];
  std::wmemcpy(copy, buffer, static_cast<size_t>(length > 0 ? length : 0) + 1);
  return copy;
}
