#include "framework/command_bar.h"

#include <algorithm>
#include <string>
#include <vector>

#include "framework/frame_wnd.h"

BEGIN_MESSAGE_MAP(CCeCommandBar, CWnd)
ON_MESSAGE(CE_TB_SETTOOLTIPS, OnSetToolTips)
ON_MESSAGE(WM_NOTIFY, OnNotify)
ON_MESSAGE(WM_SIZE, OnSizeMessage)
ON_MESSAGE(WM_PAINT, OnPaintMessage)
END_MESSAGE_MAP()

namespace {

// Resource type of a toolbar: 16-bit words version, button width, button
// height, button count, then one command id per button (0: a separator).
constexpr WORD kToolBarResourceType = 241;
constexpr WORD kToolBarResourceVersion = 1;

// Menu buttons get command ids that no command uses, one per menu position.
// Their button data holds the popup's position plus one, so image buttons
// (data 0) are told apart from them.
constexpr int kFirstMenuButtonId = 0xE880;

constexpr UINT kToolBarCtrlId = 1;
constexpr int kBorderHeight = 2;  // the etched line of CBRS_BORDER_TOP

struct ToolBarResource {
  int buttonWidth = 0;
  int buttonHeight = 0;
  std::vector<WORD> commands;
};

bool ReadToolBarResource(UINT id, ToolBarResource& out) {
  const HINSTANCE instance = AfxGetInstanceHandle();
  const HRSRC found = ::FindResourceW(instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(kToolBarResourceType));
  if (!found) return false;
  const HGLOBAL loaded = ::LoadResource(instance, found);
  const auto* words = static_cast<const WORD*>(loaded ? ::LockResource(loaded) : nullptr);
  const DWORD size = ::SizeofResource(instance, found);
  if (!words || size < 4 * sizeof(WORD) || words[0] != kToolBarResourceVersion) return false;
  const WORD count = words[3];
  if (size < (4u + count) * sizeof(WORD) || words[1] == 0 || words[2] == 0) return false;
  out.buttonWidth = words[1];
  out.buttonHeight = words[2];
  out.commands.assign(words + 4, words + 4 + count);
  return true;
}

// A popup's title as a button caption: "&&" stands for '&', a single '&' marks a mnemonic.
std::wstring CaptionFromMenuText(const wchar_t* text) {
  std::wstring caption;
  for (const wchar_t* p = text; *p; ++p) {
    if (*p == L'&') {
      if (p[1] != L'&') continue;
      ++p;
    }
    caption += *p;
  }
  return caption;
}

TBBUTTON GetButton(HWND toolBar, int index) {
  TBBUTTON button{};
  ::SendMessageW(toolBar, TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button));
  return button;
}

int ButtonCount(HWND toolBar) { return static_cast<int>(::SendMessageW(toolBar, TB_BUTTONCOUNT, 0, 0)); }

}  // namespace

CCeCommandBar::~CCeCommandBar() {
  // Destroy the window while this object is still a command bar, so its
  // PostNcDestroy runs; then free what a window-less bar may still hold.
  if (m_hWnd && ::IsWindow(m_hWnd)) DestroyWindow();
  ReleaseResources();
}

BOOL CCeCommandBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
  if (!pParentWnd || !pParentWnd->m_hWnd || m_hWnd) return FALSE;
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES};
  if (!::InitCommonControlsEx(&controls)) return FALSE;

  m_dwBarStyle = dwStyle & 0xFFFF;
  const DWORD windowStyle = (dwStyle & 0xFFFF0000) | WS_CLIPCHILDREN;
  LPCWSTR windowClass = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW),
                                            reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
  if (!CreateEx(0, windowClass, nullptr, windowStyle, 0, 0, 0, 0, pParentWnd->m_hWnd,
                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID))))
    return FALSE;

  // The bar places the control itself: no parent alignment, no resizing, no divider.
  const DWORD toolBarStyle = WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_TOOLTIPS | CCS_NODIVIDER |
                             CCS_NORESIZE | CCS_NOPARENTALIGN;
  m_hToolBar = ::CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, toolBarStyle, 0, TopBorder(), 0, 0, m_hWnd,
                                 reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kToolBarCtrlId)), AfxGetInstanceHandle(),
                                 nullptr);
  if (!m_hToolBar) {
    DestroyWindow();
    return FALSE;
  }
  ::SendMessageW(m_hToolBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  // Menu buttons show their caption, image buttons only their image.
  ::SendMessageW(m_hToolBar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_MIXEDBUTTONS);
  // Captions are plain text: '&' is shown, not taken as a mnemonic mark.
  ::SendMessageW(m_hToolBar, TB_SETDRAWTEXTFLAGS, DT_NOPREFIX, DT_NOPREFIX);
  if (m_bKeepPlaceholderButton) {
    TBBUTTON placeholder{};
    placeholder.fsStyle = BTNS_SEP;
    ::SendMessageW(m_hToolBar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&placeholder));
  }
  RequestLayout();
  return TRUE;
}

HMENU CCeCommandBar::InsertMenuBar(UINT nMenuID, WORD wButton) {
  if (!m_hToolBar || m_hMenu) return nullptr;
  const HMENU menu = ::LoadMenuW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(nMenuID));
  if (!menu) return nullptr;

  int insertAt = wButton == 0xFFFF ? ButtonCount(m_hToolBar) : std::min<int>(wButton, ButtonCount(m_hToolBar));
  const int items = ::GetMenuItemCount(menu);
  for (int position = 0; position < items; ++position) {
    if (!::GetSubMenu(menu, position)) continue;
    wchar_t title[128] = {};
    ::GetMenuStringW(menu, static_cast<UINT>(position), title, static_cast<int>(std::size(title)), MF_BYPOSITION);
    // TB_ADDSTRING copies a list of strings that ends with an empty one.
    std::wstring strings = CaptionFromMenuText(title);
    strings.append(2, L'\0');
    const LRESULT stringIndex = ::SendMessageW(m_hToolBar, TB_ADDSTRINGW, 0, reinterpret_cast<LPARAM>(strings.c_str()));

    TBBUTTON button{};
    button.iBitmap = I_IMAGENONE;
    button.idCommand = kFirstMenuButtonId + position;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = BTNS_DROPDOWN | BTNS_AUTOSIZE | BTNS_SHOWTEXT | BTNS_NOPREFIX;  // the caption is plain text
    button.dwData = static_cast<DWORD_PTR>(position) + 1;
    button.iString = stringIndex;
    ::SendMessageW(m_hToolBar, TB_INSERTBUTTONW, static_cast<WPARAM>(insertAt++), reinterpret_cast<LPARAM>(&button));
  }
  m_hMenu = menu;
  RequestLayout();
  return menu;
}

BOOL CCeCommandBar::AddAdornments(DWORD) { return m_hToolBar != nullptr; }

BOOL CCeCommandBar::LoadToolBar(UINT nIDResource) {
  if (!m_hToolBar) return FALSE;
  ToolBarResource toolBar;
  if (!ReadToolBarResource(nIDResource, toolBar)) return FALSE;
  const HBITMAP bitmap = static_cast<HBITMAP>(
      ::LoadImageW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(nIDResource), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
  if (!bitmap) return FALSE;

  if (!m_hImageList) {
    m_hImageList = ::ImageList_Create(toolBar.buttonWidth, toolBar.buttonHeight, ILC_COLOR24 | ILC_MASK, 4, 4);
    if (!m_hImageList) {
      ::DeleteObject(bitmap);
      return FALSE;
    }
    ::SendMessageW(m_hToolBar, TB_SETBITMAPSIZE, 0, MAKELPARAM(toolBar.buttonWidth, toolBar.buttonHeight));
    ::SendMessageW(m_hToolBar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_hImageList));
  }
  // The light grey background becomes transparent, so the button face shows through.
  const int firstImage = ::ImageList_AddMasked(m_hImageList, bitmap, RGB(192, 192, 192));
  ::DeleteObject(bitmap);
  if (firstImage < 0) return FALSE;

  std::vector<TBBUTTON> buttons;
  int image = firstImage;
  for (const WORD command : toolBar.commands) {
    TBBUTTON button{};
    if (command == 0) {
      button.fsStyle = BTNS_SEP;
    } else {
      button.iBitmap = image++;
      button.idCommand = command;
      button.fsState = TBSTATE_ENABLED;
      button.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE;
      button.iString = -1;
    }
    buttons.push_back(button);
  }
  ::SendMessageW(m_hToolBar, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));

  if (auto* frame = dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(::GetParent(m_hWnd))))
    OnUpdateCmdUI(frame, frame->m_bAutoMenuEnable);
  RequestLayout();
  return TRUE;
}

void CCeCommandBar::SetBarStyle(DWORD dwStyle) {
  const bool borderChanged = ((m_dwBarStyle ^ dwStyle) & CBRS_BORDER_TOP) != 0;
  m_dwBarStyle = dwStyle;
  if (borderChanged && m_hWnd) {
    RequestLayout();
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
  }
}

SIZE CCeCommandBar::CalcFixedSize() const {
  SIZE size{0, 0};
  if (!m_hToolBar) return size;
  SIZE buttons{0, 0};
  ::SendMessageW(m_hToolBar, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&buttons));
  const auto buttonSize = static_cast<DWORD>(::SendMessageW(m_hToolBar, TB_GETBUTTONSIZE, 0, 0));
  size.cx = buttons.cx;
  size.cy = std::max<LONG>(buttons.cy, HIWORD(buttonSize)) + TopBorder();
  return size;
}

void CCeCommandBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHandler) {
  if (!m_hToolBar || !pTarget) return;
  const int count = ButtonCount(m_hToolBar);
  for (int i = 0; i < count; ++i) {
    const TBBUTTON button = GetButton(m_hToolBar, i);
    if ((button.fsStyle & BTNS_SEP) || IsMenuButton(button.idCommand)) continue;
    AFX_CMDHANDLERINFO info;
    const bool handled = pTarget->OnCmdMsg(static_cast<UINT>(button.idCommand), CN_COMMAND, nullptr, &info);
    if (handled || bDisableIfNoHandler)
      ::SendMessageW(m_hToolBar, TB_ENABLEBUTTON, static_cast<WPARAM>(button.idCommand), MAKELPARAM(handled, 0));
  }
}

BOOL CCeCommandBar::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (IsMenuButton(LOWORD(wParam))) return TRUE;  // menu buttons act on mouse down only
  const HWND parent = ::GetParent(m_hWnd);
  if (parent) ::SendMessageW(parent, WM_COMMAND, wParam, lParam);
  return TRUE;
}

void CCeCommandBar::PostNcDestroy() { ReleaseResources(); }

// CE_TB_SETTOOLTIPS: WPARAM the number of strings, LPARAM the table. Returns
// TRUE when the bar keeps the table; FALSE, keeping the former one, when the
// table is null but strings are announced, or when there are more strings
// than buttons (separators have no tooltip and do not count). A count of 0
// removes the tooltips.
LRESULT CCeCommandBar::OnSetToolTips(WPARAM wParam, LPARAM lParam) {
  const auto* table = reinterpret_cast<const wchar_t* const*>(lParam);
  const auto count = static_cast<UINT>(wParam);
  if ((count > 0 && !table) || count > static_cast<UINT>(NonSeparatorCount())) return FALSE;
  m_ppToolTips = count > 0 ? table : nullptr;
  m_nToolTips = count;
  return TRUE;
}

LRESULT CCeCommandBar::OnNotify(WPARAM, LPARAM lParam) {
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (header->hwndFrom == m_hToolBar && m_hToolBar) {
    switch (header->code) {
      case TBN_DROPDOWN: {
        const int command = reinterpret_cast<NMTOOLBARW*>(lParam)->iItem;
        if (IsMenuButton(command)) TrackMenuButton(command);
        return TBDDRET_DEFAULT;
      }
      case TBN_GETINFOTIPW: {
        auto* tip = reinterpret_cast<NMTBGETINFOTIPW*>(lParam);
        if (LPCWSTR text = ToolTipFor(tip->iItem); text && tip->pszText && tip->cchTextMax > 0)
          ::lstrcpynW(tip->pszText, text, tip->cchTextMax);
        return 0;
      }
      default:
        break;
    }
  }
  // A toolbar passes the tooltip's own request on when it found no text.
  if (header->code == TTN_GETDISPINFOW) {
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
    if (!(info->uFlags & TTF_IDISHWND)) {
      if (LPCWSTR text = ToolTipFor(static_cast<int>(info->hdr.idFrom))) {
        info->hinst = nullptr;
        info->lpszText = const_cast<LPWSTR>(text);
      }
    }
    return 0;
  }
  return Default();
}

LRESULT CCeCommandBar::OnSizeMessage(WPARAM, LPARAM lParam) {
  if (m_hToolBar) {
    const int top = TopBorder();
    ::MoveWindow(m_hToolBar, 0, top, LOWORD(lParam), std::max(0, HIWORD(lParam) - top), TRUE);
  }
  return 0;
}

LRESULT CCeCommandBar::OnPaintMessage(WPARAM, LPARAM) {
  PAINTSTRUCT paint{};
  const HDC dc = ::BeginPaint(m_hWnd, &paint);
  if (m_dwBarStyle & CBRS_BORDER_TOP) {
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    ::DrawEdge(dc, &client, EDGE_ETCHED, BF_TOP);
  }
  ::EndPaint(m_hWnd, &paint);
  return 0;
}

int CCeCommandBar::IndexOf(int nCommand) const {
  return static_cast<int>(::SendMessageW(m_hToolBar, TB_COMMANDTOINDEX, static_cast<WPARAM>(nCommand), 0));
}

int CCeCommandBar::NonSeparatorsBefore(int nIndex) const {
  int count = 0;
  for (int i = 0; i < nIndex; ++i)
    if (!(GetButton(m_hToolBar, i).fsStyle & BTNS_SEP)) ++count;
  return count;
}

bool CCeCommandBar::IsMenuButton(int nCommand) const {
  if (!m_hToolBar) return false;
  const int index = IndexOf(nCommand);
  return index >= 0 && GetButton(m_hToolBar, index).dwData != 0;
}

void CCeCommandBar::TrackMenuButton(int nCommand) {
  const int index = IndexOf(nCommand);
  const HMENU popup = ::GetSubMenu(m_hMenu, static_cast<int>(GetButton(m_hToolBar, index).dwData) - 1);
  const HWND owner = ::GetParent(m_hWnd);
  if (!popup || !owner) return;

  RECT button{};
  ::SendMessageW(m_hToolBar, TB_GETRECT, static_cast<WPARAM>(nCommand), reinterpret_cast<LPARAM>(&button));
  ::MapWindowPoints(m_hToolBar, nullptr, reinterpret_cast<POINT*>(&button), 2);
  // The bar lies at the bottom, so the popup opens upwards from the button;
  // where there is no room above, the system opens it below.
  TPMPARAMS params{sizeof(params), button};
  ::SendMessageW(m_hToolBar, TB_PRESSBUTTON, static_cast<WPARAM>(nCommand), MAKELPARAM(TRUE, 0));
  ::TrackPopupMenuEx(popup, TPM_LEFTALIGN | TPM_BOTTOMALIGN | TPM_VERTICAL | TPM_LEFTBUTTON, button.left, button.top,
                     owner, &params);
  if (m_hToolBar) ::SendMessageW(m_hToolBar, TB_PRESSBUTTON, static_cast<WPARAM>(nCommand), MAKELPARAM(FALSE, 0));
}

LPCWSTR CCeCommandBar::ToolTipFor(int nCommand) const {
  if (!m_hToolBar || !m_ppToolTips) return nullptr;
  const int index = IndexOf(nCommand);
  if (index < 0) return nullptr;
  const auto slot = static_cast<UINT>(NonSeparatorsBefore(index));
  return slot < m_nToolTips ? m_ppToolTips[slot] : nullptr;
}

int CCeCommandBar::NonSeparatorCount() const { return m_hToolBar ? NonSeparatorsBefore(ButtonCount(m_hToolBar)) : 0; }

int CCeCommandBar::TopBorder() const { return (m_dwBarStyle & CBRS_BORDER_TOP) ? kBorderHeight : 0; }

void CCeCommandBar::RequestLayout() {
  if (!m_hWnd) return;
  if (auto* frame = dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(::GetParent(m_hWnd)))) {
    frame->RecalcLayout();
    return;
  }
  // Without a frame, keep the bar's size and place the control again.
  RECT client{};
  ::GetClientRect(m_hWnd, &client);
  OnSizeMessage(SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
}

void CCeCommandBar::ReleaseResources() {
  m_hToolBar = nullptr;  // a child of the bar's window, gone with it
  if (m_hMenu) ::DestroyMenu(m_hMenu);
  m_hMenu = nullptr;
  if (m_hImageList) ::ImageList_Destroy(m_hImageList);
  m_hImageList = nullptr;
  m_ppToolTips = nullptr;
  m_nToolTips = 0;
}
