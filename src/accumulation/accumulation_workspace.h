// The arrays an accumulation works in, obtained once per action and discarded
// when it ends: the position and dose arrays of the accumulated profile
// (50 001 doubles each) and the profile value array (the 1025 dose rates of
// the table), about 0.8 MB whatever the inputs, and the quantities the
// accumulation formed on the way.
#pragma once

#include <cstdint>
#include <vector>

#include "accumulation/scan_quantities.h"
#include "errors/capacities.h"
#include "workspace/profile_values.h"

namespace quorvane {

struct AccumulationWorkspace {
  AccumulationWorkspace()
      : position(kAccumulationCapacity, 0.0),
        dose(kAccumulationCapacity, 0.0),
        profile_value(kProfileCapacity, 0.0) {}

  // Every position and dose back to 0: the zeros beyond the last superposed
  // sample are part of the result, and the output ends at the first of them.
  void ClearPositionsAndDoses();

  std::vector<double> position;
  std::vector<double> dose;
  std::vector<double> profile_value;
  ScanQuantities quantities;
};

}  // namespace quorvane
