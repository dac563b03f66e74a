#include "shell/about_dialog.h"

#include "res/resource.h"

IMPLEMENT_DYNAMIC(CAboutDialog, CDialog)

// IDOK and IDCANCEL are handled by CDialog's map.
BEGIN_MESSAGE_MAP(CAboutDialog, CDialog)
END_MESSAGE_MAP()

// No parent: the dialog is owned by the application's main window.
CAboutDialog::CAboutDialog() : CDialog(IDD_ABOUTBOX, nullptr) {}

BOOL CAboutDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  CenterWindow();
  return TRUE;
}

void CAboutDialog::DoDataExchange(void*) {}
