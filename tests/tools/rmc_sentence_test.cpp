// Decoding of "$GPRMC" sentences by the stand-in map, on lines taken from the
// receiver captures in tests/data/nmea and on damaged variants of them.
#include "tools/navoromap/rmc_sentence.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr double kNone = -999;  // field expected empty

struct ReadableCase {
  const char* source;
  std::string text;
  const char* time;
  bool valid;
  double latitude;  // kNone: no position
  double longitude;
  double speedKnots;
  double courseDegrees;
};

double Degrees(int degrees, double minutes) { return degrees + minutes / 60; }

const ReadableCase kReadable[] = {
    {"haicom: valid, south-east", "$GPRMC,095305.802,A,2712.6547,S,15303.1350,E,1.93,133.96,080407,,,A*78",
     "09:53:05.802", true, -Degrees(27, 12.6547), Degrees(153, 3.1350), 1.93, 133.96},
    {"haicom: void", "$GPRMC,095255.810,V,2712.6404,S,15303.1201,E,0.00,0.00,080407,,,A*6E", "09:52:55.810", false,
     -Degrees(27, 12.6404), Degrees(153, 3.1201), 0, 0},
    {"garmin: whole seconds, north-east", "$GPRMC,093802,A,5213.1439,N,02100.6511,E,000.0,226.0,160305,004.2,E,D*15",
     "09:38:02", true, Degrees(52, 13.1439), Degrees(21, 0.6511), 0, 226},
    {"triton: west", "$GPRMC,030129.0,A,2638.1726,N,08011.3892,W,0.00,219.6,010413,,*26", "03:01:29.0", true,
     Degrees(26, 38.1726), -Degrees(80, 11.3892), 0, 219.6},
    {"holux: empty course", "$GPRMC,012528.562,V,4131.7353,N,09336.8150,W,0.00,,050405,,*17", "01:25:28.562", false,
     Degrees(41, 31.7353), -Degrees(93, 36.8150), 0, kNone},
    {"gp-320: cold boot, empty speed and course", "$GPRMC,235948.00,V,0000.0000,N,00000.0000,E,,,161206,,,N*45",
     "23:59:48.00", false, 0, 0, kNone, kNone},
    {"ch-4711: void after losing the fix", "$GPRMC,135658.997,V,5543.0326,N,03724.7205,E,00.79,159.0,051209,,,N*73",
     "13:56:58.997", false, Degrees(55, 43.0326), Degrees(37, 24.7205), 0.79, 159},
    {"tomtom: stray byte before the tag", "r$GPRMC,175804,V,5125.8697,N,00524.2288,E,0.0000,0.000,200610,,*30",
     "17:58:04", false, Degrees(51, 25.8697), Degrees(5, 24.2288), 0, 0},
    {"fuzzy: eight decimals", "$GPRMC,132820.60,A,4134.49821229,N,09345.03351845,W,3.252,92.308,180320,11.5985,E,D*1A",
     "13:28:20.60", true, Degrees(41, 34.49821229), -Degrees(93, 45.03351845), 3.252, 92.308},
    {"line end and the next sentence behind it",
     "$GPRMC,175736,A,5125.8714,N,00524.2350,E,3.1865,276.241,200610,,*2A\r\n$GPGSA,A,3,14,30,29,31,,,,,,,,,7.6,3.4,6."
     "8*35",
     "17:57:36", true, Degrees(51, 25.8714), Degrees(5, 24.2350), 3.1865, 276.241},
    {"LF-ended line glued to the next",
     "$GPRMC,093803,A,5213.1439,N,02100.6511,E,000.0,226.0,160305,004.2,E,D*14\n$GPGGA", "09:38:03", true,
     Degrees(52, 13.1439), Degrees(21, 0.6511), 0, 226},
    {"no checksum", "$GPRMC,095305.802,A,2712.6547,S,15303.1350,E,1.93,133.96,080407,,,A", "09:53:05.802", true,
     -Degrees(27, 12.6547), Degrees(153, 3.1350), 1.93, 133.96},
    {"only time and status", "$GPRMC,000000,V", "00:00:00", false, kNone, kNone, kNone, kNone},
    {"empty time, no position", "$GPRMC,,V,,,,,,,,,,N", "", false, kNone, kNone, kNone, kNone},
};

void ExpectField(const std::optional<double>& actual, double expected, const char* what) {
  if (expected == kNone) {
    EXPECT_FALSE(actual.has_value()) << what;
  } else {
    ASSERT_TRUE(actual.has_value()) << what;
    EXPECT_NEAR(*actual, expected, 1e-9) << what;
  }
}

TEST(RmcSentenceTest, DecodesReadableSentences) {
  for (const ReadableCase& c : kReadable) {
    SCOPED_TRACE(c.source);
    const RmcDecoding decoded = DecodeRmc(c.text);
    ASSERT_TRUE(decoded.fix.has_value()) << decoded.problem;
    const RmcFix& fix = *decoded.fix;
    EXPECT_EQ(fix.time, c.time);
    EXPECT_EQ(fix.valid, c.valid);
    ExpectField(fix.position ? std::optional(fix.position->latitude) : std::nullopt, c.latitude, "latitude");
    ExpectField(fix.position ? std::optional(fix.position->longitude) : std::nullopt, c.longitude, "longitude");
    ExpectField(fix.speedKnots, c.speedKnots, "speed");
    ExpectField(fix.courseDegrees, c.courseDegrees, "course");
  }
}

struct UnreadableCase {
  const char* source;
  std::string text;
  const char* problem;
};

using namespace std::string_literals;

const UnreadableCase kUnreadable[] = {
    {"empty file", "", "no $GPRMC"},
    {"ch-4711: GLONASS tag", "$GNRMC,135651.997,A,5543.0328,N,03724.7198,E,00.00,129.5,051209,,,A*79", "no $GPRMC"},
    {"longer tag", "$GPRMCX,095305.802,A,2712.6547,S,15303.1350,E,1.93,133.96,080407,,,A", "no $GPRMC"},
    {"gp-320: cut short, bad checksum", "$GPRMC,000344.03,A,4808.9992,N,4,02.3*05", "checksum mismatch"},
    {"gp-320: collided with a VTG", "$GPRMC,000429.00,V,0000.0000,N,00000.000VTG,,T,,M,,N,,K,N*2C",
     "checksum mismatch"},
    {"one digit changed", "$GPRMC,095305.802,A,2712.6547,S,15303.1360,E,1.93,133.96,080407,,,A*78",
     "checksum mismatch"},
    {"checksum cut short", "$GPRMC,095305.802,A,2712.6547,S,15303.1350,E,1.93,133.96,080407,,,A*7",
     "bad checksum field"},
    {"checksum not hex", "$GPRMC,095305.802,A,2712.6547,S,15303.1350,E,1.93,133.96,080407,,,A*7G",
     "bad checksum field"},
    {"gp-320: NUL bytes inside", "$GPRMC,000346.03,A,4808\0\0\0\0\0\0\0\0\0\0\0\0                  \r\n"s,
     "bad latitude"},
    {"gp-320: fields lost", "$GPRMC,000428.00,,E,,,220899,,,N", "bad status"},
    {"gp-320: hemisphere lost", "$GPRMC,235955.00,V,0000.0000,,,N", "bad latitude"},
    {"status neither A nor V", "$GPRMC,095305.802,X,2712.6547,S,15303.1350,E,1.93,133.96,080407,,,A", "bad status"},
    {"hour 24", "$GPRMC,240000,A,2712.6547,S,15303.1350,E,1.93,133.96,080407,,,A", "bad time"},
    {"time with letters", "$GPRMC,09a305,A,2712.6547,S,15303.1350,E", "bad time"},
    {"minutes of 60", "$GPRMC,095305,A,2760.0000,S,15303.1350,E", "bad latitude"},
    {"latitude beyond the pole", "$GPRMC,095305,A,9100.0000,N,15303.1350,E", "bad latitude"},
    {"latitude without degree digits", "$GPRMC,095305,A,12.6547,S,15303.1350,E", "bad latitude"},
    {"longitude hemisphere N", "$GPRMC,095305,A,2712.6547,S,15303.1350,N", "bad longitude"},
    {"negative speed", "$GPRMC,095305,A,2712.6547,S,15303.1350,E,-1.93,133.96", "bad speed"},
    {"course of two dots", "$GPRMC,095305,A,2712.6547,S,15303.1350,E,1.93,1.3.3", "bad course"},
    {"8-bit garbage after the tag", "$GPRMC\xff\xfe\x80,A", "no $GPRMC"},
    {"tag without any field", "$GPRMC", "bad status"},
};

TEST(RmcSentenceTest, RejectsDamagedSentences) {
  for (const UnreadableCase& c : kUnreadable) {
    SCOPED_TRACE(c.source);
    const RmcDecoding decoded = DecodeRmc(c.text);
    EXPECT_FALSE(decoded.fix.has_value());
    EXPECT_EQ(decoded.problem, c.problem);
  }
}

// Every prefix of a real sentence is a line cut by a lost byte run: none may
// crash, and none that cuts into the checksum may decode.
TEST(RmcSentenceTest, SurvivesEveryCutOfARealLine) {
  const std::string line = "$GPRMC,095305.802,A,2712.6547,S,15303.1350,E,1.93,133.96,080407,,,A*78";
  for (size_t length = 0; length < line.size(); ++length) {
    const RmcDecoding decoded = DecodeRmc(line.substr(0, length));
    if (length > line.find('*')) {
      EXPECT_FALSE(decoded.fix.has_value()) << length;
    }
  }
  EXPECT_TRUE(DecodeRmc(line).fix.has_value());
}

}  // namespace
