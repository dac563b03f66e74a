#include "framework/single_instance.h"

#include <tlhelp32.h>

#include <string>

namespace {

std::wstring ImagePath(HANDLE process) {
  wchar_t path[MAX_PATH * 2] = {};
  DWORD size = static_cast<DWORD>(std::size(path));
  if (!::QueryFullProcessImageNameW(process, 0, path, &size)) return {};
  return std::wstring(path, size);
}

// Another process started from the same executable file, or 0.
DWORD FindOtherInstance() {
  const std::wstring self = ImagePath(::GetCurrentProcess());
  if (self.empty()) return 0;
  HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  DWORD found = 0;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = ::Process32FirstW(snapshot, &entry); more && !found; more = ::Process32NextW(snapshot, &entry)) {
    if (entry.th32ProcessID == ::GetCurrentProcessId()) continue;
    HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
    if (!process) continue;
    if (::CompareStringOrdinal(ImagePath(process).c_str(), -1, self.c_str(), -1, TRUE) == CSTR_EQUAL)
      found = entry.th32ProcessID;
    ::CloseHandle(process);
  }
  ::CloseHandle(snapshot);
  return found;
}

struct WindowSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK MatchTopLevelWindow(HWND hWnd, LPARAM lParam) {
  auto* search = reinterpret_cast<WindowSearch*>(lParam);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(hWnd, &pid);
  if (pid != search->processId || !::IsWindowVisible(hWnd) || ::GetWindow(hWnd, GW_OWNER)) return TRUE;
  search->found = hWnd;
  return FALSE;
}

}  // namespace

BOOL AfxActivateRunningInstance() {
  const DWORD other = FindOtherInstance();
  if (!other) return FALSE;
  for (int attempt = 0; attempt < 3; ++attempt) {
    WindowSearch search{other, nullptr};
    ::EnumWindows(&MatchTopLevelWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) {
      // Bring forward its active popup (an open dialog) if it has one.
      ::SetForegroundWindow(::GetLastActivePopup(search.found));
      return TRUE;
    }
    ::Sleep(1000);
  }
  return FALSE;
}
