#include "relay/win32_relay_platform.h"

#include "relay/map_api.h"

HANDLE CWin32RelayPlatform::OpenPort() {
  HANDLE port = ::CreateFileW(kPortName, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (port == INVALID_HANDLE_VALUE) return port;
  // A read returns at once with what the driver holds: the UI thread never
  // waits for the receiver. Speed and framing stay as the driver holds them.
  COMMTIMEOUTS timeouts{};
  timeouts.ReadIntervalTimeout = MAXDWORD;
  if (!::SetCommTimeouts(port, &timeouts)) {
    // Not a serial device: a read of it could block the window for good.
    ::CloseHandle(port);
    return INVALID_HANDLE_VALUE;
  }
  return port;
}

BOOL CWin32RelayPlatform::ReadPort(HANDLE port, char* buffer, DWORD size) {
  if (port == INVALID_HANDLE_VALUE) return FALSE;  // the port did not come back after a reset
  DWORD read = 0;
  return ::ReadFile(port, buffer, size, &read, nullptr);
}

void CWin32RelayPlatform::ClosePort(HANDLE port) {
  if (port != INVALID_HANDLE_VALUE) ::CloseHandle(port);
}

void CWin32RelayPlatform::Pause(DWORD milliseconds) { ::Sleep(milliseconds); }

void CWin32RelayPlatform::StartRelayTimer() {
  ::SetTimer(m_mainWindow.m_hWnd, kRelayTimerId, kRelayTimerPeriodMs, nullptr);
}

void CWin32RelayPlatform::PostCloseToMainWindow() { ::PostMessageW(m_mainWindow.m_hWnd, WM_CLOSE, 0, 0); }

HWND CWin32RelayPlatform::FindMapWindow() { return ::FindMapWindow(); }

BOOL CWin32RelayPlatform::RewriteApiFile(const char* sentence) { return ::RewriteApiFile(sentence); }

void CWin32RelayPlatform::SendMapRequest(HWND mapWindow, LPARAM code) {
  ::SendMapRequest(mapWindow, m_mainWindow.m_hWnd, code);
}
