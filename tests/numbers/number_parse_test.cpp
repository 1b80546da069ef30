#include "numbers/number_parse.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <random>
#include <string>

#include "errors/error.h"
#include "numbers/number_format.h"
#include "support/big_unsigned.h"
#include "support/hexfloat.h"
#include "support/printers.h"

namespace quorvane {
namespace {

using test_support::BinaryValue;
using test_support::CompareDecimalWithBinary;
using test_support::ExactBinary;
using test_support::Hex;

const Extended kMaxExtended = std::numeric_limits<Extended>::max();

class NumberParseTest : public ::testing::Test {
 protected:
  NumberFormat format_;  // "." unless a test chooses another
};

struct AcceptedCase {
  const char* text;
  Extended value;
};

TEST_F(NumberParseTest, AcceptsTheGrammar) {
  const AcceptedCase cases[] = {
      {"1", 1.0L},          {"  -2.5  ", -2.5L},
      {"+4", 4.0L},         {"4.0", 4.0L},
      {"4e0", 4.0L},        {" 4 ", 4.0L},
      {".", 0.0L},          {"-.", -0.0L},
      {"+.", 0.0L},         {".5", 0.5L},
      {"5.", 5.0L},         {"1e", 1.0L},
      {"1E+", 1.0L},        {"1e-", 1.0L},
      {"2.5E3", 2500.0L},   {"2.5e-3", 0.0025L},
      {"-0", -0.0L},        {"000123.4500", 123.45L},
      {"0.000", 0.0L},      {"0e99999999999999999999", 0.0L},
      {".e5", 0.0L},        {"1e-99999", 0.0L},
      {"-1e-99999", -0.0L}, {"0.1", 0.1L},
  };
  for (const auto& c : cases) {
    const Extended value = ParseNumber(c.text, format_);
    EXPECT_EQ(value, c.value) << '"' << c.text << "\" gave " << Hex(value);
    EXPECT_EQ(SignBit(value), SignBit(c.value)) << c.text;
  }
}

TEST_F(NumberParseTest, RejectsEverythingElseWithTheConversionError) {
  const char* cases[] = {
      "",    " ",   "-",    "+",     "e5",    "E",     "1..2",  "1.2.3", "1,5",
      "1 5", "--1", "+-1",  "1e5.5", "1e5e5", "0x10",  "$10",   "inf",   "nan",
      "1\t", "\t1", "1e 5", "1 e5",  "１",    "1_000", "1'000", "- 1",   "1.0\n",
  };
  for (const char* text : cases) {
    try {
      const Extended value = ParseNumber(text, format_);
      ADD_FAILURE() << '"' << text << "\" accepted as " << Hex(value);
    } catch (const Error& error) {
      EXPECT_EQ(error.kind(), ErrorKind::kConversion);
      EXPECT_EQ(error.message(), "'" + std::string(text) + "' は浮動小数点数ではありません");
    }
  }
}

TEST_F(NumberParseTest, BeyondTheExtendedRangeIsTheConversionError) {
  for (const char* text : {"1e4933", "-1.2e4932", "1e99999999999999999999999"}) {
    try {
      ParseNumber(text, format_);
      ADD_FAILURE() << text << " accepted";
    } catch (const Error& error) {
      EXPECT_EQ(error.kind(), ErrorKind::kConversion) << text;
    }
  }
  EXPECT_EQ(ParseNumber("1.18973149535723176502e4932", format_), kMaxExtended);
}

TEST_F(NumberParseTest, BeyondTheDoubleRangeOverflowsOnlyWhenStored) {
  EXPECT_EQ(ParseNumber("1e309", format_), 1e309L);
  try {
    ParseStoredNumber("1e309", format_);
    ADD_FAILURE() << "stored without error";
  } catch (const Error& error) {
    EXPECT_EQ(error.kind(), ErrorKind::kOverflow);
    EXPECT_EQ(error.message(), "浮動小数点数のオーバーフロー");
  }
  EXPECT_EQ(ParseStoredNumber("1.7976931348623157e308", format_), DBL_MAX);
}

TEST_F(NumberParseTest, StoringRoundsTheExtendedValueAgain) {
  // Found by fuzzing: 1.7900011925514 rounds to an extended value exactly
  // halfway between two doubles, and the store takes the even one, one unit
  // below the double nearest the decimal. The value is formed at extended
  // precision by the rule, so this is the right result.
  EXPECT_EQ(ParseNumber("1.7900011925514", format_), 0x1.ca3d84a5cf2bc8p+0L);
  EXPECT_EQ(ParseStoredNumber("1.7900011925514", format_), 0x1.ca3d84a5cf2bcp+0);
  EXPECT_EQ(std::strtod("1.7900011925514", nullptr), 0x1.ca3d84a5cf2bdp+0);
}

TEST_F(NumberParseTest, UnderflowGivesSubnormalsOrZeroSilently) {
  EXPECT_EQ(ParseNumber("1e-4940", format_), 1e-4940L);
  EXPECT_GT(ParseNumber("4e-4951", format_), 0.0L);
  EXPECT_EQ(ParseNumber("1e-4952", format_), 0.0L);
  EXPECT_EQ(ParseStoredNumber("4.9406564584124654e-324", format_), 0x1p-1074);
  EXPECT_EQ(ParseStoredNumber("1e-330", format_), 0.0);
}

TEST_F(NumberParseTest, CommaSeparatorReplacesThePoint) {
  format_ = NumberFormat::FromLocaleSetting(",");
  EXPECT_EQ(ParseNumber("1,5", format_), 1.5L);
  EXPECT_EQ(ParseNumber(",", format_), 0.0L);
  EXPECT_THROW(ParseNumber("1.5", format_), Error);
  EXPECT_THROW(ParseNumber("1,5,", format_), Error);
}

TEST_F(NumberParseTest, MultiByteSeparator) {
  format_ = NumberFormat::FromLocaleSetting("\xD9\xAB");  // U+066B
  EXPECT_EQ(ParseNumber("2\xD9\xAB"
                        "25",
                        format_),
            2.25L);
  EXPECT_EQ(ParseNumber("-\xD9\xAB", format_), -0.0L);
  EXPECT_THROW(ParseNumber("2\xD9"
                           "25",
                           format_),
               Error);
  EXPECT_THROW(ParseNumber("2.25", format_), Error);
}

TEST_F(NumberParseTest, ThousandsOfDigitsAndExponentDigits) {
  const std::string ones(5000, '1');
  EXPECT_THROW(ParseNumber(ones, format_), Error);  // 1.1e4999 is beyond the extended range
  EXPECT_EQ(ParseNumber("0." + std::string(3000, '0') + "1e3001", format_), 1.0L);
  EXPECT_EQ(ParseNumber("1e" + std::string(3000, '0') + "1", format_), 10.0L);
  EXPECT_EQ(ParseNumber("1" + std::string(4000, '0') + "e-4000", format_), 1.0L);
  EXPECT_EQ(ParseNumber("1e-" + std::string(3000, '9'), format_), 0.0L);
  EXPECT_THROW(ParseNumber("1e" + std::string(3000, '9'), format_), Error);
  // A long tail that decides the rounding: 1 + 2^-64 (halfway between 1 and
  // its successor) rounds to even, just above it rounds up.
  const std::string half = "1.0000000000000000000542101086242752217003726400434970855712890625";
  EXPECT_EQ(ParseNumber(half, format_), 1.0L);
  EXPECT_EQ(ParseNumber(half + std::string(20000, '0') + "1", format_), 1.0L + 0x1p-63L);
}

// The oracle: the parsed value is the extended value nearest to the exact
// decimal value, an exact tie going to the even significand.
void ExpectCorrectlyRounded(const std::string& digits, int exponent, const std::string& text) {
  const Extended parsed = ParseNumber(text, NumberFormat());
  ASSERT_FALSE(detail::IsInfinite(parsed));
  const Extended below = NextToward(parsed, Extended(0));
  const Extended above = NextToward(parsed, kMaxExtended);
  // Midpoints as exact binary values: (a + b) / 2 with a common exponent.
  auto midpoint = [](Extended a, Extended b) {
    BinaryValue x = ExactBinary(a);
    BinaryValue y = ExactBinary(b);
    if (a == 0) x.exponent = y.exponent;
    const int low = std::min(x.exponent, y.exponent);
    x.significand.ShiftLeft(static_cast<unsigned>(x.exponent - low));
    y.significand.ShiftLeft(static_cast<unsigned>(y.exponent - low));
    BinaryValue sum{false, x.significand.Add(y.significand), low - 1};
    return sum;
  };
  const bool even = (ExactBinary(parsed).significand.ToDecimal().back() - '0') % 2 == 0;
  const auto lower = parsed == 0
                         ? std::strong_ordering::greater
                         : CompareDecimalWithBinary(digits, exponent, midpoint(below, parsed));
  const auto upper = CompareDecimalWithBinary(digits, exponent, midpoint(parsed, above));
  EXPECT_TRUE(lower > 0 || (lower == 0 && even)) << text << " -> " << Hex(parsed);
  EXPECT_TRUE(upper < 0 || (upper == 0 && even)) << text << " -> " << Hex(parsed);
}

TEST_F(NumberParseTest, RandomTextsAreCorrectlyRoundedSeeded) {
  std::mt19937_64 random(20261211);
  std::uniform_int_distribution<int> length(1, 40);
  std::uniform_int_distribution<int> digit(0, 9);
  std::uniform_int_distribution<int> exponent(-4990, 4900);
  std::uniform_int_distribution<int> small_exponent(-30, 30);
  for (int trial = 0; trial < 3000; ++trial) {
    std::string digits;
    const int count = length(random);
    digits += static_cast<char>('1' + digit(random) % 9);
    for (int i = 1; i < count; ++i) digits += static_cast<char>('0' + digit(random));
    const int e = trial % 2 == 0 ? exponent(random) : small_exponent(random);
    if (e + count > 4932) continue;
    const std::string text = digits + "e" + std::to_string(e);
    ExpectCorrectlyRounded(digits, e, text);
  }
}

TEST_F(NumberParseTest, MidpointsBetweenExtendedValuesRoundToEvenSeeded) {
  std::mt19937_64 random(7);
  for (int trial = 0; trial < 500; ++trial) {
    const auto bits = random();
    // Negative exponents keep the midpoint a fraction, whose decimal digits end in 5.
    const int binary_exponent = -static_cast<int>(random() % 400);
    const Extended value =
        ScaleByPowerOf2(static_cast<Extended>(bits | (1ULL << 63)), binary_exponent);
    const Extended next = NextToward(value, kMaxExtended);
    // The exact midpoint in decimal, and texts just below and just above it.
    BinaryValue mid = ExactBinary(value);
    mid.significand.ShiftLeft(1).AddSmall(1);
    mid.exponent -= 1;
    test_support::DecimalExpansion exact;
    {
      test_support::BigUnsigned scaled = mid.significand;
      int shift = 0;
      if (mid.exponent >= 0) {
        scaled.ShiftLeft(static_cast<unsigned>(mid.exponent));
      } else {
        scaled.MultiplyPowerOf5(static_cast<unsigned>(-mid.exponent));
        shift = mid.exponent;
      }
      exact.digits = scaled.ToDecimal();
      exact.exponent = shift;  // value = digits x 10^shift
    }
    const std::string tie = exact.digits + "e" + std::to_string(exact.exponent);
    const bool value_is_even = (bits & 1) == 0;
    const Extended even = value_is_even ? value : next;
    EXPECT_EQ(ParseNumber(tie, format_), even) << tie;
    EXPECT_EQ(ParseNumber(exact.digits + "1e" + std::to_string(exact.exponent - 1), format_), next)
        << tie;
    std::string lower = exact.digits;
    // Subtract one unit in the last place of the decimal midpoint: digits end
    // in 5, so decrementing the last digit cannot borrow.
    ASSERT_EQ(lower.back(), '5');
    lower.back() = '4';
    EXPECT_EQ(ParseNumber(lower + "9e" + std::to_string(exact.exponent - 1), format_), value)
        << tie;
  }
}

}  // namespace
}  // namespace quorvane
