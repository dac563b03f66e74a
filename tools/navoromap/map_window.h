// The stand-in map application's one window. It carries the class that the
// launcher looks for, answers its WM_MAPAPI requests and shows what arrived:
// GPS mode, the number of requests, the latest sentence decoded, the track.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tools/navoromap/rmc_sentence.h"

class MapWindow {
 public:
  // Registers the window class "NavoroMap"; false when that fails.
  static bool RegisterClass(HINSTANCE instance);
  // Creates the top-level window; the object deletes itself with its window.
  static HWND Create(HINSTANCE instance);

 private:
  explicit MapWindow(HWND hwnd) : hwnd_(hwnd) {}
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // Counts the request, journals it, and takes in the new sentence.
  void OnMapApi(WPARAM launcher, LPARAM code);
  void OnPaint();
  void Paint(HDC dc, const RECT& client) const;
  // Draws the text lines from the top of client; returns the y below them.
  int PaintStatus(HDC dc, const RECT& client) const;

  HWND hwnd_;
  bool gpsMode_ = false;
  unsigned requests_ = 0;
  bool haveSentence_ = false;
  std::string sentence_;  // the API data file's content at the latest MAPAPI_DATA_READY
  RmcDecoding decoded_;
  std::vector<GeoPoint> track_;  // every valid position so far
};
