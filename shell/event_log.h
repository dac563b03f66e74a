// The event log's text: newest line first, bounded in length.
#pragma once

#include "framework/afx_string.h"

// Characters the log keeps; older text beyond them is dropped.
constexpr int kLogCapacity = 1000;

// The log after adding message to currentText: the message, CR LF, then the
// old text, cut to the first kLogCapacity characters.
CString ComposeLogText(const CString& message, const CString& currentText);
