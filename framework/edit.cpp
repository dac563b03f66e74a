#include "framework/edit.h"

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  if (!CreateEx(0, L"EDIT", nullptr, dwStyle, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                pParentWnd ? pParentWnd->m_hWnd : nullptr, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID))))
    return FALSE;
  // The desktop's edit control starts with the bold system font; use the GUI font.
  SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return TRUE;
}
