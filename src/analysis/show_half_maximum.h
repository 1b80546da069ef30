// How every action shows a measurement: EditMax receives the peak as number
// text, then EditFWHM the FWHM; where the profile has no width (no samples,
// or all values negative) EditFWHM receives the empty text.
#pragma once

#include "analysis/half_maximum.h"
#include "workspace/workspace.h"

namespace quorvane {

void ShowHalfMaximum(Workspace& workspace, const HalfMaximumResult& result);

}  // namespace quorvane
