// The string class: 8-bit construction, formatting, left part.
#include "framework/afx_string.h"

#include <gtest/gtest.h>

namespace {

TEST(CString, ConstructsFrom8BitTextUpToItsTerminator) {
  EXPECT_EQ(CString("open com port: success").str(), L"open com port: success");
  EXPECT_TRUE(CString("").IsEmpty());
  EXPECT_TRUE(CString(static_cast<const char*>(nullptr)).IsEmpty());
  EXPECT_EQ(CString("\r\n").GetLength(), 2);
}

TEST(CString, FormatsNumbersAndLongText) {
  CString line;
  line.Format(L"noSignalCounter = %d", -17);
  EXPECT_EQ(line.str(), L"noSignalCounter = -17");
  line.Format(L"%ls", std::wstring(5000, L'a').c_str());
  EXPECT_EQ(line.GetLength(), 5000);
}

TEST(CString, LeftKeepsAtMostTheFirstCharacters) {
  const CString text = L"abcdef";
  EXPECT_EQ(text.Left(3).str(), L"abc");
  EXPECT_EQ(text.Left(10).str(), L"abcdef");
  EXPECT_EQ(text.Left(0).str(), L"");
  EXPECT_EQ((CString(L"ab") + CString("cd")).str(), L"abcd");
}

}  // namespace
