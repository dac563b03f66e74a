// Finding the position sentence in what the receiver sent, and widening it
// for the log. Byte handling only: no I/O.
#pragma once

#include "framework/afx_string.h"

// Bytes read from the port in one tick.
constexpr int kReadSize = 1024;

// One tick's read buffer: the data, then a terminator that always stays zero.
struct ReadBuffer {
  char bytes[kReadSize + 1];
};

// Finds the first "$GPRMC" in the received text (which ends at its first
// zero byte) and cuts it at the first CR or LF after the tag, overwriting
// that byte with zero. Returns the sentence, or null when there is no tag or
// no line end after it.
//   "$GPGGA,...\r\n$GPRMC,081836,A,3751.65,S,14507.36,E,...*62\r\n" -> "$GPRMC,...*62"
const char* CutFirstSentence(ReadBuffer& buffer);

// Widens a sentence for the log: each byte becomes the character of the same code.
CString WidenSentence(const char* sentence);
