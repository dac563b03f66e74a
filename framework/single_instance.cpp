#include "framework/single_instance.h"

#include <tlhelp32.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::wstring ImagePath(HANDLE process) {
  wchar_t path[MAX_PATH * 2] = {};
  DWORD size = static_cast<DWORD>(std::size(path));
  if (!::QueryFullProcessImageNameW(process, 0, path, &size)) return {};
  return std::wstring(path, size);
}

// The other processes started from the same executable file. There can be
// several: a first instance, and further starts still looking for it.
std::vector<DWORD> FindOtherInstances() {
  std::vector<DWORD> found;
  const std::wstring self = ImagePath(::GetCurrentProcess());
  if (self.empty()) return found;
  HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return found;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = ::Process32FirstW(snapshot, &entry); more; more = ::Process32NextW(snapshot, &entry)) {
    if (entry.th32ProcessID == ::GetCurrentProcessId()) continue;
    HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
    if (!process) continue;
    if (::CompareStringOrdinal(ImagePath(process).c_str(), -1, self.c_str(), -1, TRUE) == CSTR_EQUAL)
      found.push_back(entry.th32ProcessID);
    ::CloseHandle(process);
  }
  ::CloseHandle(snapshot);
  return found;
}

struct WindowSearch {
  const std::vector<DWORD>& processIds;
  HWND found;
};

BOOL CALLBACK MatchTopLevelWindow(HWND hWnd, LPARAM lParam) {
  auto* search = reinterpret_cast<WindowSearch*>(lParam);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(hWnd, &pid);
  if (std::find(search->processIds.begin(), search->processIds.end(), pid) == search->processIds.end() ||
      !::IsWindowVisible(hWnd) || ::GetWindow(hWnd, GW_OWNER))
    return TRUE;
  search->found = hWnd;
  return FALSE;
}

}  // namespace

BOOL AfxActivateRunningInstance() {
  const std::vector<DWORD> others = FindOtherInstances();
  if (others.empty()) return FALSE;
  for (int attempt = 0; attempt < 3; ++attempt) {
    WindowSearch search{others, nullptr};
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
