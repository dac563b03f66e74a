// What the launcher and the map application agree on: the map's executable,
// its window class, the request message and its codes, the API data file.
// Header only, shared with the stand-in map application.
#pragma once

#include <windows.h>

// Sent to the map window; WPARAM is the launcher's main window, LPARAM a code.
constexpr UINT WM_MAPAPI = WM_USER + 5;
constexpr LPARAM MAPAPI_START_GPS = 131;   // start GPS mode
constexpr LPARAM MAPAPI_DATA_READY = 133;  // the API data file holds a new sentence

// Paths are rooted at the current drive, as at the root of a Pocket PC.
constexpr wchar_t kMapExecutable[] = L"\\NavoroMap\\NavoroMapCE.exe";
constexpr wchar_t kMapWindowClass[] = L"NavoroMap";
constexpr char kApiDataFile[] = "\\NavoroMap\\apidata1.$$$";
