// CEdit: an edit control owned by a C++ object.
#pragma once

#include "framework/wnd.h"

class CEdit : public CWnd {
 public:
  // Creates the control as child nID of pParentWnd; FALSE when it could not be made.
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
};
