#include "tools/navoromap/rmc_sentence.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace {

constexpr std::string_view kTag = "$GPRMC";

RmcDecoding Unreadable(std::string problem) { return RmcDecoding{std::nullopt, std::move(problem)}; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Digits with an optional fraction ("1.93", "000.0", "5"); no sign, no exponent.
std::optional<double> ParseDecimal(std::string_view field) {
  const size_t dot = field.find('.');
  const std::string_view whole = field.substr(0, dot);
  const std::string_view fraction = dot == std::string_view::npos ? std::string_view{} : field.substr(dot + 1);
  if (whole.empty() && fraction.empty()) return std::nullopt;
  for (char c : whole)
    if (!IsDigit(c)) return std::nullopt;
  for (char c : fraction)
    if (!IsDigit(c)) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (error != std::errc{} || end != field.data() + field.size()) return std::nullopt;
  return value;
}

// "hhmmss" with an optional fraction -> "hh:mm:ss.fff".
std::optional<std::string> ParseTime(std::string_view field) {
  if (field.size() < 6) return std::nullopt;
  for (int i = 0; i < 6; ++i)
    if (!IsDigit(field[i])) return std::nullopt;
  const int hours = (field[0] - '0') * 10 + (field[1] - '0');
  const int minutes = (field[2] - '0') * 10 + (field[3] - '0');
  const int seconds = (field[4] - '0') * 10 + (field[5] - '0');
  if (hours > 23 || minutes > 59 || seconds > 60) return std::nullopt;  // 60: leap second
  const std::string_view fraction = field.substr(6);
  if (!fraction.empty()) {
    if (fraction[0] != '.') return std::nullopt;
    for (char c : fraction.substr(1))
      if (!IsDigit(c)) return std::nullopt;
  }
  std::string time;
  time.append(field.substr(0, 2)).append(":").append(field.substr(2, 2)).append(":").append(field.substr(4));
  return time;
}

// "ddmm.mmmm" (degreeDigits 2) or "dddmm.mmmm" (3) and a hemisphere letter.
std::optional<double> ParseAngle(std::string_view field, std::string_view hemisphere, int degreeDigits, char positive,
                                 char negative, double limit) {
  const size_t wholeDigits = std::min(field.find('.'), field.size());
  if (wholeDigits != static_cast<size_t>(degreeDigits) + 2) return std::nullopt;
  const std::optional<double> raw = ParseDecimal(field);
  if (!raw || hemisphere.size() != 1) return std::nullopt;
  const int degrees = static_cast<int>(*raw / 100);
  const double minutes = *raw - degrees * 100.0;
  const double angle = degrees + minutes / 60;
  if (minutes >= 60 || angle > limit) return std::nullopt;
  if (hemisphere[0] == positive) return angle;
  if (hemisphere[0] == negative) return -angle;
  return std::nullopt;
}

// The sentence's fields between "$" and "*", split at commas.
std::vector<std::string_view> SplitFields(std::string_view body) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  for (;;) {
    const size_t comma = body.find(',', start);
    fields.push_back(body.substr(start, comma - start));
    if (comma == std::string_view::npos) return fields;
    start = comma + 1;
  }
}

}  // namespace

RmcDecoding DecodeRmc(std::string_view text) {
  const size_t start = text.find(kTag);
  if (start == std::string_view::npos) return Unreadable("no $GPRMC");
  std::string_view sentence = text.substr(start);
  sentence = sentence.substr(0, sentence.find_first_of(std::string_view("\r\n\0", 3)));

  // Everything between '$' and '*' is covered by the checksum: two hex digits, XOR of the bytes.
  const size_t star = sentence.find('*');
  if (star != std::string_view::npos) {
    if (sentence.size() != star + 3 || HexValue(sentence[star + 1]) < 0 || HexValue(sentence[star + 2]) < 0)
      return Unreadable("bad checksum field");
    unsigned sum = 0;
    for (char c : sentence.substr(1, star - 1)) sum ^= static_cast<unsigned char>(c);
    if (sum != static_cast<unsigned>(HexValue(sentence[star + 1]) * 16 + HexValue(sentence[star + 2])))
      return Unreadable("checksum mismatch");
  }
  const size_t bodyEnd = star == std::string_view::npos ? sentence.size() : star;
  const std::vector<std::string_view> fields = SplitFields(sentence.substr(1, bodyEnd - 1));
  if (fields[0] != kTag.substr(1)) return Unreadable("no $GPRMC");  // "$GPRMCX,..."
  // Fields: 1 time, 2 status, 3-4 latitude, 5-6 longitude, 7 speed, 8 course.
  auto field = [&fields](size_t i) { return i < fields.size() ? fields[i] : std::string_view{}; };

  RmcFix fix;
  if (!field(1).empty()) {
    const std::optional<std::string> time = ParseTime(field(1));
    if (!time) return Unreadable("bad time");
    fix.time = *time;
  }
  if (field(2) != "A" && field(2) != "V") return Unreadable("bad status");
  fix.valid = field(2) == "A";

  const bool noPosition = field(3).empty() && field(4).empty() && field(5).empty() && field(6).empty();
  if (!noPosition) {
    const std::optional<double> latitude = ParseAngle(field(3), field(4), 2, 'N', 'S', 90);
    if (!latitude) return Unreadable("bad latitude");
    const std::optional<double> longitude = ParseAngle(field(5), field(6), 3, 'E', 'W', 180);
    if (!longitude) return Unreadable("bad longitude");
    fix.position = GeoPoint{*latitude, *longitude};
  }
  if (!field(7).empty()) {
    fix.speedKnots = ParseDecimal(field(7));
    if (!fix.speedKnots) return Unreadable("bad speed");
  }
  if (!field(8).empty()) {
    fix.courseDegrees = ParseDecimal(field(8));
    if (!fix.courseDegrees || *fix.courseDegrees > 360) return Unreadable("bad course");
  }
  return RmcDecoding{fix, ""};
}
