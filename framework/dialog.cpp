#include "framework/dialog.h"

#include <vector>

#include "framework/win_app.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

namespace {

// Windows CE's "OK button in the caption" extended style. Desktop Windows
// defines no such bit, so it is cleared before the template reaches
// CreateWindowEx; the desktop's close box takes the button's place.
constexpr DWORD WS_EX_CAPTIONOKBTN = 0x80000000;

// The style fields of a dialog template, plain or extended form.
struct TemplateStyles {
  DWORD* style;
  DWORD* exStyle;
};

TemplateStyles StylesOf(std::vector<BYTE>& dialogTemplate) {
  BYTE* data = dialogTemplate.data();
  const auto* words = reinterpret_cast<const WORD*>(data);
  if (dialogTemplate.size() >= 16 && words[0] == 1 && words[1] == 0xFFFF) {
    // DLGTEMPLATEEX: version, signature, help id, extended style, style.
    return {reinterpret_cast<DWORD*>(data + 12), reinterpret_cast<DWORD*>(data + 8)};
  }
  // DLGTEMPLATE: style, extended style.
  return {reinterpret_cast<DWORD*>(data), reinterpret_cast<DWORD*>(data + 4)};
}

// A copy of template nID for this desktop, or an empty vector when it is missing.
std::vector<BYTE> LoadDialogTemplate(UINT nID) {
  HINSTANCE instance = AfxGetInstanceHandle();
  HRSRC found = ::FindResourceW(instance, MAKEINTRESOURCEW(nID), RT_DIALOG);
  if (!found) return {};
  const void* data = ::LockResource(::LoadResource(instance, found));
  const DWORD size = ::SizeofResource(instance, found);
  if (!data || size < sizeof(DLGTEMPLATE)) return {};
  const auto* bytes = static_cast<const BYTE*>(data);
  std::vector<BYTE> copy(bytes, bytes + size);

  // A template that asks for the caption's OK button gets the desktop's
  // close box instead, in a modal frame (which shows no caption icon).
  const TemplateStyles styles = StylesOf(copy);
  if (*styles.exStyle & WS_EX_CAPTIONOKBTN) {
    *styles.exStyle &= ~WS_EX_CAPTIONOKBTN;
    *styles.style |= WS_SYSMENU | DS_MODALFRAME;
  }
  return copy;
}

}  // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

INT_PTR CDialog::DoModal() {
  const std::vector<BYTE> dialogTemplate = LoadDialogTemplate(m_nIDTemplate);
  if (dialogTemplate.empty()) return -1;

  HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
  if (!owner) {
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd) owner = app->m_pMainWnd->m_hWnd;
  }
  // The system runs the modal loop; AfxDlgProc binds this object to the
  // dialog at WM_INITDIALOG, the first message that carries it.
  return ::DialogBoxIndirectParamW(AfxGetInstanceHandle(), reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.data()),
                                   owner, &AfxDlgProc, reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(int nResult) { ::EndDialog(m_hWnd, nResult); }

BOOL CDialog::OnInitDialog() {
  DoDataExchange(nullptr);
  return TRUE;
}

void CDialog::DoDataExchange(void*) {}

void CDialog::OnOK() { EndDialog(IDOK); }

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

// The dialog's window is made by the system with the dialog class's own
// procedure, which calls this one. At WM_INITDIALOG the object subclasses the
// window: from then on every message goes through AfxWndProc and the object's
// maps first, and what they leave goes on to the dialog class's procedure
// (the object's DefWindowProc), which does the dialog's default processing
// and calls back here. So this procedure handles nothing else.
INT_PTR CALLBACK AfxDlgProc(HWND hDlg, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_INITDIALOG) return FALSE;
  auto* dialog = reinterpret_cast<CDialog*>(lParam);
  dialog->SubclassWindow(hDlg);
  return dialog->OnInitDialog();
}
