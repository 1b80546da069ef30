#include "accumulation/accumulation_workspace.h"

#include <algorithm>

namespace quorvane {

void AccumulationWorkspace::ClearPositionsAndDoses() {
  std::fill(position.begin(), position.end(), 0.0);
  std::fill(dose.begin(), dose.end(), 0.0);
}

}  // namespace quorvane
