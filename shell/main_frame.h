// CMainFrame: the program's main window. Its creation starts the map
// application and the position relay; it shows the event log in its pane
// and carries the command bar.
#pragma once

#include "framework/command_bar.h"
#include "framework/edit.h"
#include "framework/frame_wnd.h"
#include "relay/position_relay.h"
#include "relay/win32_relay_platform.h"

class CMainFrame : public CFrameWnd, public CPositionRelay {
  DECLARE_DYNAMIC(CMainFrame)

 public:
  // The command bar's tooltips, one per button in bar order.
  static constexpr int kToolTipCount = 6;

  CMainFrame();
  ~CMainFrame() override;

  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  // Offers each command to the log pane first, then takes the frame's route.
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

  // Adds one line at the top of the log pane.
  void AppendLog(CString message) override;

  // A heap copy of string id, at most 254 characters; the caller owns it.
  static wchar_t* LoadResString(UINT id);

 protected:
  CCeCommandBar m_cmdBar;
  CEdit m_logEdit;
  wchar_t* m_toolTips[kToolTipCount] = {};

  int OnCreate(LPCREATESTRUCT lpCreateStruct);
  void OnSetFocus(CWnd* pOldWnd);
  void OnTimer(UINT_PTR nIDEvent);

 private:
  CWin32RelayPlatform m_relayPlatform;

  DECLARE_MESSAGE_MAP()
};
