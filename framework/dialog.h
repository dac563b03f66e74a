// CDialog: a modal dialog made from a dialog template resource. Its messages
// are routed through the object's message maps like those of any CWnd; IDOK
// and IDCANCEL end it (Enter, Esc and the caption's close box send them).
#pragma once

#include "framework/wnd.h"

class CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)

 public:
  // The dialog of template nIDTemplate, owned by pParentWnd or, when that is
  // null, by the application's main window.
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

  // Runs the dialog until it ends; returns the code it ended with, or -1 when
  // the template is missing or the dialog could not be created (nothing shows).
  virtual INT_PTR DoModal();
  // Ends the modal dialog; DoModal returns nResult.
  void EndDialog(int nResult);

  // Called once the dialog and its controls exist, before it shows; TRUE lets
  // the system give the focus to the first control.
  virtual BOOL OnInitDialog();

 protected:
  // Moves data between the controls and the object's members; the base
  // class binds nothing.
  virtual void DoDataExchange(void* pDX);

  // IDOK and IDCANCEL: end the dialog with that code.
  virtual void OnOK();
  virtual void OnCancel();

  UINT m_nIDTemplate = 0;
  CWnd* m_pParentWnd = nullptr;

 private:
  friend INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM);

  DECLARE_MESSAGE_MAP()
};

// The dialog procedure of every CDialog: binds the object at WM_INITDIALOG.
INT_PTR CALLBACK AfxDlgProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);
