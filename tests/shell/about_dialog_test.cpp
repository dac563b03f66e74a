// The about box run modally over a real main window: what it shows, where it
// stands, and how it ends; and a dialog whose template is missing.
#include "shell/about_dialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "framework/win_app.h"
#include "res/resource.h"

namespace {

constexpr wchar_t kCaption[] = L"Info \u00fcber navoroLauncher";

std::wstring TextOf(HWND hWnd) {
  wchar_t text[256] = {};
  ::GetWindowTextW(hWnd, text, 256);
  return text;
}

std::wstring ClassOf(HWND hWnd) {
  wchar_t name[64] = {};
  ::GetClassNameW(hWnd, name, 64);
  return name;
}

// What the running dialog looked like, seen from a timer of the modal loop.
struct Snapshot {
  bool found = false;
  HWND owner = nullptr;
  CWnd* boundObject = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  RECT window{};
  RECT client{};
  RECT templateSize{};  // 140 x 57 dialog units in this dialog's pixels
  struct Control {
    std::wstring windowClass;
    WORD id;
    DWORD style;
    std::wstring text;
    bool showsIcon;
  };
  std::vector<Control> controls;
  bool endedByAction = true;
};

// Runs `run` (which shows a modal dialog) while a thread timer looks for the
// dialog with `caption`, takes a snapshot, then calls `end` on it. A dialog
// that does not end within a few seconds is ended with code 999.
class ModalProbe {
 public:
  ModalProbe(const wchar_t* caption, std::function<void(HWND)> end) : m_caption(caption), m_end(std::move(end)) {}

  INT_PTR Run(const std::function<INT_PTR()>& run) {
    s_current = this;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, &ModalProbe::OnTimer);
    const INT_PTR result = run();
    ::KillTimer(nullptr, timer);
    s_current = nullptr;
    return result;
  }

  Snapshot snapshot;

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (ModalProbe* probe = s_current) probe->Tick();
  }

  void Tick() {
    ++m_ticks;
    HWND dialog = ::FindWindowW(L"#32770", m_caption);
    if (!dialog) return;
    if (!snapshot.found) {
      if (!::IsWindowVisible(dialog)) return;
      Take(dialog);
      m_endTick = m_ticks;
      m_end(dialog);
    } else if (m_ticks - m_endTick > 150) {
      snapshot.endedByAction = false;
      ::EndDialog(dialog, 999);
    }
  }

  void Take(HWND dialog) {
    snapshot.found = true;
    snapshot.owner = ::GetWindow(dialog, GW_OWNER);
    snapshot.boundObject = CWnd::FromHandlePermanent(dialog);
    snapshot.style = static_cast<DWORD>(::GetWindowLongW(dialog, GWL_STYLE));
    snapshot.exStyle = static_cast<DWORD>(::GetWindowLongW(dialog, GWL_EXSTYLE));
    ::GetWindowRect(dialog, &snapshot.window);
    ::GetClientRect(dialog, &snapshot.client);
    snapshot.templateSize = {0, 0, 140, 57};
    ::MapDialogRect(dialog, &snapshot.templateSize);
    for (HWND c = ::GetWindow(dialog, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
      const bool showsIcon = ::SendMessageW(c, STM_GETICON, 0, 0) != 0;
      snapshot.controls.push_back({ClassOf(c), LOWORD(::GetDlgCtrlID(c)),
                                   static_cast<DWORD>(::GetWindowLongW(c, GWL_STYLE)), TextOf(c), showsIcon});
    }
  }

  static inline ModalProbe* s_current = nullptr;
  const wchar_t* m_caption;
  std::function<void(HWND)> m_end;
  int m_ticks = 0;
  int m_endTick = 0;
};

// The application object with a plain, visible main window, shared by the
// tests: under Wine without a window manager, every visible window costs
// about two seconds when it goes away.
class AboutDialogTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    app = new CWinApp;
    mainWnd = new CWnd;
    mainWnd->CreateEx(0, AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)), L"navoroLauncher",
                      WS_OVERLAPPEDWINDOW | WS_VISIBLE, 120, 90, 480, 360, nullptr, nullptr);
    app->m_pMainWnd = mainWnd;
  }
  static void TearDownTestSuite() {
    delete mainWnd;  // destroys the window
    delete app;
  }
  void SetUp() override { ASSERT_TRUE(::IsWindow(mainWnd->m_hWnd)); }

  static inline CWinApp* app = nullptr;
  static inline CWnd* mainWnd = nullptr;
};

struct EndCase {
  const char* name;
  std::function<void(HWND)> end;
  INT_PTR result;
};

void PrintTo(const EndCase& c, std::ostream* os) { *os << c.name; }

void Post(HWND dialog, UINT message, WPARAM wParam) { ::PostMessageW(dialog, message, wParam, 0); }

class AboutDialogEndTest : public AboutDialogTest, public testing::WithParamInterface<EndCase> {};

TEST_P(AboutDialogEndTest, EndsWithTheCodeOfTheCommand) {
  CAboutDialog about;
  ModalProbe probe(kCaption, GetParam().end);
  EXPECT_EQ(probe.Run([&] { return about.DoModal(); }), GetParam().result);
  EXPECT_TRUE(probe.snapshot.found);
  EXPECT_TRUE(probe.snapshot.endedByAction);
  EXPECT_EQ(about.m_hWnd, nullptr) << "the object is unbound once the dialog is gone";
}

INSTANTIATE_TEST_SUITE_P(
    Ends, AboutDialogEndTest,
    testing::Values(EndCase{"OkCommand", [](HWND d) { Post(d, WM_COMMAND, IDOK); }, IDOK},
                    EndCase{"CancelCommand", [](HWND d) { Post(d, WM_COMMAND, IDCANCEL); }, IDCANCEL},
                    EndCase{"EnterKey", [](HWND d) { Post(d, WM_KEYDOWN, VK_RETURN); }, IDOK},
                    EndCase{"EscapeKey", [](HWND d) { Post(d, WM_KEYDOWN, VK_ESCAPE); }, IDCANCEL},
                    EndCase{"CloseBox", [](HWND d) { Post(d, WM_SYSCOMMAND, SC_CLOSE); }, IDCANCEL}),
    [](const testing::TestParamInfo<EndCase>& info) { return std::string(info.param.name); });

TEST_F(AboutDialogTest, ShowsIconVersionAndCopyrightCentredOverTheMainWindow) {
  CAboutDialog about;
  ModalProbe probe(kCaption, [](HWND d) { Post(d, WM_COMMAND, IDOK); });
  ASSERT_EQ(probe.Run([&] { return about.DoModal(); }), IDOK);
  const Snapshot& shot = probe.snapshot;
  ASSERT_TRUE(shot.found);

  EXPECT_EQ(shot.owner, mainWnd->m_hWnd);
  EXPECT_EQ(shot.boundObject, &about) << "the dialog's messages reach the object";
  EXPECT_TRUE(shot.style & WS_CAPTION);
  EXPECT_TRUE(shot.style & WS_SYSMENU) << "a close box in the caption";
  EXPECT_FALSE(shot.exStyle & 0x80000000) << "the caption OK button bit is not passed to the desktop";

  // The template's size, not the screen's.
  EXPECT_EQ(shot.client.right, shot.templateSize.right);
  EXPECT_EQ(shot.client.bottom, shot.templateSize.bottom);

  RECT owner{};
  ::GetWindowRect(mainWnd->m_hWnd, &owner);
  EXPECT_NEAR((shot.window.left + shot.window.right) / 2, (owner.left + owner.right) / 2, 1);
  EXPECT_NEAR((shot.window.top + shot.window.bottom) / 2, (owner.top + owner.bottom) / 2, 1);

  ASSERT_EQ(shot.controls.size(), 3u);
  for (const Snapshot::Control& c : shot.controls) {
    EXPECT_EQ(_wcsicmp(c.windowClass.c_str(), L"Static"), 0);
    EXPECT_EQ(c.id, 0xFFFF);
  }
  EXPECT_EQ(shot.controls[0].style & SS_TYPEMASK, static_cast<DWORD>(SS_ICON));
  EXPECT_TRUE(shot.controls[0].showsIcon);
  EXPECT_EQ(shot.controls[1].text, L"navoroLauncher Version 1.0");
  EXPECT_EQ(shot.controls[2].text, L"Copyright (C) 2026");
}

TEST_F(AboutDialogTest, AParentGivenToTheDialogOwnsIt) {
  CWnd parent;  // hidden: it need not show to own the dialog
  ASSERT_TRUE(
      parent.CreateEx(0, AfxRegisterWndClass(0), L"parent", WS_OVERLAPPEDWINDOW, 600, 400, 300, 200, nullptr, nullptr));
  CDialog dialog(IDD_ABOUTBOX, &parent);
  ModalProbe probe(kCaption, [](HWND d) { Post(d, WM_COMMAND, IDCANCEL); });
  EXPECT_EQ(probe.Run([&] { return dialog.DoModal(); }), IDCANCEL);
  EXPECT_EQ(probe.snapshot.owner, parent.m_hWnd);
}

// Counts the windows this thread creates.
int g_windowsCreated = 0;
LRESULT CALLBACK CountCreations(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) ++g_windowsCreated;
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(AboutDialogTest, MissingTemplateReturnsMinusOneAndShowsNothing) {
  constexpr UINT kNoSuchTemplate = 4242;
  ASSERT_EQ(::FindResourceW(nullptr, MAKEINTRESOURCEW(kNoSuchTemplate), RT_DIALOG), nullptr);
  CDialog dialog(kNoSuchTemplate);
  g_windowsCreated = 0;
  HHOOK hook = ::SetWindowsHookExW(WH_CBT, &CountCreations, nullptr, ::GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  EXPECT_EQ(dialog.DoModal(), -1);
  ::UnhookWindowsHookEx(hook);
  EXPECT_EQ(g_windowsCreated, 0);
  EXPECT_TRUE(::IsWindowEnabled(mainWnd->m_hWnd)) << "the main window is left as it was";
}

}  // namespace
