// CFrameWnd: a top-level window loaded from resources that share one id
// (title string, accelerator table), which routes commands on to the
// application object and deletes its object when the window is gone.
#pragma once

#include "framework/afx_res.h"
#include "framework/wnd.h"

struct CCreateContext;

class CFrameWnd : public CWnd {
  DECLARE_DYNAMIC(CFrameWnd)

 public:
  CFrameWnd() = default;

  // Creates the frame: title from the first line of string nIDResource,
  // accelerators from table nIDResource.
  virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                         CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);

  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  // Translates the frame's accelerators before a key reaches a child window.
  BOOL PreTranslateMessage(MSG* pMsg) override;
  // The frame's own maps first, then the application object's.
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

  // Automatic command enabling: menu items whose command has no handler on
  // the route show disabled.
  BOOL m_bAutoMenuEnable = TRUE;

  // Places the frame's command bars along the bottom of its client area,
  // full width; other children stay where they are.
  void RecalcLayout();

 protected:
  void PostNcDestroy() override;

  int OnCreate(LPCREATESTRUCT lpCreateStruct);
  void OnClose();
  void OnNcDestroy();
  void OnInitMenuPopup(HMENU hPopupMenu, UINT nIndex, BOOL bSysMenu);
  BOOL OnEraseBkgnd(HDC hdc);
  LRESULT OnSizeMessage(WPARAM wParam, LPARAM lParam);

  HACCEL m_hAccelTable = nullptr;

 private:
  // Sizes the frame so that its client area holds its other children with
  // the command bars below them.
  void FitToContent();

  DECLARE_MESSAGE_MAP()
};
