#include "relay/map_api.h"

#include <cstdio>
#include <cstring>

namespace {
// The longest the launcher waits for the map to handle one request: a map
// that does not answer must not freeze the launcher's window. A request the
// map has begun to handle by then completes; one it has not even taken is
// dropped by the system, as the launcher does not look at the outcome.
constexpr UINT kRequestTimeoutMs = 5000;
}  // namespace

BOOL LaunchMapApplication() {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(kMapExecutable, nullptr, nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr, nullptr,
                        &startup, &process))
    return FALSE;
  // Nothing waits on the map or talks to its process: release the handles now.
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return TRUE;
}

HWND FindMapWindow() { return ::FindWindowW(kMapWindowClass, nullptr); }

BOOL RewriteApiFile(const char* sentence) {
  FILE* file = std::fopen(kApiDataFile, "w");
  if (!file) return FALSE;
  const size_t length = std::strlen(sentence);
  const bool written = std::fwrite(sentence, 1, length, file) == length;
  const bool closed = std::fclose(file) == 0;
  return written && closed;
}

void SendMapRequest(HWND mapWindow, HWND launcherWindow, LPARAM code) {
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(mapWindow, WM_MAPAPI, reinterpret_cast<WPARAM>(launcherWindow), code, SMTO_NORMAL,
                        kRequestTimeoutMs, &result);
}
