// NavoroMapCE.exe as the launcher sees it: a process with a "NavoroMap"
// window that answers WM_MAPAPI, journals each request, survives any file
// content and goes away when told to.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>

#include "relay/map_api_protocol.h"

namespace {

// The build tree mirrors the source tree: tests/tools beside tools/navoromap.
constexpr wchar_t kMapFromTestDir[] = L"..\\..\\tools\\navoromap\\NavoroMapCE.exe";
constexpr WPARAM kLauncher = 0x1234abcd;  // the map only echoes it

std::wstring Directory(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\')); }

void WriteApiDataFile(const std::string& content) {
  std::ofstream file(kApiDataFile, std::ios::binary | std::ios::trunc);
  file.write(content.data(), static_cast<std::streamsize>(content.size()));
}

std::string ReadWholeFile(const std::wstring& path) {
  std::ifstream file(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

class MapProcessTest : public testing::Test {
 protected:
  void SetUp() override {
    // "\NavoroMap\..." is rooted at the current drive: work on C:, as the launcher does.
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    SetCurrentDirectoryW(temp);
    CreateDirectoryA("\\NavoroMap", nullptr);
    journal_ = std::wstring(temp) + L"navoromap_journal_" + std::to_wstring(GetCurrentProcessId()) + L".txt";
    DeleteFileW(journal_.c_str());
  }

  void TearDown() override {
    if (process_.hProcess) {
      if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_.hProcess, 5000) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 1);
      }
      CloseHandle(process_.hProcess);
      CloseHandle(process_.hThread);
    }
    DeleteFileW(journal_.c_str());
  }

  // Starts the map with the journal on, and waits for its window.
  void StartMap(const wchar_t* exitAfterMs = nullptr) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring map = Directory(self) + L"\\" + kMapFromTestDir;
    SetEnvironmentVariableW(L"NAVOROMAP_JOURNAL", journal_.c_str());
    SetEnvironmentVariableW(L"NAVOROMAP_EXIT_AFTER_MS", exitAfterMs);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ASSERT_TRUE(CreateProcessW(map.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_))
        << "can't start " << std::string(map.begin(), map.end());
    for (int i = 0; i < 200 && !window_; ++i) {
      Sleep(50);
      EnumWindows(FindOwnMapWindow, reinterpret_cast<LPARAM>(this));
    }
    ASSERT_NE(window_, nullptr) << "no NavoroMap window";
  }

  // Another test's map may be up as well: take only the window of our process.
  static BOOL CALLBACK FindOwnMapWindow(HWND window, LPARAM self) {
    auto* test = reinterpret_cast<MapProcessTest*>(self);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    wchar_t className[64] = L"";
    GetClassNameW(window, className, 64);
    if (pid != test->process_.dwProcessId || std::wstring(className) != kMapWindowClass) return TRUE;
    test->window_ = window;
    return FALSE;
  }

  // Sends a request as the launcher does; fails the test if the map hangs.
  void Request(LPARAM code) {
    DWORD_PTR result = 99;
    ASSERT_NE(SendMessageTimeoutW(window_, WM_MAPAPI, kLauncher, code, SMTO_ABORTIFHUNG, 5000, &result), 0)
        << "no answer to code " << code;
    EXPECT_EQ(result, 0u);
  }

  bool ProcessEndsWithin(DWORD ms) { return WaitForSingleObject(process_.hProcess, ms) == WAIT_OBJECT_0; }

  std::wstring journal_;
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

TEST_F(MapProcessTest, JournalsEveryRequestWithTheFileContentAsRead) {
  StartMap();
  const std::string first = "$GPRMC,095305.802,A,2712.6547,S,15303.1350,E,1.93,133.96,080407,,,A*78";
  const std::string garbage("$GPRMC,000346.03,A,4808\0\0\xb0\r\n$GPGGA", 32);
  WriteApiDataFile(first);
  Request(MAPAPI_START_GPS);
  Request(MAPAPI_DATA_READY);
  WriteApiDataFile(garbage);
  Request(MAPAPI_DATA_READY);
  Request(7);  // unknown codes are journalled and otherwise ignored
  DeleteFileA(kApiDataFile);
  Request(MAPAPI_DATA_READY);

  // Read while the map still runs: each line is on disk when the send returns.
  EXPECT_EQ(ReadWholeFile(journal_), "131 0x1234abcd " + first + "\n" + "133 0x1234abcd " + first + "\n" +
                                         "133 0x1234abcd " + garbage + "\n" + "7 0x1234abcd " + garbage + "\n" +
                                         "133 0x1234abcd \n");
  EXPECT_TRUE(IsWindow(window_));
}

TEST_F(MapProcessTest, SurvivesAnyFileContent) {
  StartMap();
  Request(MAPAPI_START_GPS);
  std::mt19937 random(4711);
  const std::string prefixes[] = {"", "$GPRMC", "$GPRMC,", "$GPRMC,095305.802,A,2712.6547,S,", "$GPRMC,,A,,,,,,,,*"};
  for (int i = 0; i < 150; ++i) {
    std::string content = prefixes[i % std::size(prefixes)];
    const int length = static_cast<int>(random() % (i % 10 == 0 ? 70000 : 120));
    for (int j = 0; j < length; ++j) content += static_cast<char>(random() % 8 == 0 ? ',' : random() % 256);
    WriteApiDataFile(content);
    Request(MAPAPI_DATA_READY);
    if (HasFatalFailure()) return;
  }
  EXPECT_TRUE(IsWindow(window_));
  EXPECT_FALSE(ProcessEndsWithin(0));
}

TEST_F(MapProcessTest, ClosesItsWindowAfterTheGivenTime) {
  StartMap(L"1500");
  EXPECT_FALSE(ProcessEndsWithin(500));
  ASSERT_TRUE(ProcessEndsWithin(10000));
  DWORD exitCode = 1;
  GetExitCodeProcess(process_.hProcess, &exitCode);
  EXPECT_EQ(exitCode, 0u);
  EXPECT_FALSE(IsWindow(window_));
}

TEST_F(MapProcessTest, EndsOnWmClose) {
  StartMap();
  PostMessageW(window_, WM_CLOSE, 0, 0);
  EXPECT_TRUE(ProcessEndsWithin(5000));
}

}  // namespace
