#include "framework/wnd.h"

#include <cwchar>
#include <memory>
#include <unordered_map>
#include <vector>

namespace {

// Windows bound to objects of the program, and temporary wrappers for others.
std::unordered_map<HWND, CWnd*>& PermanentMap() {
  static std::unordered_map<HWND, CWnd*> map;
  return map;
}
std::unordered_map<HWND, std::unique_ptr<CWnd>>& TemporaryMap() {
  static std::unordered_map<HWND, std::unique_ptr<CWnd>> map;
  return map;
}

// The object whose window is being created on this thread: it is bound to
// the window at the first message, before WM_NCCREATE.
thread_local CWnd* t_pWndInit = nullptr;

// Window messages being handled on this thread now, nested ones included,
// and the objects whose windows have been destroyed meanwhile. A window
// destroyed from inside a handler (a close posted by a timer tick and
// dispatched by a modal loop or a menu) may belong to an object that is still
// on the stack, its own or a parent's: such objects end themselves only when
// the outermost message has returned.
thread_local int t_nMessageDepth = 0;
thread_local std::vector<CWnd*> t_pendingPostNcDestroy;

}  // namespace

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

HINSTANCE AfxGetInstanceHandle() { return GetModuleHandleW(nullptr); }

CWnd::~CWnd() {
  if (m_hWnd && ::IsWindow(m_hWnd)) DestroyWindow();
  if (m_hWnd) Detach();
  // An object that ends on its own needs no call after its window any more.
  std::erase(t_pendingPostNcDestroy, this);
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
  const auto it = PermanentMap().find(hWnd);
  return it == PermanentMap().end() ? nullptr : it->second;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
  if (!hWnd) return nullptr;
  if (CWnd* wnd = FromHandlePermanent(hWnd)) return wnd;
  auto& slot = TemporaryMap()[hWnd];
  if (!slot) {
    slot = std::make_unique<CWnd>();
    slot->m_hWnd = hWnd;
  }
  return slot.get();
}

void CWnd::DeleteTempMap() {
  for (auto& [hWnd, wnd] : TemporaryMap()) wnd->m_hWnd = nullptr;  // not ours to destroy
  TemporaryMap().clear();
}

void CWnd::Attach(HWND hWnd) {
  m_hWnd = hWnd;
  PermanentMap()[hWnd] = this;
}

void CWnd::Detach() {
  PermanentMap().erase(m_hWnd);
  m_hWnd = nullptr;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT&) { return TRUE; }

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam) {
  CREATESTRUCT cs{};
  cs.dwExStyle = dwExStyle;
  cs.lpszClass = lpszClassName;
  cs.lpszName = lpszWindowName;
  cs.style = static_cast<LONG>(dwStyle);
  cs.x = x;
  cs.y = y;
  cs.cx = nWidth;
  cs.cy = nHeight;
  cs.hwndParent = hWndParent;
  cs.hMenu = nIDorHMenu;
  cs.hInstance = AfxGetInstanceHandle();
  cs.lpCreateParams = lpParam;
  if (!PreCreateWindow(cs)) {
    PostNcDestroy();
    return FALSE;
  }

  CWnd* const previous = t_pWndInit;
  t_pWndInit = this;
  HWND hWnd = ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x, cs.y,
                                cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
  const bool boundAtFirstMessage = t_pWndInit != this;
  t_pWndInit = previous;

  if (!hWnd) {
    // A window of ours that failed in WM_CREATE has seen its WM_NCDESTROY,
    // which ends the object. One that failed before its first message ends
    // here, the same way.
    if (!boundAtFirstMessage) PostNcDestroy();
    return FALSE;
  }
  // A window of a system class (an edit control, ...) is bound afterwards.
  if (!boundAtFirstMessage) SubclassWindow(hWnd);
  return TRUE;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
  Attach(hWnd);
  m_pfnSuper =
      reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
  return TRUE;
}

BOOL CWnd::DestroyWindow() { return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE; }

void CWnd::GetWindowText(CString& rString) const {
  const int length = ::GetWindowTextLengthW(m_hWnd);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = ::GetWindowTextW(m_hWnd, text.data(), length + 1);
  rString = CString(text.c_str(), copied);
}

void CWnd::SetWindowText(LPCWSTR lpszString) { ::SetWindowTextW(m_hWnd, lpszString); }

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
  RECT self{};
  ::GetWindowRect(m_hWnd, &self);
  HWND owner = pAlternateOwner ? pAlternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
  RECT area{};
  if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner)) {
    ::GetWindowRect(owner, &area);
  } else {
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  }
  const int width = self.right - self.left;
  const int height = self.bottom - self.top;
  const int x = area.left + (area.right - area.left - width) / 2;
  const int y = area.top + (area.bottom - area.top - height) / 2;
  ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper) return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() { return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam); }

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM) {
  // Menus and accelerators send codes 0 and 1; both are plain commands.
  return OnCmdMsg(LOWORD(wParam), CN_COMMAND, nullptr, nullptr);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) {
    if (HIWORD(wParam) <= 1 && OnCommand(wParam, lParam)) return 0;
    return DefWindowProc(message, wParam, lParam);
  }
  if (const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(message, 0, 0)) return entry->adapter(this, wParam, lParam);
  return DefWindowProc(message, wParam, lParam);
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* wnd = CWnd::FromHandlePermanent(hWnd);
  if (!wnd && t_pWndInit) {
    wnd = t_pWndInit;
    t_pWndInit = nullptr;
    wnd->Attach(hWnd);
  }
  if (!wnd) return ::DefWindowProcW(hWnd, message, wParam, lParam);

  const CWnd::CurrentMessage saved = wnd->m_current;
  wnd->m_current = {message, wParam, lParam};
  ++t_nMessageDepth;
  const LRESULT result = wnd->WindowProc(message, wParam, lParam);
  --t_nMessageDepth;
  wnd->m_current = saved;

  if (message == WM_NCDESTROY) {
    // The window's last message: unbind; the object ends once no handler is
    // running any more.
    wnd->Detach();
    wnd->m_pfnSuper = nullptr;
    t_pendingPostNcDestroy.push_back(wnd);
  }
  if (t_nMessageDepth == 0) {
    // Children were destroyed before their parent, so they go first.
    while (!t_pendingPostNcDestroy.empty()) {
      CWnd* ended = t_pendingPostNcDestroy.front();
      t_pendingPostNcDestroy.erase(t_pendingPostNcDestroy.begin());
      ended->PostNcDestroy();
    }
  }
  return result;
}

LPCWSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon) {
  // One class per combination of attributes, named after them.
  static std::unordered_map<std::wstring, std::wstring> registered;
  wchar_t name[96];
  std::swprintf(name, std::size(name), L"Afx:%p:%x:%p:%p:%p", static_cast<void*>(AfxGetInstanceHandle()), nClassStyle,
                static_cast<void*>(hCursor), static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));
  auto [it, isNew] = registered.try_emplace(name, name);
  if (isNew) {
    WNDCLASSW wc{};
    wc.style = nClassStyle;
    wc.lpfnWndProc = &AfxWndProc;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.hIcon = hIcon;
    wc.lpszClassName = name;
    ::RegisterClassW(&wc);
  }
  return it->second.c_str();
}
