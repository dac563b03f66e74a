#include "relay/position_relay.h"

#include "relay/map_api_protocol.h"
#include "relay/sentence.h"

void CPositionRelay::OpenComPort() {
  m_hComPort = m_pPlatform->OpenPort();
  if (m_hComPort == INVALID_HANDLE_VALUE) {
    // No timer: the relay stays idle for the life of the window.
    AppendLog("open com port: failed");
    return;
  }
  AppendLog("open com port: success");
  m_pPlatform->StartRelayTimer();
}

void CPositionRelay::ResetComPort() {
  AppendLog(L"resetting Com");
  m_pPlatform->ClosePort(m_hComPort);
  m_hComPort = INVALID_HANDLE_VALUE;
  // Bounded and paced: a receiver that stays away leaves the port invalid;
  // reads then fail, and the next reset comes four ticks later.
  for (int attempt = 0; attempt < kReopenAttempts; ++attempt) {
    if (attempt > 0) m_pPlatform->Pause(kReopenPauseMs);
    m_hComPort = m_pPlatform->OpenPort();
    if (m_hComPort != INVALID_HANDLE_VALUE) return;
  }
}

void CPositionRelay::RunRelayTick() {
  HWND mapWindow = m_pPlatform->FindMapWindow();

  // The map went away after GPS mode started: end the launcher too, once
  // this tick is done.
  if (m_bGpsModeStarted && !mapWindow) {
    AppendLog(L"PostMessage(WM_CLOSE)");
    m_pPlatform->PostCloseToMainWindow();
  }

  ReadBuffer buffer = {};
  const char* sentence = nullptr;
  if (m_pPlatform->ReadPort(m_hComPort, buffer.bytes, kReadSize)) sentence = CutFirstSentence(buffer);

  if (sentence) {
    if (!m_pPlatform->RewriteApiFile(sentence)) AppendLog("write api file: failed");
    if (mapWindow) {
      if (!m_bGpsModeStarted) {
        AppendLog("Starting Navoro GPS mode ");
        m_pPlatform->SendMapRequest(mapWindow, MAPAPI_START_GPS);
        m_bGpsModeStarted = TRUE;
      }
      m_pPlatform->SendMapRequest(mapWindow, MAPAPI_DATA_READY);
    }
    AppendLog(WidenSentence(sentence));
  } else {
    ++noSignalCounter;
    CString line;
    line.Format(L"noSignalCounter = %d", noSignalCounter);
    AppendLog(line);
  }

  if (noSignalCounter >= kSilentTicksBeforeReset) {
    ResetComPort();
    noSignalCounter = 0;
  }
}
