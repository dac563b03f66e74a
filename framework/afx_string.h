// CString: the framework's wide-character string.
#pragma once

#include <windows.h>

#include <string>

class CString {
 public:
  CString() = default;
  CString(const wchar_t* text);
  CString(const wchar_t* text, int length);
  // Widens 8-bit text up to its terminating zero through the ANSI code page.
  CString(const char* text);

  int GetLength() const { return static_cast<int>(m_text.size()); }
  bool IsEmpty() const { return m_text.empty(); }
  operator const wchar_t*() const { return m_text.c_str(); }

  // Replaces the content with string resource nID of the program; FALSE,
  // leaving the string empty, when there is no such string.
  BOOL LoadString(UINT nID);

  // The first count characters (all of them when the string is shorter).
  CString Left(int count) const;
  // Replaces the content with printf-style formatted text.
  void Format(const wchar_t* format, ...);

  CString& operator+=(const CString& other);
  friend CString operator+(const CString& a, const CString& b);
  friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }

  const std::wstring& str() const { return m_text; }

 private:
  std::wstring m_text;
};
