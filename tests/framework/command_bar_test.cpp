// The command bar on a real frame: its buttons, the CE tooltip message,
// image-button commands, menu popups owned by the frame, and the frame's
// layout of bar and content.
#include "framework/command_bar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/edit.h"
#include "framework/frame_wnd.h"
#include "tests/framework/command_bar_test_ids.h"

namespace {

constexpr RECT kPaneRect{0, 0, 240, 280};

// What the frame saw of one popup after its automatic disabling ran.
struct PopupSeen {
  HMENU menu = nullptr;
  std::vector<UINT> ids;
  std::vector<bool> greyed;
};

class CTestFrame : public CFrameWnd {
 public:
  CEdit m_pane;
  CCeCommandBar m_bar;
  HMENU m_hBarMenu = nullptr;
  std::vector<UINT> m_commands;  // commands that reached a handler
  std::vector<PopupSeen> m_popups;

 protected:
  int OnCreate(LPCREATESTRUCT cs) {
    if (CFrameWnd::OnCreate(cs) == -1) return -1;
    if (!m_pane.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, kPaneRect, this, 100)) return -1;
    if (!m_bar.Create(this)) return -1;
    m_hBarMenu = m_bar.InsertMenuBar(IDR_TEST_FRAME, 0xFFFF);
    if (!m_hBarMenu || !m_bar.AddAdornments(0) || !m_bar.LoadToolBar(IDR_TEST_FRAME)) return -1;
    return 0;
  }
  void OnRun() { m_commands.push_back(ID_CMD_RUN); }
  void OnAbout() { m_commands.push_back(ID_CMD_ABOUT); }
  void OnInitMenuPopup(HMENU menu, UINT index, BOOL sysMenu) {
    CFrameWnd::OnInitMenuPopup(menu, index, sysMenu);
    PopupSeen seen{menu, {}, {}};
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
      seen.ids.push_back(::GetMenuItemID(menu, i));
      seen.greyed.push_back((::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_GRAYED) != 0);
    }
    m_popups.push_back(seen);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
ON_WM_CREATE()
ON_WM_INITMENUPOPUP()
ON_COMMAND(ID_CMD_RUN, OnRun)
ON_COMMAND(ID_CMD_ABOUT, OnAbout)
END_MESSAGE_MAP()

RECT ChildRectInParent(HWND child) {
  RECT rect{};
  ::GetWindowRect(child, &rect);
  ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

class CommandBarTest : public testing::Test {
 protected:
  void SetUp() override {
    frame = new CTestFrame;  // deletes itself with its window
    ASSERT_TRUE(frame->LoadFrame(IDR_TEST_FRAME));
    hwnd = frame->m_hWnd;
    toolBar = frame->m_bar.GetToolBarCtrl();
    ASSERT_NE(toolBar, nullptr);
  }
  void TearDown() override {
    if (::IsWindow(hwnd)) ::DestroyWindow(hwnd);
  }

  int ButtonCount() const { return static_cast<int>(::SendMessageW(toolBar, TB_BUTTONCOUNT, 0, 0)); }
  TBBUTTON Button(int index) const {
    TBBUTTON button{};
    ::SendMessageW(toolBar, TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button));
    return button;
  }
  // Asks the toolbar for a button's tooltip as its tooltip control does.
  std::wstring ToolTipOf(int command) const {
    NMTTDISPINFOW info{};
    info.hdr.hwndFrom = reinterpret_cast<HWND>(::SendMessageW(toolBar, TB_GETTOOLTIPS, 0, 0));
    info.hdr.idFrom = static_cast<UINT_PTR>(command);
    info.hdr.code = TTN_GETDISPINFOW;
    info.lpszText = info.szText;
    ::SendMessageW(toolBar, WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
    return info.lpszText ? info.lpszText : L"";
  }
  // Presses and releases the left mouse button over button `index`.
  void Click(int index) const {
    RECT rect{};
    ::SendMessageW(toolBar, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    ::SendMessageW(toolBar, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(toolBar, WM_LBUTTONUP, 0, at);
  }
  RECT ScreenRectOfButton(int index) const {
    RECT rect{};
    ::SendMessageW(toolBar, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    ::MapWindowPoints(toolBar, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }

  CTestFrame* frame = nullptr;
  HWND hwnd = nullptr;
  HWND toolBar = nullptr;
};

TEST_F(CommandBarTest, HoldsTheMenuButtonsThenTheImageButtonsInsideItsOwnWindow) {
  struct Expected {
    bool menu;
    const wchar_t* text;  // menu buttons
    int command;          // image buttons
    int image;
  };
  const Expected expected[] = {
      {true, L"Bearbeiten", 0, I_IMAGENONE}, {true, L"Extras & mehr", 0, I_IMAGENONE},
      {false, nullptr, ID_CMD_UNDO, 0},      {false, nullptr, ID_CMD_RUN, 1},
      {false, nullptr, ID_CMD_ABOUT, 2},     {false, nullptr, ID_CMD_CLEAR, 3},
  };
  ASSERT_EQ(ButtonCount(), static_cast<int>(std::size(expected)));
  for (int i = 0; i < ButtonCount(); ++i) {
    SCOPED_TRACE(i);
    const TBBUTTON button = Button(i);
    EXPECT_EQ(button.iBitmap, expected[i].image);
    if (expected[i].menu) {
      EXPECT_TRUE(button.fsStyle & BTNS_DROPDOWN);
      wchar_t text[64] = {};
      ::SendMessageW(toolBar, TB_GETBUTTONTEXTW, static_cast<WPARAM>(button.idCommand), reinterpret_cast<LPARAM>(text));
      EXPECT_STREQ(text, expected[i].text);
    } else {
      EXPECT_EQ(button.idCommand, expected[i].command);
      EXPECT_FALSE(button.fsStyle & (BTNS_DROPDOWN | BTNS_SEP));
    }
  }
  // The toolbar control lives inside the bar's own window, which is the frame's child.
  EXPECT_EQ(::GetParent(toolBar), frame->m_bar.m_hWnd);
  EXPECT_EQ(::GetParent(frame->m_bar.m_hWnd), hwnd);
  EXPECT_EQ(::GetDlgCtrlID(frame->m_bar.m_hWnd), AFX_IDW_TOOLBAR);
}

TEST_F(CommandBarTest, TheCeTooltipMessageGivesEachButtonItsStringFromTheCallersTable) {
  wchar_t strings[6][16] = {L"Datei", L"?", L"Zurueck", L"Ausfuehren", L"Info", L"Leeren"};
  const wchar_t* table[6] = {strings[0], strings[1], strings[2], strings[3], strings[4], strings[5]};
  EXPECT_NE(::SendMessageW(frame->m_bar.m_hWnd, CE_TB_SETTOOLTIPS, 6, reinterpret_cast<LPARAM>(table)), 0);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(ToolTipOf(Button(i).idCommand), strings[i]) << i;

  // The bar reads the caller's strings each time instead of a copy.
  strings[4][0] = L'X';
  EXPECT_EQ(ToolTipOf(ID_CMD_ABOUT), L"Xnfo");

  // A table that does not fit the bar is refused and the former one stays.
  EXPECT_EQ(::SendMessageW(frame->m_bar.m_hWnd, CE_TB_SETTOOLTIPS, 7, reinterpret_cast<LPARAM>(table)), 0);
  EXPECT_EQ(::SendMessageW(frame->m_bar.m_hWnd, CE_TB_SETTOOLTIPS, 2, 0), 0);
  EXPECT_EQ(ToolTipOf(ID_CMD_CLEAR), L"Leeren");

  // Fewer strings than buttons: the first buttons get them, the rest none.
  EXPECT_NE(::SendMessageW(frame->m_bar.m_hWnd, CE_TB_SETTOOLTIPS, 3, reinterpret_cast<LPARAM>(table)), 0);
  EXPECT_EQ(ToolTipOf(ID_CMD_UNDO), L"Zurueck");
  EXPECT_EQ(ToolTipOf(ID_CMD_RUN), L"");
}

WNDPROC g_toolBarProc = nullptr;
int g_ceMessagesAtToolBar = 0;

LRESULT CALLBACK CountingToolBarProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == CE_TB_SETTOOLTIPS) ++g_ceMessagesAtToolBar;
  return ::CallWindowProcW(g_toolBarProc, hWnd, message, wParam, lParam);
}

TEST_F(CommandBarTest, TheCeTooltipMessageNeverReachesTheDesktopToolbar) {
  // There it would be TB_INSERTMARKHITTEST and write through LPARAM.
  g_ceMessagesAtToolBar = 0;
  g_toolBarProc = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(toolBar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingToolBarProc)));
  const wchar_t* table[6] = {L"a", L"b", L"c", L"d", L"e", L"f"};
  EXPECT_NE(::SendMessageW(frame->m_bar.m_hWnd, CE_TB_SETTOOLTIPS, 6, reinterpret_cast<LPARAM>(table)), 0);
  ::SetWindowLongPtrW(toolBar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_toolBarProc));
  EXPECT_EQ(g_ceMessagesAtToolBar, 0);
  EXPECT_STREQ(table[0], L"a");
}

TEST_F(CommandBarTest, LoadToolBarFailsWithoutItsResourcesAndAddsNothing) {
  for (const UINT id : {IDR_NOTHING, IDR_TOOLBAR_NO_BITMAP}) {
    SCOPED_TRACE(id);
    EXPECT_FALSE(frame->m_bar.LoadToolBar(id));
    EXPECT_EQ(ButtonCount(), 6);
  }
}

TEST_F(CommandBarTest, SeparatorsTakeNeitherAnImageNorATooltip) {
  ASSERT_TRUE(frame->m_bar.LoadToolBar(IDR_TOOLBAR_SEPARATED));
  ASSERT_EQ(ButtonCount(), 9);
  EXPECT_EQ(Button(6).idCommand, ID_CMD_UNDO);
  EXPECT_EQ(Button(6).iBitmap, 4);  // after the first toolbar's four images
  EXPECT_TRUE(Button(7).fsStyle & BTNS_SEP);
  EXPECT_EQ(Button(8).idCommand, ID_CMD_ABOUT);
  EXPECT_EQ(Button(8).iBitmap, 5);

  const wchar_t* table[8] = {L"m1", L"m2", L"i1", L"i2", L"i3", L"i4", L"before", L"after"};
  EXPECT_NE(::SendMessageW(frame->m_bar.m_hWnd, CE_TB_SETTOOLTIPS, 8, reinterpret_cast<LPARAM>(table)), 0);
  EXPECT_EQ(ToolTipOf(Button(8).idCommand), L"i3");  // the first button with this command
  EXPECT_EQ(::SendMessageW(frame->m_bar.m_hWnd, CE_TB_SETTOOLTIPS, 9, reinterpret_cast<LPARAM>(table)), 0);
}

TEST_F(CommandBarTest, BarStyleIsTheBarsOwnState) {
  EXPECT_EQ(frame->m_bar.GetBarStyle(), static_cast<DWORD>(CBRS_TOP));
  frame->m_bar.SetBarStyle(frame->m_bar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_FIXED);
  EXPECT_EQ(frame->m_bar.GetBarStyle(), 0x2832u);
  // None of it lands in the window's style, where these bits mean other things.
  EXPECT_EQ(::GetWindowLongW(frame->m_bar.m_hWnd, GWL_STYLE) & 0xFFFF, 0);
}

TEST_F(CommandBarTest, ImageButtonsSendTheirCommandToTheFrame) {
  Click(3);  // ID_CMD_RUN
  Click(4);  // ID_CMD_ABOUT
  EXPECT_EQ(frame->m_commands, (std::vector<UINT>{ID_CMD_RUN, ID_CMD_ABOUT}));
}

TEST_F(CommandBarTest, CommandsWithoutHandlerShowDisabledAndDoNothing) {
  const struct {
    int command;
    bool enabled;
  } states[] = {{ID_CMD_UNDO, false}, {ID_CMD_RUN, true}, {ID_CMD_ABOUT, true}, {ID_CMD_CLEAR, false}};
  for (const auto& state : states)
    EXPECT_EQ(::SendMessageW(toolBar, TB_ISBUTTONENABLED, static_cast<WPARAM>(state.command), 0) != 0, state.enabled)
        << state.command;
  Click(2);  // ID_CMD_UNDO, disabled
  ::SendMessageW(frame->m_bar.m_hWnd, WM_COMMAND, MAKEWPARAM(ID_CMD_CLEAR, BN_CLICKED),
                 reinterpret_cast<LPARAM>(toolBar));
  EXPECT_TRUE(frame->m_commands.empty());
  EXPECT_TRUE(::IsWindow(hwnd));
}

// The popup's window while a menu is open, found from a timer inside the menu's loop.
RECT g_popupRect{};
std::vector<UINT> g_keysToPopup;

void CALLBACK InsideMenuLoop(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  const HWND popup = ::FindWindowW(L"#32768", nullptr);
  if (popup && ::IsWindowVisible(popup)) ::GetWindowRect(popup, &g_popupRect);
  if (g_keysToPopup.empty()) {
    ::EndMenu();
    return;
  }
  for (const UINT key : g_keysToPopup) ::PostMessageW(popup, WM_KEYDOWN, key, 0);
}

class CommandBarMenuTest : public CommandBarTest {
 protected:
  // Clicks menu button `index`; the menu loop runs until the timer ends it
  // or the keys choose an item.
  void OpenMenuButton(int index, std::vector<UINT> keys = {}) {
    g_popupRect = RECT{};
    g_keysToPopup = std::move(keys);
    ::SetTimer(nullptr, 0, 200, &InsideMenuLoop);
    Click(index);
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);  // a chosen item's command
  }
};

TEST_F(CommandBarMenuTest, AMenuButtonOpensItsPopupOwnedByTheFrame) {
  OpenMenuButton(0);
  ASSERT_EQ(frame->m_popups.size(), 1u);
  const PopupSeen& seen = frame->m_popups[0];
  EXPECT_EQ(seen.menu, ::GetSubMenu(frame->m_hBarMenu, 0));
  // The frame's automatic disabling ran on it: Undo has no handler, Run has one.
  EXPECT_EQ(seen.ids, (std::vector<UINT>{ID_CMD_UNDO, 0, ID_CMD_RUN}));
  EXPECT_TRUE(seen.greyed[0]);
  EXPECT_FALSE(seen.greyed[2]);
  // The popup opens next to its button, not over it.
  const RECT button = ScreenRectOfButton(0);
  RECT overlap{};
  EXPECT_GT(g_popupRect.bottom, g_popupRect.top);
  EXPECT_FALSE(::IntersectRect(&overlap, &g_popupRect, &button));
  EXPECT_TRUE(frame->m_commands.empty());
}

TEST_F(CommandBarMenuTest, AChosenItemSendsItsCommandToTheFrame) {
  OpenMenuButton(1, {VK_DOWN, VK_RETURN});
  ASSERT_EQ(frame->m_popups.size(), 1u);
  EXPECT_EQ(frame->m_popups[0].menu, ::GetSubMenu(frame->m_hBarMenu, 1));
  EXPECT_EQ(frame->m_commands, (std::vector<UINT>{ID_CMD_ABOUT}));
}

TEST_F(CommandBarTest, TheFrameFitsThePaneWithTheBarBelowItAndKeepsTheBarAtTheBottom) {
  const SIZE barSize = frame->m_bar.CalcFixedSize();
  RECT client{};
  ::GetClientRect(hwnd, &client);
  EXPECT_EQ(client.bottom, kPaneRect.bottom + barSize.cy);
  EXPECT_EQ(client.right, std::max<LONG>(kPaneRect.right, barSize.cx));

  RECT window{};
  ::GetWindowRect(hwnd, &window);
  for (const SIZE grow : {SIZE{0, 0}, SIZE{150, 90}}) {
    SCOPED_TRACE(grow.cx);
    ::SetWindowPos(hwnd, nullptr, 0, 0, window.right - window.left + grow.cx, window.bottom - window.top + grow.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::GetClientRect(hwnd, &client);
    const RECT bar = ChildRectInParent(frame->m_bar.m_hWnd);
    EXPECT_EQ(bar.left, 0);
    EXPECT_EQ(bar.right, client.right);
    EXPECT_EQ(bar.bottom, client.bottom);
    EXPECT_EQ(bar.bottom - bar.top, barSize.cy);
    EXPECT_GE(bar.top, kPaneRect.bottom);
    const RECT pane = ChildRectInParent(frame->m_pane.m_hWnd);
    EXPECT_TRUE(::EqualRect(&pane, &kPaneRect));
    // Every button shows inside the bar.
    RECT last{};
    ::SendMessageW(toolBar, TB_GETITEMRECT, static_cast<WPARAM>(ButtonCount() - 1), reinterpret_cast<LPARAM>(&last));
    ::MapWindowPoints(toolBar, hwnd, reinterpret_cast<POINT*>(&last), 2);
    EXPECT_LE(last.right, client.right);
    EXPECT_LE(last.bottom, client.bottom);
  }
}

}  // namespace
