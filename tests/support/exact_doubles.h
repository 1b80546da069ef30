// A list of doubles for EXPECT_EQ: equal as std::vector<double> is, value by
// value with ==, but printed exactly in a failure, where GoogleTest would
// write six digits and show 0.7 for 0.7 and for 0.7000000000000001 alike:
//   EXPECT_EQ(Doses(3), (ExactDoubles{{1, 0.7, 0}}))
//   -> Which is: {1, 0.7000000000000001 (0x1.6666666666667p-1), 0}
#pragma once

#include <ostream>
#include <vector>

namespace quorvane::test_support {

struct ExactDoubles {
  std::vector<double> values;
  friend bool operator==(const ExactDoubles&, const ExactDoubles&) = default;
};

void PrintTo(const ExactDoubles& list, std::ostream* out);

}  // namespace quorvane::test_support
