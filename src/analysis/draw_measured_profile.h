// "draw": turns the profile table into a sampled profile, plots it as the
// measured profile curve (Series1) and shows its peak and FWHM.
//
// The curve is emptied before any cell is read. Row by row, the position is
// converted, then the dose rate, and only then is the point added; a bad cell
// ends the action with the conversion (or overflow) error, the curve holding
// the points of the rows before it and both result fields unchanged. A point
// count above 1025 is refused before anything changes.
//
// Returns the profile it measured, for the readouts: rows (0, 1), (1, 3),
// (2, 1) give positions {0, 1, 2} and dose rates {1, 3, 1}.
#pragma once

#include "analysis/measured_profile.h"
#include "workspace/workspace.h"

namespace quorvane {

MeasuredProfile DrawMeasuredProfile(Workspace& workspace);

}  // namespace quorvane
