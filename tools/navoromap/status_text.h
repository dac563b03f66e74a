// The text lines of the map window: the received sentence made printable and
// the decoded fields. No Win32.
#pragma once

#include <string>
#include <string_view>

#include "tools/navoromap/rmc_sentence.h"

// The bytes as printable text: ASCII as it is, every other byte (line ends,
// NUL, 8-bit) as "<0d>". Long content is cut with "...".
std::wstring PrintableBytes(std::string_view bytes);

// "Time 09:53:05.802    Status A (valid fix)"
std::wstring DescribeTimeAndStatus(const RmcFix& fix);
// "Position 27.210912° S, 153.052250° E" or "Position: none"
std::wstring DescribePosition(const RmcFix& fix);
// "Speed 1.93 kn    Course 133.96°", empty fields as "-"
std::wstring DescribeMotion(const RmcFix& fix);
