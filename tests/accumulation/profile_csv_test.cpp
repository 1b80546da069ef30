#include "accumulation/profile_csv.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "accumulation/profile_text.h"
#include "numbers/number_text.h"

namespace quorvane {
namespace {

TEST(ProfileTextAsCsv, HeaderThenPointAndComma) {
  EXPECT_EQ(ProfileTextAsCsv("-0,5\t1\r\n0,25\t5E-5\r\n", NumberFormat::FromLocaleSetting(",")),
            "position_mm,dose\n-0.5,1\n0.25,5E-5\n");
  EXPECT_EQ(ProfileTextAsCsv("", NumberFormat()), "position_mm,dose\n");
}

// The profile text in any separator becomes, line by line, the number texts
// that the "." format writes for the same doubles.
TEST(ProfileTextAsCsv, SameNumbersAsThePointFormatWritesThem) {
  std::mt19937_64 random(15);
  std::vector<double> positions = {-120, -0.25, 0, 1e15, 1234567890123456.0};
  std::vector<double> doses = {0.00005, 24.6, 12.5965785234899, 1e-300, 3};
  for (int i = 0; i < 200; ++i) {
    // Finite doubles of every magnitude, from random bits.
    for (std::vector<double>* column : {&positions, &doses}) {
      double value = 0;
      do {
        value = std::bit_cast<double>(random());
      } while (!std::isfinite(value));
      column->push_back(value);
    }
  }
  for (const char* setting : {".", ",", "\u066B"}) {
    const NumberFormat format = NumberFormat::FromLocaleSetting(setting);
    const std::string csv = ProfileTextAsCsv(FormatProfileText(positions, doses, format), format);
    std::string expected = "position_mm,dose\n";
    for (std::size_t i = 0; i < positions.size(); ++i) {
      expected += NumberText(positions[i], NumberFormat()) + "," +
                  NumberText(doses[i], NumberFormat()) + "\n";
    }
    ASSERT_EQ(csv, expected) << "separator " << setting;
  }
}

}  // namespace
}  // namespace quorvane
