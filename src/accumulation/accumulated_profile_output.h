// The second half of "CalMS" and "CalHS": measures the accumulated profile
// over samples 0 to L - 1 (peak to EditMax, then FWHM to EditFWHM), moves
// the leading run of positive doses so that position 0 lies midway between
// the half-maximum edges, plots that run as Series2 and puts it on the
// clipboard as FormatProfileText. The run ends at the first dose that is 0
// or negative, even where later samples are positive again. The clipboard is
// set once, after the text is built, also to the empty text.
//
// Doses 1, 3, 4, 3, 1, 0 at positions 0 to 5: EditMax "4", EditFWHM "2",
// centre 2, Series2 (-2, 1) (-1, 3) (0, 4) (1, 3) (2, 1), and the text
// "-2\t1\r\n-1\t3\r\n0\t4\r\n1\t3\r\n2\t1\r\n".
#pragma once

#include <cstdint>

#include "accumulation/accumulation_workspace.h"
#include "accumulation/profile_text.h"
#include "analysis/half_maximum.h"
#include "workspace/workspace.h"

namespace quorvane {

// The accumulated length is between 1 and 50 001, and a dose that is not
// above 0 lies at or before index 50 000; both accumulations guarantee it.
// Returns the measurement it showed, whose Centre it subtracted.
HalfMaximumResult OutputAccumulatedProfile(Workspace& workspace,
                                           AccumulationWorkspace& accumulation,
                                           std::int32_t accumulated_length,
                                           ProfileTextFormatter format = FormatProfileText);

}  // namespace quorvane
