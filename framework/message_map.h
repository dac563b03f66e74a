// Message maps: a static table of entries per class, each entry pointing to a
// typed adapter that unpacks WPARAM/LPARAM and calls the class's handler.
// A map points to its base class's map; lookups walk that chain.
//
//   BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
//     ON_WM_CREATE()
//     ON_COMMAND(ID_APP_ABOUT, OnShowAbout)
//   END_MESSAGE_MAP()
#pragma once

#include <windows.h>

class CCmdTarget;
class CWnd;

// Calls one handler of `target` with the message's parameters.
using AfxMessageAdapter = LRESULT (*)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;  // window message; WM_COMMAND for command entries; 0 ends the table
  UINT nCode;     // command notification code (CN_COMMAND)
  UINT nID;       // command id, for WM_COMMAND entries
  AfxMessageAdapter adapter;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();  // null for the root of the chain
  const AFX_MSGMAP_ENTRY* lpEntries;
};

// Command notification codes used with OnCmdMsg.
constexpr int CN_COMMAND = 0;

#define DECLARE_MESSAGE_MAP()                       \
 protected:                                         \
  static const AFX_MSGMAP* GetThisMessageMap();     \
  const AFX_MSGMAP* GetMessageMap() const override; \
                                                    \
 private:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                                 \
    using ThisClass [[maybe_unused]] = theClass;                                    \
    using TheBaseClass = baseClass;                                                 \
    static const AFX_MSGMAP_ENTRY entries[] = {
#define END_MESSAGE_MAP()                                                    \
  { 0, 0, 0, nullptr }                                                       \
  }                                                                          \
  ;                                                                          \
  static const AFX_MSGMAP map = {&TheBaseClass::GetThisMessageMap, entries}; \
  return &map;                                                               \
  }

// The adapters are lambdas written inside the class's own map function, so
// they may call protected handlers.

// void OnCommandHandler()
#define ON_COMMAND(id, memberFxn)                                                                     \
  {WM_COMMAND, CN_COMMAND, static_cast<UINT>(id), [](CCmdTarget* target, WPARAM, LPARAM) -> LRESULT { \
     static_cast<ThisClass*>(target)->memberFxn();                                                    \
     return 0;                                                                                        \
   }},

// int OnCreate(LPCREATESTRUCT lpCreateStruct)
#define ON_WM_CREATE()                                                                           \
  {WM_CREATE, 0, 0, [](CCmdTarget* target, WPARAM, LPARAM lParam) -> LRESULT {                   \
     return static_cast<ThisClass*>(target)->OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam)); \
   }},

// void OnSetFocus(CWnd* pOldWnd)
#define ON_WM_SETFOCUS()                                                                            \
  {WM_SETFOCUS, 0, 0, [](CCmdTarget* target, WPARAM wParam, LPARAM) -> LRESULT {                    \
     static_cast<ThisClass*>(target)->OnSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam))); \
     return 0;                                                                                      \
   }},

// void OnTimer(UINT_PTR nIDEvent)
#define ON_WM_TIMER()                                                         \
  {WM_TIMER, 0, 0, [](CCmdTarget* target, WPARAM wParam, LPARAM) -> LRESULT { \
     static_cast<ThisClass*>(target)->OnTimer(static_cast<UINT_PTR>(wParam)); \
     return 0;                                                                \
   }},

// void OnClose()
#define ON_WM_CLOSE()                                                  \
  {WM_CLOSE, 0, 0, [](CCmdTarget* target, WPARAM, LPARAM) -> LRESULT { \
     static_cast<ThisClass*>(target)->OnClose();                       \
     return 0;                                                         \
   }},

// void OnNcDestroy()
#define ON_WM_NCDESTROY()                                                  \
  {WM_NCDESTROY, 0, 0, [](CCmdTarget* target, WPARAM, LPARAM) -> LRESULT { \
     static_cast<ThisClass*>(target)->OnNcDestroy();                       \
     return 0;                                                             \
   }},

// void OnInitMenuPopup(HMENU hPopupMenu, UINT nIndex, BOOL bSysMenu)
#define ON_WM_INITMENUPOPUP()                                                                          \
  {WM_INITMENUPOPUP, 0, 0, [](CCmdTarget* target, WPARAM wParam, LPARAM lParam) -> LRESULT {           \
     static_cast<ThisClass*>(target)->OnInitMenuPopup(reinterpret_cast<HMENU>(wParam), LOWORD(lParam), \
                                                      HIWORD(lParam));                                 \
     return 0;                                                                                         \
   }},

// BOOL OnEraseBkgnd(HDC hdc)
#define ON_WM_ERASEBKGND()                                                                \
  {WM_ERASEBKGND, 0, 0, [](CCmdTarget* target, WPARAM wParam, LPARAM) -> LRESULT {        \
     return static_cast<ThisClass*>(target)->OnEraseBkgnd(reinterpret_cast<HDC>(wParam)); \
   }},

// LRESULT OnMessage(WPARAM wParam, LPARAM lParam)
#define ON_MESSAGE(message, memberFxn)                                                                 \
  {static_cast<UINT>(message), 0, 0, [](CCmdTarget* target, WPARAM wParam, LPARAM lParam) -> LRESULT { \
     return static_cast<ThisClass*>(target)->memberFxn(wParam, lParam);                                \
   }},
