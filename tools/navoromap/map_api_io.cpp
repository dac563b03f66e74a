#include "tools/navoromap/map_api_io.h"

#include <cstdio>
#include <cwchar>

#include "relay/map_api_protocol.h"

namespace {

constexpr DWORD kMaxFileBytes = 64 * 1024;

std::wstring EnvironmentValue(const wchar_t* name) {
  wchar_t value[MAX_PATH];
  const DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::wstring(value, length) : std::wstring();
}

}  // namespace

std::optional<std::string> ReadApiDataFile() {
  // Share everything: the launcher rewrites the file between requests.
  HANDLE file = CreateFileA(kApiDataFile, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string content(kMaxFileBytes, '\0');
  DWORD total = 0;
  DWORD got = 0;
  while (total < kMaxFileBytes && ReadFile(file, content.data() + total, kMaxFileBytes - total, &got, nullptr) &&
         got > 0)
    total += got;
  CloseHandle(file);
  content.resize(total);
  return content;
}

void JournalRequest(LPARAM code, WPARAM wParam, std::string_view content) {
  const std::wstring path = EnvironmentValue(L"NAVOROMAP_JOURNAL");
  if (path.empty()) return;
  HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  char head[64];
  std::snprintf(head, sizeof head, "%lld 0x%llx ", static_cast<long long>(code),
                static_cast<unsigned long long>(wParam));
  std::string line = head;
  line.append(content).append("\n");
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
}

UINT ExitAfterMilliseconds() {
  const std::wstring value = EnvironmentValue(L"NAVOROMAP_EXIT_AFTER_MS");
  wchar_t* end = nullptr;
  const unsigned long ms = std::wcstoul(value.c_str(), &end, 10);
  return !value.empty() && *end == L'\0' ? static_cast<UINT>(ms) : 0;
}
