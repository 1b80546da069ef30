#include "cli/json_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "support/hexfloat.h"

namespace quorvane::cli {
namespace {

using Json = nlohmann::ordered_json;

TEST(JsonText, NumbersInTheirShortestText) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {58.006888, "58.006888"},  // nlohmann's dump: 58.006887999999996
      {20.0, "20"},              // nlohmann's dump: 20.0
      {0.1 + 0.2, "0.30000000000000004"},
      {24.6, "24.6"},
      {1e-7, "1e-07"},
      {1e21, "1e+21"},
      {-0.0, "-0"},
      {5e-324, "5e-324"},
      {1.7976931348623157e308, "1.7976931348623157e+308"},
      {210822141915676606464.0, "2.108221419156766e+20"},  // not every digit of the integer
  };
  for (const auto& c : cases) EXPECT_EQ(JsonText(Json(c.value)), c.text);
  EXPECT_EQ(Json(58.006888).dump(), "58.006887999999996");
}

TEST(JsonText, StructureKeyOrderStringsAndNulls) {
  Json object = Json::object();
  object["file"] = "dir/\"a\"\t\xC3\xA9.txt";
  object["measured"] = Json::object({{"peak", 24.6}, {"ctdi100", nullptr}});
  object["notes"] = Json::array({"measured.ctdi100: slice width is not a number"});
  object["bad"] = "\xFF";
  EXPECT_EQ(JsonText(object),
            "{\"file\":\"dir/\\\"a\\\"\\t\xC3\xA9.txt\",\"measured\":{\"peak\":24.6,\"ctdi100\":"
            "null},\"notes\":[\"measured.ctdi100: slice width is not a number\"],\"bad\":"
            "\"\xEF\xBF\xBD\"}");
  EXPECT_EQ(JsonText(Json::object()), "{}");
  EXPECT_EQ(JsonText(Json::array()), "[]");
}

// The fewest significant digits with which printf's correctly rounded
// %e text reads back as the same double. (Just above a power of two a
// farther decimal can read back where the nearest does not; this oracle
// would then ask for one digit too many and fail the test, never pass it.)
int FewestDigits(double value) {
  for (int digits = 1; digits <= 17; ++digits) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*e", digits - 1, value);
    if (std::strtod(text, nullptr) == value) return digits;
  }
  return 17;
}

int SignificantDigits(const std::string& text) {
  std::string digits;
  for (const char c : text.substr(0, text.find('e'))) {
    if (c >= '0' && c <= '9') digits += c;
  }
  digits.erase(0, digits.find_first_not_of('0'));
  digits.erase(digits.find_last_not_of('0') + 1);
  return digits.empty() ? 1 : static_cast<int>(digits.size());
}

// Every text reads back through nlohmann's parser as the same double, with
// no more digits than the fewest that do: over random bit patterns and over
// short decimals like the readouts give.
TEST(JsonText, SeededDoublesReadBackWithTheFewestDigits) {
  std::mt19937_64 random(20);
  for (int i = 0; i < 200000; ++i) {
    double value;
    if (i % 2 == 0) {
      const std::uint64_t bits = random();
      std::memcpy(&value, &bits, sizeof value);
      if (!std::isfinite(value)) continue;
    } else {
      value = static_cast<double>(random() % 100000000) /
              std::pow(10.0, static_cast<double>(random() % 12));
    }
    const std::string text = JsonText(Json(value));
    const double back = Json::parse(text).get<double>();
    ASSERT_EQ(std::memcmp(&back, &value, sizeof value), 0)
        << test_support::Hex(value) << " -> " << text;
    if (value == 0) continue;
    ASSERT_EQ(SignificantDigits(text), FewestDigits(value))
        << test_support::Hex(value) << " -> " << text;
  }
}

}  // namespace
}  // namespace quorvane::cli
