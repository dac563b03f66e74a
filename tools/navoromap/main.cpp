// NavoroMapCE.exe: a stand-in for the GPS moving-map application, for testing
// and demonstrating the launcher. One window of class "NavoroMap" that shows
// what the launcher sends it.
#include <windows.h>

#include "tools/navoromap/map_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int showCommand) {
  if (!MapWindow::RegisterClass(instance)) return 1;
  HWND window = MapWindow::Create(instance);
  if (!window) return 1;
  ShowWindow(window, showCommand);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
