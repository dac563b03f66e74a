// Message maps on real windows: chained lookup, command routing, default
// processing, and the frame object's life after its window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/frame_wnd.h"

namespace {

std::vector<std::string> g_calls;

class CBaseWnd : public CFrameWnd {
 protected:
  void OnTimer(UINT_PTR) { g_calls.push_back("base timer"); }
  void OnClose() {
    g_calls.push_back("base close");
    CFrameWnd::OnClose();
  }
  void OnBaseCommand() { g_calls.push_back("base command"); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CFrameWnd)
ON_WM_TIMER()
ON_WM_CLOSE()
ON_COMMAND(100, OnBaseCommand)
END_MESSAGE_MAP()

// A child whose handler closes its parent frame, which owns the child.
class CClosingChild : public CWnd {
 protected:
  void OnTimer(UINT_PTR) {
    ::SendMessageW(::GetParent(m_hWnd), WM_CLOSE, 0, 0);
    g_calls.push_back("child handler still running");
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CClosingChild, CWnd)
ON_WM_TIMER()
END_MESSAGE_MAP()

class CDerivedWnd : public CBaseWnd {
 public:
  CClosingChild m_child;

  ~CDerivedWnd() override { g_calls.push_back("deleted"); }

 protected:
  void OnTimer(UINT_PTR id) { g_calls.push_back("derived timer " + std::to_string(id)); }
  void OnDerivedCommand() { g_calls.push_back("derived command"); }
  // Closes its own window from inside a handler, as a modal loop can when a
  // close was posted meanwhile.
  void OnCloseFromHandler() {
    ::SendMessageW(m_hWnd, WM_CLOSE, 0, 0);
    g_calls.push_back("handler still running");
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
ON_WM_TIMER()
ON_COMMAND(200, OnDerivedCommand)
ON_COMMAND(400, OnCloseFromHandler)
END_MESSAGE_MAP()

class MessageMapTest : public testing::Test {
 protected:
  void SetUp() override {
    g_calls.clear();
    wnd = new CDerivedWnd;
    ASSERT_TRUE(wnd->LoadFrame(1));
    hwnd = wnd->m_hWnd;
  }
  void TearDown() override {
    if (::IsWindow(hwnd)) ::DestroyWindow(hwnd);
  }
  CDerivedWnd* wnd = nullptr;
  HWND hwnd = nullptr;
};

TEST_F(MessageMapTest, TheMostDerivedHandlerWinsAndTheChainReachesTheBase) {
  ::SendMessageW(hwnd, WM_TIMER, 7, 0);
  ::SendMessageW(hwnd, WM_COMMAND, 200, 0);
  ::SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(100, 1), 0);  // from an accelerator
  ::SendMessageW(hwnd, WM_COMMAND, 300, 0);                 // no handler: nothing happens
  EXPECT_EQ(g_calls, (std::vector<std::string>{"derived timer 7", "derived command", "base command"}));
  EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), wnd);
}

TEST_F(MessageMapTest, CommandRoutingCanOnlyAskForAHandler) {
  AFX_CMDHANDLERINFO info;
  EXPECT_TRUE(wnd->OnCmdMsg(100, CN_COMMAND, nullptr, &info));
  EXPECT_EQ(info.pTarget, wnd);
  EXPECT_FALSE(wnd->OnCmdMsg(300, CN_COMMAND, nullptr, &info));
  EXPECT_TRUE(g_calls.empty());
}

TEST_F(MessageMapTest, UnhandledMessagesGetTheDefaultProcessing) {
  ::SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"title"));
  wchar_t text[16] = {};
  ::GetWindowTextW(hwnd, text, 16);
  EXPECT_STREQ(text, L"title");
}

TEST_F(MessageMapTest, CloseDestroysTheWindowAndTheFrameDeletesItself) {
  ::SendMessageW(hwnd, WM_CLOSE, 0, 0);
  EXPECT_FALSE(::IsWindow(hwnd));
  EXPECT_EQ(g_calls, (std::vector<std::string>{"base close", "deleted"}));
  EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
}

TEST_F(MessageMapTest, AFrameClosedFromItsOwnHandlerIsDeletedOnlyWhenTheHandlerHasReturned) {
  ::SendMessageW(hwnd, WM_COMMAND, 400, 0);
  EXPECT_FALSE(::IsWindow(hwnd));
  EXPECT_EQ(g_calls, (std::vector<std::string>{"base close", "handler still running", "deleted"}));
}

TEST_F(MessageMapTest, AFrameClosedFromItsChildsHandlerOutlivesThatHandler) {
  ASSERT_TRUE(wnd->m_child.CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_CHILD, 0, 0, 10, 10, hwnd, nullptr));
  ::SendMessageW(wnd->m_child.m_hWnd, WM_TIMER, 1, 0);
  EXPECT_FALSE(::IsWindow(hwnd));
  EXPECT_EQ(g_calls, (std::vector<std::string>{"base close", "child handler still running", "deleted"}));
}

}  // namespace
