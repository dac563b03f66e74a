#include "relay/sentence.h"

#include <cstring>

namespace {
constexpr char kSentenceTag[] = "$GPRMC";
}

const char* CutFirstSentence(ReadBuffer& buffer) {
  buffer.bytes[kReadSize] = '\0';  // never search past the data
  char* tag = std::strstr(buffer.bytes, kSentenceTag);
  if (!tag) return nullptr;
  char* lineEnd = std::strpbrk(tag, "\r\n");
  if (!lineEnd) return nullptr;  // the rest of the line has not arrived
  *lineEnd = '\0';
  return tag;
}

CString WidenSentence(const char* sentence) {
  wchar_t logBuffer[kReadSize] = {};
  int length = 0;
  for (; sentence[length] && length < kReadSize - 1; ++length)
    logBuffer[length] = static_cast<wchar_t>(static_cast<unsigned char>(sentence[length]));
  return CString(logBuffer, length);
}
