// The relay's platform operations on Win32: the serial port, the relay
// timer and posted close of the main window, and the map application.
#pragma once

#include "framework/wnd.h"
#include "relay/relay_platform.h"

class CWin32RelayPlatform : public CRelayPlatform {
 public:
  // The port that the relay reads: the receiver's serial port.
  static constexpr wchar_t kPortName[] = L"COM8:";
  static constexpr UINT_PTR kRelayTimerId = 1;
  static constexpr UINT kRelayTimerPeriodMs = 1000;

  explicit CWin32RelayPlatform(CWnd& mainWindow) : m_mainWindow(mainWindow) {}

  HANDLE OpenPort() override;
  BOOL ReadPort(HANDLE port, char* buffer, DWORD size) override;
  void ClosePort(HANDLE port) override;
  void Pause(DWORD milliseconds) override;
  void StartRelayTimer() override;
  void PostCloseToMainWindow() override;
  HWND FindMapWindow() override;
  BOOL RewriteApiFile(const char* sentence) override;
  void SendMapRequest(HWND mapWindow, LPARAM code) override;

 private:
  CWnd& m_mainWindow;
};
