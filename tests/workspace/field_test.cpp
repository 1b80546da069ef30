#include "workspace/field.h"

#include <gtest/gtest.h>

#include "numbers/number_parse.h"

namespace quorvane {
namespace {

struct StartTextCase {
  const char* separator_setting;
  const char* beam_pitch;
};

class StartTextInFormat : public ::testing::TestWithParam<StartTextCase> {};

// Whatever the separator, the beam pitch starts as a text that reads as 1 in
// that format, and the other fields start as the window always started them.
TEST_P(StartTextInFormat, BeamPitchReadsAsOne) {
  const NumberFormat format = NumberFormat::FromLocaleSetting(GetParam().separator_setting);
  EXPECT_EQ(StartText(Field::kEditBP, format), GetParam().beam_pitch);
  EXPECT_EQ(ParseStoredNumber(StartText(Field::kEditBP, format), format), 1.0);
  for (const Field field : kAllFields) {
    if (field == Field::kEditBP) continue;
    EXPECT_EQ(StartText(field, format), StartText(field)) << FieldName(field);
  }
}

INSTANTIATE_TEST_SUITE_P(Separators, StartTextInFormat,
                         ::testing::Values(StartTextCase{".", "1.0"}, StartTextCase{",", "1,0"},
                                           StartTextCase{"\u066B", "1\u066B0"}));

}  // namespace
}  // namespace quorvane
