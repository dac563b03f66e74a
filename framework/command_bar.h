// CCeCommandBar: the Pocket PC command bar on the desktop. A child window
// along the bottom of its frame's client area that hosts a flat toolbar
// control: one drop-down button per popup of a menu, then image buttons from
// a toolbar resource. Menus open with the frame as their owner, and image
// buttons send their command to the frame, so both take the frame's command
// route and its automatic disabling of commands without a handler.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/afx_res.h"
#include "framework/wnd.h"

// The tooltip message in its Windows CE form: WPARAM the number of strings,
// LPARAM a `const wchar_t* const*` table, one string per button in bar order.
// The bar keeps the table's address, so the caller keeps the strings alive
// as long as the bar. Separators get no string. Returns nonzero when the
// table is taken; 0, keeping the former table, when it is null with a
// nonzero count or holds more strings than the bar has buttons. On the
// desktop the same number means TB_INSERTMARKHITTEST, so the bar answers it
// itself and never hands it to its toolbar control.
#define CE_TB_SETTOOLTIPS (WM_USER + 81)

class CFrameWnd;

class CCeCommandBar : public CWnd {
 public:
  CCeCommandBar() = default;
  // Destroys the window if it still exists, then the menu and the images.
  ~CCeCommandBar() override;

  // Keep the placeholder button a new bar starts with (off: the bar starts empty).
  BOOL m_bKeepPlaceholderButton = FALSE;

  // Creates the bar as child nID of pParentWnd. The CBRS_* bits of dwStyle
  // become the bar's own style (GetBarStyle); the WS_* bits are the window's.
  BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT nID = AFX_IDW_TOOLBAR);

  // Loads menu nMenuID and adds one drop-down button per top-level popup, in
  // menu order, captioned with the popup's title without its '&' marks, at
  // button position wButton (0xFFFF: after the buttons already there). The
  // bar owns the menu until it is destroyed. Null when the menu cannot be
  // loaded or the bar already holds one.
  HMENU InsertMenuBar(UINT nMenuID, WORD wButton = 0xFFFF);

  // The desktop has no Pocket PC adornments (close, help, OK buttons): adds
  // nothing.
  BOOL AddAdornments(DWORD dwFlags = 0);

  // Appends the buttons of toolbar resource nIDResource (type 241) with their
  // images from bitmap nIDResource; light grey (0xC0C0C0) shows as the button
  // face. FALSE when either resource is missing or malformed.
  BOOL LoadToolBar(UINT nIDResource);

  DWORD GetBarStyle() const { return m_dwBarStyle; }
  void SetBarStyle(DWORD dwStyle);

  // The hosted toolbar control.
  HWND GetToolBarCtrl() const { return m_hToolBar; }
  // The size the bar needs to show all its buttons in one row.
  SIZE CalcFixedSize() const;
  // Enables each image button whose command has a handler on pTarget's
  // route; with bDisableIfNoHandler, disables the others.
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHandler);

 protected:
  // Image buttons: their WM_COMMAND goes on to the parent frame.
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void PostNcDestroy() override;

  LRESULT OnSetToolTips(WPARAM wParam, LPARAM lParam);
  LRESULT OnNotify(WPARAM wParam, LPARAM lParam);
  LRESULT OnSizeMessage(WPARAM wParam, LPARAM lParam);
  LRESULT OnPaintMessage(WPARAM wParam, LPARAM lParam);

 private:
  // The toolbar index of the button with command nCommand, or -1.
  int IndexOf(int nCommand) const;
  // The buttons before index nIndex that are not separators.
  int NonSeparatorsBefore(int nIndex) const;
  bool IsMenuButton(int nCommand) const;
  // Opens the popup of menu button nCommand over the button, owned by the frame.
  void TrackMenuButton(int nCommand);
  // The tooltip of the button with command nCommand, or null.
  LPCWSTR ToolTipFor(int nCommand) const;
  int NonSeparatorCount() const;
  int TopBorder() const;
  // Lets the parent frame place the bar again after its size changed.
  void RequestLayout();
  void ReleaseResources();

  HWND m_hToolBar = nullptr;
  HMENU m_hMenu = nullptr;
  HIMAGELIST m_hImageList = nullptr;
  DWORD m_dwBarStyle = 0;
  const wchar_t* const* m_ppToolTips = nullptr;  // the caller's table, not a copy
  UINT m_nToolTips = 0;

  DECLARE_MESSAGE_MAP()
};
