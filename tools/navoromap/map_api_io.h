// The stand-in map's side of the launcher interface: reading the API data
// file, and the request journal that tests read.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

// The whole content of the API data file (at most 64 KiB), or nothing when
// it can't be opened.
std::optional<std::string> ReadApiDataFile();

// When NAVOROMAP_JOURNAL names a file (a Windows path; under Wine, Z:\tmp\x
// reaches /tmp/x), appends one line "<code> <wParam as 0x-hex> <content>\n"
// and closes the file, so a reader sees it at once. The content goes in
// exactly as read: nothing is added or escaped.
void JournalRequest(LPARAM code, WPARAM wParam, std::string_view content);

// NAVOROMAP_EXIT_AFTER_MS as a number of milliseconds, or 0 when unset or not a number.
UINT ExitAfterMilliseconds();
