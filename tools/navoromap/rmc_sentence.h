// Decoding of the "$GPRMC" sentence that the launcher hands over through the
// API data file. No I/O and no Win32: the caller passes the bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// A position in degrees; north and east are positive.
struct GeoPoint {
  double latitude = 0;
  double longitude = 0;
};

// The fields of one readable RMC sentence. Empty fields stay unset.
struct RmcFix {
  std::string time;    // "hh:mm:ss" with the receiver's fraction, "" when empty
  bool valid = false;  // status 'A'; 'V' is the receiver's warning (void)
  std::optional<GeoPoint> position;
  std::optional<double> speedKnots;
  std::optional<double> courseDegrees;
};

// Outcome of decoding: the fix, or why the text is unreadable.
struct RmcDecoding {
  std::optional<RmcFix> fix;
  std::string problem;  // set when fix is empty, e.g. "checksum mismatch"
};

// Decodes the first "$GPRMC" sentence in text. The sentence ends at the first
// CR, LF or NUL; a checksum, when present, must match. Any malformed field
// makes the whole sentence unreadable.
//   "$GPRMC,095305.802,A,2712.6547,S,15303.1350,E,1.93,133.96,080407,,,A*78"
//   -> 09:53:05.802, valid, 27.21091 S 153.05225 E, 1.93 kn, 133.96 deg
RmcDecoding DecodeRmc(std::string_view text);
