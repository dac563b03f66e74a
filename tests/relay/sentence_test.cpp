// Finding and cutting the first "$GPRMC" sentence in one read, and widening it.
#include "relay/sentence.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct CutCase {
  const char* name;
  std::string received;
  const char* expected;  // null: no sentence
};

ReadBuffer Received(const std::string& bytes) {
  ReadBuffer buffer = {};
  std::memcpy(buffer.bytes, bytes.data(), std::min<size_t>(bytes.size(), kReadSize));
  return buffer;
}

const std::string kRmc = "$GPRMC,081836,A,3751.65,S,14507.36,E,000.0,360.0,130998,011.3,E*62";

class CutFirstSentenceTest : public testing::TestWithParam<CutCase> {};

TEST_P(CutFirstSentenceTest, FindsTheFirstCompleteSentence) {
  ReadBuffer buffer = Received(GetParam().received);
  const char* sentence = CutFirstSentence(buffer);
  if (!GetParam().expected) {
    EXPECT_EQ(sentence, nullptr);
  } else {
    ASSERT_NE(sentence, nullptr);
    EXPECT_STREQ(sentence, GetParam().expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Reads, CutFirstSentenceTest,
    testing::Values(CutCase{"CrLf", kRmc + "\r\n", kRmc.c_str()}, CutCase{"LfOnly", kRmc + "\n", kRmc.c_str()},
                    CutCase{"CrOnly", kRmc + "\r", kRmc.c_str()},
                    CutCase{"OtherTagsBefore", "$GPGGA,1*00\r\n$PGRME,2*00\r\n" + kRmc + "\r\n", kRmc.c_str()},
                    CutCase{"TwoSentencesForwardTheOlder", kRmc + "\r\n$GPRMC,second*00\r\n", kRmc.c_str()},
                    // An LF-terminated line is not glued to a following CR-terminated one.
                    CutCase{"LfLineThenCrLine", kRmc + "\n$GPGGA,next\r\n", kRmc.c_str()},
                    CutCase{"LineEndNotYetArrived", "$GPGGA,1*00\r\n" + kRmc.substr(0, 30), nullptr},
                    CutCase{"OtherTagsOnly", "$GPGGA,1*00\r\n$GPGSV,2*00\r\n$GNRMC,3*00\r\n", nullptr},
                    CutCase{"TagIsCaseSensitive", "$gprmc,1*00\r\n", nullptr},
                    CutCase{"ZeroByteHidesTheTag", std::string("$GPGGA\r\n\0", 9) + kRmc + "\r\n", nullptr},
                    CutCase{"Empty", "", nullptr},
                    // Cut off mid-line by the tick, the rest has no tag when it arrives.
                    CutCase{"RestOfACutSentence", ",E,000.0,360.0,130998,011.3,E*62\r\n", nullptr}),
    [](const testing::TestParamInfo<CutCase>& info) { return std::string(info.param.name); });

TEST(CutFirstSentence, SearchesAllOfAFullReadAndNoFurther) {
  // Filler up to the end of the read, the sentence in its last bytes.
  const std::string tail = "$GPRMC,x\r";
  ReadBuffer buffer = Received(std::string(kReadSize - tail.size(), 'x') + tail);
  const char* sentence = CutFirstSentence(buffer);
  ASSERT_NE(sentence, nullptr);
  EXPECT_STREQ(sentence, "$GPRMC,x");

  // The line end would be the byte after the read: not part of it.
  const std::string cut = "$GPRMC,x";
  ReadBuffer full = Received(std::string(kReadSize - cut.size(), 'x') + cut);
  EXPECT_EQ(CutFirstSentence(full), nullptr);
}

TEST(WidenSentence, EachByteBecomesTheCharacterOfTheSameCode) {
  EXPECT_EQ(WidenSentence("$GPRMC,1*00"), CString(L"$GPRMC,1*00"));
  EXPECT_EQ(WidenSentence("\xB0\x80\xFF"), CString(L"\u00B0\u0080\u00FF"));
}

}  // namespace
