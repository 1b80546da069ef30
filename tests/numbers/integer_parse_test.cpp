#include "numbers/integer_parse.h"

#include <gtest/gtest.h>

#include <string>

#include "errors/error.h"
#include "support/printers.h"

namespace quorvane {
namespace {

TEST(IntegerParse, AcceptsDecimalAndHexadecimalForms) {
  const struct {
    const char* text;
    std::int32_t value;
  } cases[] = {
      {"10", 10},
      {"   10", 10},
      {"+7", 7},
      {"-0", 0},
      {"0010", 10},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"$A", 10},
      {"$a", 10},
      {"xff", 255},
      {"X10", 16},
      {"0x10", 16},
      {"0X7fffffff", 2147483647},
      {"$FFFFFFFF", -1},
      {"$80000000", INT32_MIN},
      {"  $0000000001", 1},
      {"0", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseInteger(c.text), c.value) << c.text;
}

TEST(IntegerParse, RejectsEverythingElseWithTheConversionError) {
  const char* cases[] = {
      "",     " ",          "10 ",        "10.0",        "2.5",
      "1e3",  "+",          "-",          "$",           "0x",
      "x",    "$100000000", "2147483648", "-2147483649", "-$A",
      "+0x1", "$G",         "1 0",        "\t1",         "99999999999999999999",
      "0x-1",
  };
  for (const char* text : cases) {
    try {
      const std::int32_t value = ParseInteger(text);
      ADD_FAILURE() << '"' << text << "\" accepted as " << value;
    } catch (const Error& error) {
      EXPECT_EQ(error.kind(), ErrorKind::kConversion);
      EXPECT_EQ(error.message(), "'" + std::string(text) + "' は整数ではありません");
    }
  }
}

}  // namespace
}  // namespace quorvane
