// The platform operations between the relay's decisions and the system.
// CWin32RelayPlatform is the real one; tests substitute their own.
#pragma once

#include <windows.h>

class CRelayPlatform {
 public:
  virtual ~CRelayPlatform() = default;

  // Opens the receiver's serial port; INVALID_HANDLE_VALUE when it can't be opened.
  virtual HANDLE OpenPort() = 0;
  // Reads what the port holds, at most size bytes, without waiting for more.
  // Nonzero on success.
  virtual BOOL ReadPort(HANDLE port, char* buffer, DWORD size) = 0;
  virtual void ClosePort(HANDLE port) = 0;
  // Waits between two attempts to reopen the port.
  virtual void Pause(DWORD milliseconds) = 0;

  // Starts the one-second relay timer on the main window.
  virtual void StartRelayTimer() = 0;
  // Queues WM_CLOSE to the main window.
  virtual void PostCloseToMainWindow() = 0;

  // The map application's window, or null.
  virtual HWND FindMapWindow() = 0;
  // Replaces the API data file's content with the sentence; TRUE when written.
  virtual BOOL RewriteApiFile(const char* sentence) = 0;
  // Sends WM_MAPAPI with the code to the map window, from the main window.
  virtual void SendMapRequest(HWND mapWindow, LPARAM code) = 0;
};
