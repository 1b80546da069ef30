#include "numbers/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cstdint>
#include <random>
#include <string>

#include "numbers/number_format.h"
#include "support/big_unsigned.h"
#include "support/hexfloat.h"

namespace quorvane {
namespace {

using test_support::Hex;

class NumberTextTest : public ::testing::Test {
 protected:
  NumberFormat format_;  // "." unless a test chooses another
};

TEST_F(NumberTextTest, GeneralFormatExamples) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {2.75, "2.75"},
      {0.0001, "0.0001"},
      {0.00005, "5E-5"},
      {1e15, "1E15"},
      {1234567890123456.0, "1.23456789012346E15"},
      {999999999999999.0, "999999999999999"},
      {999999999999999.5, "1E15"},  // the rounded digits decide the form
      {0.0, "0"},
      {-0.0, "0"},
      {4.0, "4"},
      {-2.0, "-2"},
      {0.25, "0.25"},
      {-3.5, "-3.5"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3.0, "0.333333333333333"},
      {2.0 / 3.0, "0.666666666666667"},
      {100.0, "100"},
      {123456789012345.0, "123456789012345"},
      {0.00012345, "0.00012345"},
      {0.000099999999999999995, "0.0001"},
      {1e-5, "1E-5"},
      {1.5e-7, "1.5E-7"},
      {-1.5e300, "-1.5E300"},
      {DBL_MAX, "1.79769313486232E308"},
      {0x1p-1074, "4.94065645841247E-324"},
      {1e100, "1E100"},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberText(c.value, format_), c.text) << Hex(c.value);
}

TEST_F(NumberTextTest, RoundsTheEighteenDigitFormNotTheExactValue) {
  // Exactly 1.11165348947636499765...: its 18-digit form 1.11165348947636500
  // rounds up at the 16th digit although the exact value would round down.
  EXPECT_EQ(NumberText(1.111653489476365, format_), "1.11165348947637");
  EXPECT_EQ(NumberText(8.652089564556535, format_), "8.65208956455654");
}

TEST_F(NumberTextTest, UsesTheDecimalSeparator) {
  format_ = NumberFormat::FromLocaleSetting(",");
  EXPECT_EQ(NumberText(0.25, format_), "0,25");
  EXPECT_EQ(NumberText(1.5e-7, format_), "1,5E-7");
  EXPECT_EQ(NumberText(-2, format_), "-2");
  format_ = NumberFormat::FromLocaleSetting("\xD9\xAB");
  EXPECT_EQ(NumberText(2.5, format_),
            "2\xD9\xAB"
            "5");
  // Four bytes, in the longest texts of both forms.
  format_ = NumberFormat::FromLocaleSetting("\xF0\x9D\x9F\x98");
  EXPECT_EQ(NumberText(-1.2345678901234567e-300, format_),
            "-1\xF0\x9D\x9F\x98"
            "23456789012346E-300");
  EXPECT_EQ(NumberText(-0.00012345678901234567, format_),
            "-0\xF0\x9D\x9F\x98"
            "000123456789012346");
  EXPECT_EQ(NumberText(12345678901234.567, format_),
            "12345678901234\xF0\x9D\x9F\x98"
            "6");
}

// The oracle: exact decimal digits of the double, rounded to 18 digits (tie
// to even), then to 15 on the 16th digit, written by the rules of the format.
std::string OracleNumberText(double value) {
  if (value == 0) return "0";
  const test_support::DecimalExpansion exact = test_support::ExactDecimal(value);
  std::string digits = exact.digits + std::string(40, '0');
  int exponent = exact.exponent;
  // 18 digits, half to even on the exact tail.
  const std::string tail = exact.digits.size() > 18 ? exact.digits.substr(18) : "";
  std::string kept = digits.substr(0, 18);
  bool up = false;
  if (!tail.empty()) {
    if (tail[0] > '5') {
      up = true;
    } else if (tail[0] == '5') {
      const bool rest_zero = tail.find_first_not_of('0', 1) == std::string::npos;
      up = !rest_zero || (kept.back() - '0') % 2 == 1;
    }
  }
  auto increment = [&](std::string& d) {
    int i = static_cast<int>(d.size()) - 1;
    while (i >= 0 && d[static_cast<std::size_t>(i)] == '9') d[static_cast<std::size_t>(i--)] = '0';
    if (i >= 0) {
      ++d[static_cast<std::size_t>(i)];
    } else {
      d.insert(d.begin(), '1');
      d.pop_back();
      ++exponent;
    }
  };
  if (up) increment(kept);
  std::string shown = kept.substr(0, 15);
  if (kept[15] >= '5') increment(shown);
  while (shown.size() > 1 && shown.back() == '0') shown.pop_back();
  std::string text = exact.negative ? "-" : "";
  if (exponent >= -4 && exponent < 15) {
    if (exponent < 0) {
      text += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + shown;
    } else {
      const auto whole = static_cast<std::size_t>(exponent + 1);
      if (shown.size() <= whole) {
        text += shown + std::string(whole - shown.size(), '0');
      } else {
        text += shown.substr(0, whole) + "." + shown.substr(whole);
      }
    }
  } else {
    text += shown.substr(0, 1);
    if (shown.size() > 1) text += "." + shown.substr(1);
    text += "E" + std::to_string(exponent);
  }
  return text;
}

TEST_F(NumberTextTest, RandomBitPatternsMatchTheExactOracleSeeded) {
  std::mt19937_64 random(15);
  for (int trial = 0; trial < 20000; ++trial) {
    double value = std::bit_cast<double>(random());
    if (!std::isfinite(value)) continue;
    if (trial % 3 == 1)
      value = std::ldexp(std::fmod(value, 1.0), static_cast<int>(random() % 120) - 60);
    EXPECT_EQ(NumberText(value, format_), OracleNumberText(value)) << Hex(value);
  }
}

TEST_F(NumberTextTest, DecimalTextsNearTheRoundingBoundariesMatchTheOracleSeeded) {
  // Values whose 16th to 18th digits sit at the boundaries: ...4999..., ...5000...
  std::mt19937_64 random(99);
  const char* tails[] = {"4999", "49995", "5", "50001", "49999999", "9999", "99995"};
  for (int trial = 0; trial < 5000; ++trial) {
    const std::string head = std::to_string(100000000000000ULL + random() % 900000000000000ULL);
    const std::string text = head.substr(0, 1) + "." + head.substr(1) + tails[trial % 7] + "e" +
                             std::to_string(static_cast<int>(random() % 40) - 20);
    const double value = std::strtod(text.c_str(), nullptr);
    EXPECT_EQ(NumberText(value, format_), OracleNumberText(value)) << text << " " << Hex(value);
  }
}

TEST_F(NumberTextTest, ShortDecimalsRoundTrip) {
  // A double read from a text of at most 15 significant digits gives that
  // text back (in its shortest form).
  std::mt19937_64 random(3);
  for (int trial = 0; trial < 5000; ++trial) {
    const std::uint64_t mantissa = random() % 1000000000000000ULL;
    const int exponent = static_cast<int>(random() % 60) - 30;
    const double value =
        std::strtod((std::to_string(mantissa) + "e" + std::to_string(exponent)).c_str(), nullptr);
    const std::string text = NumberText(value, format_);
    EXPECT_EQ(std::strtod(text.c_str(), nullptr), value) << text;
  }
}

}  // namespace
}  // namespace quorvane
