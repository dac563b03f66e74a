// CWnd: a C++ object bound to one window handle. Messages to the window are
// routed through the object's message maps; what no map handles goes to the
// window's default procedure.
#pragma once

#include "framework/afx_string.h"
#include "framework/cmd_target.h"

class CWnd : public CCmdTarget {
  DECLARE_DYNAMIC(CWnd)

 public:
  CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;
  // Destroys a window that still exists.
  ~CWnd() override;

  HWND m_hWnd = nullptr;
  operator HWND() const { return m_hWnd; }

  // The object bound to hWnd; for a window made elsewhere, a temporary
  // wrapper that lives until the next idle time.
  static CWnd* FromHandle(HWND hWnd);
  // The object bound to hWnd, or null.
  static CWnd* FromHandlePermanent(HWND hWnd);
  // Frees the temporary wrappers made by FromHandle.
  static void DeleteTempMap();

  // Creates the window; the object receives every message from the first on.
  BOOL CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, int x, int y, int nWidth,
                int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam = nullptr);
  BOOL DestroyWindow();

  // Called before the window is created; FALSE stops the creation.
  virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
  // Called by the message loop before a message is translated and dispatched;
  // TRUE means the message has been handled.
  virtual BOOL PreTranslateMessage(MSG* pMsg);

  void GetWindowText(CString& rString) const;
  void SetWindowText(LPCWSTR lpszString);
  BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
  void UpdateWindow() { ::UpdateWindow(m_hWnd); }
  CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
  void CenterWindow(CWnd* pAlternateOwner = nullptr);
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
  }

  // Binds this object to a window made elsewhere and routes its messages here.
  BOOL SubclassWindow(HWND hWnd);

 protected:
  // Routes one message: commands through OnCommand, the rest through the maps.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  // The window's default processing of any message.
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Default processing of the message being handled now.
  LRESULT Default();
  // Called after the window's last message; the object may delete itself here.
  virtual void PostNcDestroy() {}

  int OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
  void OnSetFocus(CWnd*) { Default(); }
  void OnTimer(UINT_PTR) { Default(); }
  void OnClose() { Default(); }

  WNDPROC m_pfnSuper = nullptr;  // the procedure of a subclassed window

  friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);

 private:
  void Attach(HWND hWnd);
  void Detach();

  struct CurrentMessage {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
  } m_current;

  DECLARE_MESSAGE_MAP()
};

// The window procedure of every window class the framework registers.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Registers (once) and names a window class that routes to AfxWndProc.
LPCWSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr, HBRUSH hbrBackground = nullptr,
                            HICON hIcon = nullptr);

HINSTANCE AfxGetInstanceHandle();
