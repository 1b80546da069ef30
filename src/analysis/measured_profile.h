// The sampled single-rotation profile that "draw" measured: the position and
// the dose rate of every data row, in table order, exactly the doubles that
// draw converted, plotted and handed to MeasureHalfMaximum. Nothing is sorted
// or filtered: descending or repeated positions stay as the table has them.
//
// Rows (0, 1), (1, 3), (2, 1) -> positions {0, 1, 2}, dose_rates {1, 3, 1}.
#pragma once

#include <vector>

namespace quorvane {

struct MeasuredProfile {
  std::vector<double> positions;   // mm, row 1 first
  std::vector<double> dose_rates;  // as the table holds them (mGy/s), same length
};

}  // namespace quorvane
