// The position relay: once a second, reads the receiver, forwards the first
// "$GPRMC" sentence to the map application, watches for silence and for the
// map going away. The main frame derives from it and supplies the log; every
// system call goes through a CRelayPlatform.
#pragma once

#include "framework/afx_string.h"
#include "relay/relay_platform.h"

class CPositionRelay {
 public:
  // Reopen attempts of one reset, and the pause between two: a reset costs
  // the UI thread at most about 200 ms when the receiver does not come back.
  static constexpr int kReopenAttempts = 5;
  static constexpr DWORD kReopenPauseMs = 50;
  // Ticks without a sentence that bring a reset of the port.
  static constexpr int kSilentTicksBeforeReset = 4;

  HANDLE m_hComPort = INVALID_HANDLE_VALUE;
  BOOL m_bGpsModeStarted = FALSE;
  int noSignalCounter = 0;

  // Opens the port and, when that worked, starts the relay timer.
  void OpenComPort();
  // Closes the port and opens it again.
  void ResetComPort();
  // One timer tick of the relay.
  void RunRelayTick();

 protected:
  explicit CPositionRelay(CRelayPlatform* pPlatform) : m_pPlatform(pPlatform) {}
  virtual ~CPositionRelay() = default;

  // Adds one line at the top of the event log.
  virtual void AppendLog(CString message) = 0;

 private:
  CRelayPlatform* m_pPlatform;
};
