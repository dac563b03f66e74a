#include "framework/afx_string.h"

#include <cstdarg>
#include <cwchar>

CString::CString(const wchar_t* text) : m_text(text ? text : L"") {}

CString::CString(const wchar_t* text, int length) : m_text(text, text + (length > 0 ? length : 0)) {}

CString::CString(const char* text) {
  if (!text || !*text) return;
  const int needed = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  if (needed <= 1) return;
  m_text.resize(static_cast<size_t>(needed));
  MultiByteToWideChar(CP_ACP, 0, text, -1, m_text.data(), needed);
  m_text.resize(static_cast<size_t>(needed - 1));  // drop the converted terminator
}

BOOL CString::LoadString(UINT nID) {
  // With a zero size, LoadStringW hands out the resource's own read-only text.
  const wchar_t* text = nullptr;
  const int length = ::LoadStringW(::GetModuleHandleW(nullptr), nID, reinterpret_cast<LPWSTR>(&text), 0);
  m_text.assign(text && length > 0 ? text : L"", text && length > 0 ? static_cast<size_t>(length) : 0);
  return !m_text.empty();
}

CString CString::Left(int count) const {
  if (count <= 0) return CString();
  if (count >= GetLength()) return *this;
  return CString(m_text.c_str(), count);
}

void CString::Format(const wchar_t* format, ...) {
  std::wstring buffer(64, L'\0');
  for (;;) {
    va_list args;
    va_start(args, format);
    const int written = std::vswprintf(buffer.data(), buffer.size(), format, args);
    va_end(args);
    if (written >= 0 && static_cast<size_t>(written) < buffer.size()) {
      buffer.resize(static_cast<size_t>(written));
      m_text = std::move(buffer);
      return;
    }
    // vswprintf reports only failure when the buffer is short: grow and retry.
    if (buffer.size() >= 1u << 20) {
      m_text.clear();
      return;
    }
    buffer.assign(buffer.size() * 4, L'\0');
  }
}

CString& CString::operator+=(const CString& other) {
  m_text += other.m_text;
  return *this;
}

CString operator+(const CString& a, const CString& b) {
  CString result(a);
  result += b;
  return result;
}
