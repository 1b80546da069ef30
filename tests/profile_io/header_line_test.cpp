#include "profile_io/header_line.h"

#include <gtest/gtest.h>

#include <cfloat>

#include "errors/error.h"
#include "support/hexfloat.h"
#include "support/printers.h"

namespace quorvane {
namespace {

TEST(IsWholePowerOfTwo, ExactlyOnTheStoredDouble) {
  for (const double yes : {1.0, 2.0, 4.0, 64.0, 0.5, 0.25, 0x1p-1074, 0x1p-1022, 0x1p1023}) {
    EXPECT_TRUE(IsWholePowerOfTwo(yes)) << test_support::Hex(yes);
  }
  for (const double no : {0.0, -0.0, -4.0, 3.0, 24.0, 0.3, 1.0 + 0x1p-52, 0x3p-1074, DBL_MAX}) {
    EXPECT_FALSE(IsWholePowerOfTwo(no)) << test_support::Hex(no);
  }
}

TEST(IsHeaderLine, LooksAtTheNumberNotTheText) {
  for (const char* yes : {"4", "4.0", "4e0", " 4 ", "0.5", "1", "64", "0.125"}) {
    EXPECT_TRUE(IsHeaderLine(yes, NumberFormat())) << yes;
  }
  for (const char* no : {"3", "24", "0.3", "0", "-4", "-0", "0.1"}) {
    EXPECT_FALSE(IsHeaderLine(no, NumberFormat())) << no;
  }
  EXPECT_THROW(IsHeaderLine("mGy/s", NumberFormat()), Error);
  EXPECT_THROW(IsHeaderLine("", NumberFormat()), Error);
  try {
    IsHeaderLine("1e400", NumberFormat());
    ADD_FAILURE() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(error.kind(), ErrorKind::kOverflow);
  }
}

}  // namespace
}  // namespace quorvane
