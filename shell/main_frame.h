// CMainFrame: the program's main window. Its creation starts the map
// application and the position relay; it shows the event log in its pane.
#pragma once

#include "framework/edit.h"
#include "framework/frame_wnd.h"
#include "relay/position_relay.h"
#include "relay/win32_relay_platform.h"

class CMainFrame : public CFrameWnd, public CPositionRelay {
  DECLARE_DYNAMIC(CMainFrame)

public:
  CMainFrame();
  ~CMainFrame() override;

  BOOL PreCreateWindow(CREATESTRUCT& cs) override;

  // Adds one line at the top of the log pane.
  void AppendLog(CString message) override;

protected:
  CEdit m_logEdit;

  int OnCreate(LPCREATESTRUCT lpCreateStruct);
  void OnSetFocus(CWnd* pOldWnd);
  void OnTimer(UINT_PTR nIDEvent);

private:
  CWin32RelayPlatform m_relayPlatform;

  DECLARE_MESSAGE_MAP()
};
