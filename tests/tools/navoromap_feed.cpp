// navoromap_feed.exe CAPTURE [DELAY_MS]: plays the "$GPRMC" lines of a
// receiver capture to a running NavoroMapCE.exe the way the launcher does
// (API data file, then WM_MAPAPI), for screenshots and trying the map by hand.
// Run it from the map's drive: the API data file is rooted there.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "relay/map_api_protocol.h"

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: navoromap_feed CAPTURE [DELAY_MS]\n");
    return 2;
  }
  const DWORD delay = argc > 2 ? static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)) : 100;
  std::ifstream capture(argv[1], std::ios::binary);
  if (!capture) {
    std::fprintf(stderr, "navoromap_feed: can't read the capture\n");
    return 1;
  }
  HWND map = FindWindowW(kMapWindowClass, nullptr);
  if (!map) {
    std::fprintf(stderr, "navoromap_feed: no NavoroMap window\n");
    return 1;
  }
  CreateDirectoryA("\\NavoroMap", nullptr);
  bool started = false;
  int sent = 0;
  std::string line;
  while (std::getline(capture, line)) {
    if (line.rfind("$GPRMC", 0) != 0) continue;
    line = line.substr(0, line.find_first_of("\r\n"));
    if (FILE* file = std::fopen(kApiDataFile, "w")) {
      std::fputs(line.c_str(), file);
      std::fclose(file);
    }
    if (!started) SendMessageW(map, WM_MAPAPI, 0, MAPAPI_START_GPS);
    started = true;
    SendMessageW(map, WM_MAPAPI, 0, MAPAPI_DATA_READY);
    ++sent;
    Sleep(delay);
  }
  std::printf("navoromap_feed: %d sentences sent\n", sent);
  return 0;
}
