// The event log: newest line first, bounded to 1000 characters; and the
// main frame's pane that holds it.
#include "shell/event_log.h"

#include <gtest/gtest.h>

#include <string>

#include "res/resource.h"
#include "shell/main_frame.h"

namespace {

struct LogCase {
  const char* name;
  std::wstring message;
  std::wstring before;
  std::wstring after;
};

class ComposeLogTextTest : public testing::TestWithParam<LogCase> {};

TEST_P(ComposeLogTextTest, PutsTheMessageOnTopAndKeepsTheFirst1000Characters) {
  const LogCase& c = GetParam();
  EXPECT_EQ(ComposeLogText(c.message.c_str(), c.before.c_str()).str(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Additions, ComposeLogTextTest,
    testing::Values(LogCase{"IntoTheEmptyPane", L"A", L"", L"A\r\n"},
                    LogCase{"NewestFirst", L"B", L"A\r\n", L"B\r\nA\r\n"},
                    LogCase{"EmptyMessageAddsAnEmptyLine", L"", L"A\r\n", L"\r\nA\r\n"},
                    LogCase{"CutInsideTheOldestLine", L"0123456789", std::wstring(995, L'o'),
                            L"0123456789\r\n" + std::wstring(988, L'o')},
                    LogCase{"CutBetweenCrAndLfLeavesTheCr", L"M", std::wstring(996, L'x') + L"\r\nold\r\n",
                            L"M\r\n" + std::wstring(996, L'x') + L"\r"},
                    LogCase{"MessageOf1000Characters", std::wstring(1000, L'm'), L"old\r\n", std::wstring(1000, L'm')},
                    LogCase{"LongerMessage", std::wstring(1500, L'm'), L"", std::wstring(1000, L'm')}),
    [](const testing::TestParamInfo<LogCase>& info) { return std::string(info.param.name); });

TEST(CString, Widens8BitTextThroughTheAnsiCodePage) {
  EXPECT_EQ(CString("stating navoro: success").str(), L"stating navoro: success");
  EXPECT_EQ(ComposeLogText("open com port: failed", L"").str(), L"open com port: failed\r\n");
}

// The log pane of a real main frame, created as the program creates it.
class LogPaneTest : public testing::Test {
 protected:
  void SetUp() override {
    frame = new CMainFrame;
    ASSERT_TRUE(frame->LoadFrame(IDR_MAINFRAME));
    pane = ::GetDlgItem(frame->m_hWnd, IDC_LOGPANE);
    ASSERT_NE(pane, nullptr);
    ::SetWindowTextW(pane, L"");
  }
  void TearDown() override {
    if (!frame) return;
    // The frame leaves its port to the end of the process; a test ends sooner.
    if (frame->m_hComPort != INVALID_HANDLE_VALUE) ::CloseHandle(frame->m_hComPort);
    frame->DestroyWindow();  // deletes the frame
  }
  std::wstring PaneText() const {
    wchar_t text[2048] = {};
    ::GetWindowTextW(pane, text, 2048);
    return text;
  }

  CMainFrame* frame = nullptr;
  HWND pane = nullptr;
};

TEST_F(LogPaneTest, LinesStandNewestFirst) {
  frame->AppendLog(L"first");
  frame->AppendLog("second");
  EXPECT_EQ(PaneText(), L"second\r\nfirst\r\n");
}

TEST_F(LogPaneTest, TextTypedIntoThePaneIsCarriedAlongAndCutLikeOldText) {
  ::SetWindowTextW(pane, L"typed by the operator");
  frame->AppendLog(L"line");
  EXPECT_EQ(PaneText(), L"line\r\ntyped by the operator");
  for (int i = 0; i < 100; ++i) frame->AppendLog(L"0123456789");
  EXPECT_EQ(PaneText().size(), 1000u);
  EXPECT_EQ(PaneText().find(L"typed"), std::wstring::npos);
}

}  // namespace
