#include "shell/event_log.h"

CString ComposeLogText(const CString& message, const CString& currentText) {
  return (message + CString("\r\n") + currentText).Left(kLogCapacity);
}
