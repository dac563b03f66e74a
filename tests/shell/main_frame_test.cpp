// The main window as the program makes it, on a real COM8 and with the
// stand-in map: its start-up sequence, a start-up that fails, its command
// route, its layout and focus.
//
// Built twice: main_frame_test with the program's resources and its
// application object, and main_frame_no_toolbar_test
// (MAIN_FRAME_TEST_WITHOUT_TOOLBAR) with main_frame_no_toolbar.rc, whose
// frame cannot load its toolbar. Both run with COM8 linked to a silent
// pseudo-terminal (with_com8.py).
#include "shell/main_frame.h"

#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <string>
#include <utility>
#include <vector>

#include "res/resource.h"
#include "tests/shell/main_frame_test_ids.h"

namespace {

constexpr wchar_t kWorkDir[] = L"C:\\main_frame_test";
// "\NavoroMap\NavoroMapCE.exe" on the current drive, C:.
constexpr wchar_t kMapDir[] = L"C:\\NavoroMap";
constexpr wchar_t kInstalledMap[] = L"C:\\NavoroMap\\NavoroMapCE.exe";
constexpr wchar_t kJournal[] = L"C:\\NavoroMap\\journal.txt";
constexpr wchar_t kBuiltMap[] = L"" NAVOROMAP_EXE;

// The map processes this test program has started (the first Wine program
// of a prefix may also have started the prefix's desktop, explorer.exe).
std::vector<DWORD> ChildMaps() {
  std::vector<DWORD> children;
  const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = ::Process32FirstW(snapshot, &entry); more; more = ::Process32NextW(snapshot, &entry))
    if (entry.th32ParentProcessID == ::GetCurrentProcessId() && ::lstrcmpiW(entry.szExeFile, L"NavoroMapCE.exe") == 0)
      children.push_back(entry.th32ProcessID);
  ::CloseHandle(snapshot);
  return children;
}

// The map windows on the desktop, whoever made them.
std::vector<HWND> MapWindows() {
  std::vector<HWND> windows;
  for (HWND w = ::FindWindowExW(nullptr, nullptr, L"NavoroMap", nullptr); w;
       w = ::FindWindowExW(nullptr, w, L"NavoroMap", nullptr))
    windows.push_back(w);
  return windows;
}

HWND MapWindowOf(DWORD processId) {
  for (HWND w : MapWindows()) {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(w, &owner);
    if (owner == processId) return w;
  }
  return nullptr;
}

// Ends every map this program has started: WM_CLOSE to its window once the
// window is up.
void CloseChildMaps() {
  for (const DWORD id : ChildMaps()) {
    const HANDLE process = ::OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, id);
    if (!process) continue;
    for (int i = 0; i < 100 && ::WaitForSingleObject(process, 100) == WAIT_TIMEOUT; ++i) {
      if (HWND map = MapWindowOf(id)) {
        ::PostMessageW(map, WM_CLOSE, 0, 0);
        break;
      }
    }
    if (::WaitForSingleObject(process, 10000) != WAIT_OBJECT_0) {
      ADD_FAILURE() << "the map process " << id << " did not end after WM_CLOSE";
      ::TerminateProcess(process, 1);
    }
    ::CloseHandle(process);
  }
}

class MainFrameTest : public testing::Test {
 protected:
  void SetUp() override {
    ::CreateDirectoryW(kWorkDir, nullptr);
    ASSERT_TRUE(::SetCurrentDirectoryW(kWorkDir));
    ::CreateDirectoryW(kMapDir, nullptr);
    ::DeleteFileW(kJournal);
    ::DeleteFileW(kInstalledMap);                               // most tests need no map: none clutters the desktop
    ::SetEnvironmentVariableW(L"NAVOROMAP_JOURNAL", kJournal);  // the map inherits it
  }
  void TearDown() override {
    DestroyFrame();
    CloseChildMaps();
    ::DeleteFileW(kInstalledMap);
    ::DeleteFileW(kJournal);
  }

  static void InstallMap() {
    ASSERT_TRUE(::CopyFileW(kBuiltMap, kInstalledMap, FALSE)) << "no stand-in map at " << NAVOROMAP_EXE;
  }

  // Makes the main frame as the application object does.
  bool MakeFrame() {
    frame = new CMainFrame;
    if (!frame->LoadFrame(IDR_MAINFRAME)) {
      frame = nullptr;  // deleted with its window
      return false;
    }
    hwnd = frame->m_hWnd;
    pane = ::GetDlgItem(hwnd, IDC_LOGPANE);
    bar = ::GetDlgItem(hwnd, AFX_IDW_TOOLBAR);
    toolBar = ::GetWindow(bar, GW_CHILD);
    return true;
  }

  // The program keeps the port until its process ends; the next frame of
  // this test program needs it, so the port goes with the frame here.
  void DestroyFrame() {
    if (!::IsWindow(hwnd)) return;
    const HANDLE port = frame->m_hComPort;
    ::DestroyWindow(hwnd);  // deletes the frame
    if (port != INVALID_HANDLE_VALUE) ::CloseHandle(port);
    frame = nullptr;
    hwnd = nullptr;
  }

  CMainFrame* frame = nullptr;
  HWND hwnd = nullptr;
  HWND pane = nullptr;
  HWND bar = nullptr;
  HWND toolBar = nullptr;
};

#ifndef MAIN_FRAME_TEST_WITHOUT_TOOLBAR

std::wstring TextOf(HWND hWnd) {
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(hWnd)) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(hWnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

TEST_F(MainFrameTest, StartUpLogsTheLaunchAndTheOpenedPortAndResetsTheRelay) {
  const struct {
    bool mapInstalled;
    const wchar_t* log;
  } cases[] = {
      {true, L"open com port: success\r\nstating navoro: success\r\n"},
      {false, L"open com port: success\r\nstating navoro: failed\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mapInstalled ? "map installed" : "map missing");
    if (c.mapInstalled) {
      ASSERT_NO_FATAL_FAILURE(InstallMap());
    } else {
      ::DeleteFileW(kInstalledMap);
    }
    ASSERT_TRUE(MakeFrame());
    // No tick has run yet: nothing here pumps messages.
    EXPECT_EQ(TextOf(pane), c.log);
    EXPECT_EQ(frame->m_bGpsModeStarted, FALSE);
    EXPECT_EQ(frame->noSignalCounter, 0);
    EXPECT_EQ(::GetFileType(frame->m_hComPort), static_cast<DWORD>(FILE_TYPE_CHAR));  // the open port
    EXPECT_EQ(ChildMaps().size(), c.mapInstalled ? 1u : 0u);

    DestroyFrame();
    CloseChildMaps();
  }
}

TEST_F(MainFrameTest, ATimerMessageWithAnyIdentifierRunsOneTick) {
  ::DeleteFileW(kInstalledMap);
  ASSERT_TRUE(MakeFrame());
  ::SendMessageW(hwnd, WM_TIMER, 99, 0);  // the silent port: a tick without a sentence
  EXPECT_EQ(TextOf(pane), L"noSignalCounter = 1\r\nopen com port: success\r\nstating navoro: failed\r\n");
  EXPECT_EQ(frame->noSignalCounter, 1);
  DestroyFrame();
}

TEST_F(MainFrameTest, RunTimeClassIsCMainFrameOnCFrameWnd) {
  ASSERT_TRUE(MakeFrame());
  const CRuntimeClass* runtimeClass = frame->GetRuntimeClass();
  EXPECT_STREQ(runtimeClass->m_lpszClassName, "CMainFrame");
  EXPECT_EQ(runtimeClass->m_pBaseClass, RUNTIME_CLASS(CFrameWnd));
}

// What a popup looked like while it was open, read from inside the menu
// loop: each item's command and whether it shows greyed (separators: 0, false).
using PopupItem = std::pair<UINT, bool>;
std::vector<PopupItem> g_openPopup;

void CALLBACK ReadOpenPopup(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  HWND popup = ::FindWindowExW(nullptr, nullptr, L"#32768", nullptr);  // ours, not another program's
  while (popup && (::GetWindowThreadProcessId(popup, nullptr) != ::GetCurrentThreadId() || !::IsWindowVisible(popup)))
    popup = ::FindWindowExW(nullptr, popup, L"#32768", nullptr);
  const auto menu = reinterpret_cast<HMENU>(::SendMessageW(popup, MN_GETHMENU, 0, 0));
  for (int i = 0; menu && i < ::GetMenuItemCount(menu); ++i) {
    const UINT state = ::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
    g_openPopup.emplace_back(::GetMenuItemID(menu, i), !(state & MF_SEPARATOR) && (state & MF_GRAYED));
  }
  ::EndMenu();
}

TEST_F(MainFrameTest, CommandsWithoutHandlerShowDisabledWhenTheirPopupOpensAndAboutEnabled) {
  ASSERT_TRUE(MakeFrame());
  const struct {
    int button;
    std::vector<PopupItem> items;
  } popups[] = {
      {0, {{ID_EDIT_UNDO, true}, {0, false}, {ID_EDIT_CUT, true}, {ID_EDIT_COPY, true}, {ID_EDIT_PASTE, true}}},
      {1, {{ID_APP_ABOUT, false}}},
  };
  for (const auto& popup : popups) {
    SCOPED_TRACE(popup.button);
    // Clicks the menu button; its popup's menu loop runs until the timer ends it.
    g_openPopup.clear();
    ::SetTimer(nullptr, 0, 200, &ReadOpenPopup);
    RECT rect{};
    ::SendMessageW(toolBar, TB_GETITEMRECT, static_cast<WPARAM>(popup.button), reinterpret_cast<LPARAM>(&rect));
    const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    ::SendMessageW(toolBar, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(toolBar, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(g_openPopup, popup.items);
  }
}

TEST_F(MainFrameTest, EditCommandsDoNothingFromTheMenuOrTheBar) {
  ASSERT_TRUE(MakeFrame());
  const std::wstring log = TextOf(pane);
  ::SendMessageW(pane, EM_SETSEL, 0, -1);  // something for Cut and Copy to take
  // The clipboard holds a marker that Paste would insert and Cut or Copy replace.
  ASSERT_TRUE(::OpenClipboard(hwnd));
  ::EmptyClipboard();
  const HGLOBAL marker = ::GlobalAlloc(GMEM_MOVEABLE, sizeof(L"marker"));
  std::wmemcpy(static_cast<wchar_t*>(::GlobalLock(marker)), L"marker", 7);
  ::GlobalUnlock(marker);
  ::SetClipboardData(CF_UNICODETEXT, marker);
  ::CloseClipboard();

  for (const UINT command : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_UNDO}) {
    ::SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(command, 0), 0);                                          // menu
    ::SendMessageW(bar, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), reinterpret_cast<LPARAM>(toolBar));  // button
  }
  EXPECT_EQ(TextOf(pane), log);
  ASSERT_TRUE(::OpenClipboard(hwnd));
  const HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
  EXPECT_STREQ(data ? static_cast<const wchar_t*>(::GlobalLock(data)) : L"", L"marker");
  if (data) ::GlobalUnlock(data);
  ::CloseClipboard();
}

TEST_F(MainFrameTest, EachBarButtonShowsItsTooltipInBarOrder) {
  ASSERT_TRUE(MakeFrame());
  const wchar_t* const expected[] = {L"Datei", L"?", L"Ausschneiden", L"Kopieren", L"Einf\u00fcgen", L"Info"};
  ASSERT_EQ(::SendMessageW(toolBar, TB_BUTTONCOUNT, 0, 0), static_cast<LRESULT>(std::size(expected)));
  for (int i = 0; i < static_cast<int>(std::size(expected)); ++i) {
    TBBUTTON button{};
    ::SendMessageW(toolBar, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button));
    // The toolbar control asks its parent, the bar, for a button's tip like this.
    wchar_t text[80] = {};
    NMTBGETINFOTIPW tip{};
    tip.hdr.hwndFrom = toolBar;
    tip.hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(toolBar));
    tip.hdr.code = TBN_GETINFOTIPW;
    tip.pszText = text;
    tip.cchTextMax = static_cast<int>(std::size(text));
    tip.iItem = button.idCommand;
    ::SendMessageW(bar, WM_NOTIFY, tip.hdr.idFrom, reinterpret_cast<LPARAM>(&tip));
    EXPECT_STREQ(text, expected[i]) << "button " << i;
  }
}

RECT ChildRect(HWND child) {
  RECT rect{};
  ::GetWindowRect(child, &rect);
  ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

TEST_F(MainFrameTest, PaneStaysAtTheTopLeftAndTheWholeBarShowsBelowItAsTheFrameGrows) {
  ASSERT_TRUE(MakeFrame());
  const RECT paneRect{0, 0, 240, 280};
  RECT window{};
  ::GetWindowRect(hwnd, &window);
  for (const SIZE grow : {SIZE{0, 0}, SIZE{200, 150}}) {
    SCOPED_TRACE(grow.cx);
    ::SetWindowPos(hwnd, nullptr, 0, 0, window.right - window.left + grow.cx, window.bottom - window.top + grow.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client{};
    ::GetClientRect(hwnd, &client);
    const RECT pane = ChildRect(this->pane);
    EXPECT_TRUE(::EqualRect(&pane, &paneRect));

    const RECT barRect = ChildRect(bar);
    EXPECT_GE(barRect.top, paneRect.bottom);  // below the pane, no overlap
    RECT inClient{};
    ::IntersectRect(&inClient, &barRect, &client);
    EXPECT_TRUE(::EqualRect(&inClient, &barRect));
    // Every button lies inside the bar's window, so none is cut off.
    RECT barClient{};
    ::GetClientRect(bar, &barClient);
    const int buttons = static_cast<int>(::SendMessageW(toolBar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < buttons; ++i) {
      RECT button{};
      ::SendMessageW(toolBar, TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button));
      ::MapWindowPoints(toolBar, bar, reinterpret_cast<POINT*>(&button), 2);
      ::IntersectRect(&inClient, &button, &barClient);
      EXPECT_TRUE(::EqualRect(&inClient, &button)) << "button " << i;
    }
  }
}

TEST_F(MainFrameTest, TheFocusGivenToTheFrameGoesToThePane) {
  ASSERT_TRUE(MakeFrame());
  frame->ShowWindow(SW_SHOWNORMAL);  // as the program shows it; it then takes the focus
  ::SetFocus(nullptr);
  ASSERT_NE(::GetFocus(), pane);
  ::SetFocus(hwnd);
  EXPECT_EQ(::GetFocus(), pane);
}

#else  // MAIN_FRAME_TEST_WITHOUT_TOOLBAR

// Opens COM8 as the program does, without sharing: fails while anyone holds it.
HANDLE OpenCom8() {
  return ::CreateFileW(L"COM8:", GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// A main frame that notes its relay's port when the framework deletes it.
class CObservedMainFrame : public CMainFrame {
 public:
  static inline bool s_deleted = false;
  static inline HANDLE s_portAtDeletion = nullptr;
  ~CObservedMainFrame() override {
    s_deleted = true;
    s_portAtDeletion = m_hComPort;
  }
};

TEST_F(MainFrameTest, AFrameWithoutItsToolbarIsNotMadeAndStartsNothing) {
  ASSERT_NO_FATAL_FAILURE(InstallMap());
  const std::vector<HWND> mapsBefore = MapWindows();
  CMainFrame* failed = new CObservedMainFrame;
  EXPECT_FALSE(failed->LoadFrame(IDR_MAINFRAME));

  EXPECT_TRUE(CObservedMainFrame::s_deleted);
  EXPECT_EQ(::FindWindowW(nullptr, L"navoroLauncher ohne Werkzeugleiste"), nullptr);
  EXPECT_TRUE(ChildMaps().empty());  // the map is installed, but was not started
  ::Sleep(1500);                     // time for a launched map to show up
  EXPECT_EQ(MapWindows(), mapsBefore);
  EXPECT_EQ(::GetFileAttributesW(kJournal), INVALID_FILE_ATTRIBUTES);
  // The port was there to be had, and the frame never opened it.
  EXPECT_EQ(CObservedMainFrame::s_portAtDeletion, INVALID_HANDLE_VALUE);
  const HANDLE port = OpenCom8();
  EXPECT_NE(port, INVALID_HANDLE_VALUE) << "error " << ::GetLastError();
  if (port != INVALID_HANDLE_VALUE) ::CloseHandle(port);
}

std::wstring Digits(size_t count) {
  std::wstring digits;
  for (size_t i = 0; i < count; ++i) digits += static_cast<wchar_t>(L'0' + i % 10);
  return digits;
}

TEST(LoadResString, CopiesTheStringAndCutsItAt254Characters) {
  const struct {
    UINT id;
    std::wstring expected;
  } cases[] = {
      {IDS_TOOLTIP_PASTE, L"Einf\u00fcgen"},
      {IDS_DIGITS_254, Digits(254)},
      {IDS_DIGITS_255, Digits(254)},
      {IDS_DIGITS_300, Digits(254)},
  };
  for (const auto& c : cases) {
    wchar_t* text = CMainFrame::LoadResString(c.id);
    EXPECT_EQ(text, c.expected) << c.id;
    delete[] text;
  }
}

#endif

}  // namespace
