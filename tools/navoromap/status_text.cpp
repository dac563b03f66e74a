#include "tools/navoromap/status_text.h"

#include <cmath>
#include <cwchar>

namespace {

constexpr size_t kMaxShownBytes = 240;

std::wstring Format(const wchar_t* format, double value) {
  wchar_t text[64];
  std::swprintf(text, 64, format, value);
  return text;
}

std::wstring Widen(std::string_view ascii) { return std::wstring(ascii.begin(), ascii.end()); }

}  // namespace

std::wstring PrintableBytes(std::string_view bytes) {
  static constexpr wchar_t kHex[] = L"0123456789abcdef";
  std::wstring text;
  for (size_t i = 0; i < bytes.size() && i < kMaxShownBytes; ++i) {
    const unsigned char byte = static_cast<unsigned char>(bytes[i]);
    if (byte >= 0x20 && byte < 0x7f) {
      text += static_cast<wchar_t>(byte);
    } else {
      text += L'<';
      text += kHex[byte >> 4];
      text += kHex[byte & 15];
      text += L'>';
    }
  }
  if (bytes.size() > kMaxShownBytes) text += L"...";
  return text;
}

std::wstring DescribeTimeAndStatus(const RmcFix& fix) {
  return L"Time " + (fix.time.empty() ? std::wstring(L"-") : Widen(fix.time)) +
         (fix.valid ? L"    Status A (valid fix)" : L"    Status V (void, no fix)");
}

std::wstring DescribePosition(const RmcFix& fix) {
  if (!fix.position) return L"Position: none";
  const GeoPoint& p = *fix.position;
  return L"Position " + Format(L"%.6f\u00b0", std::fabs(p.latitude)) + (p.latitude < 0 ? L" S, " : L" N, ") +
         Format(L"%.6f\u00b0", std::fabs(p.longitude)) + (p.longitude < 0 ? L" W" : L" E");
}

std::wstring DescribeMotion(const RmcFix& fix) {
  return L"Speed " + (fix.speedKnots ? Format(L"%.2f kn", *fix.speedKnots) : std::wstring(L"-")) + L"    Course " +
         (fix.courseDegrees ? Format(L"%.2f\u00b0", *fix.courseDegrees) : std::wstring(L"-"));
}
