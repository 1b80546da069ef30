// The readouts of an accumulated profile, from the record of a "CalMS" or
// "CalHS" that reached its output.
//
// x_j = position[j] - Centre, rounded to double as the output stores it, and
// d_j the dose, for all L samples; s, W, N as the action used them; step =
// the table increment (CalMS) or the feed per rotation F (CalHS). Integrals
// and interpolation as in measured_readouts.h, on (x, d) ascending.
//
// Rows, in this order:
//   action                    "CalMS" or "CalHS" (in text, no value)
//   peak, fwhm                what EditMax and EditFWHM show            value, mm
//   fwhm_interpolated         interpolated half-maximum width           mm
//   central_dose              d interpolated at x = 0                   value
//   central_average_interval  I = |step x s|                            mm
//   central_average           (1 / I) ∫_{-I/2}^{I/2} d dx (the multiple-scan
//                             average dose for CalMS; I > 0)            value
//   integral                  ∫ d dx over all L samples                 value·mm
//   sample_spacing            s                                         mm
//   nominal_beam_width        W                                         mm
//   rotations                 N                                         1
//   accumulated_length        L                                         samples
//   table_increment           (CalMS only)                              samples
//   feed_per_rotation, total_feed   F, T (CalHS only)                   samples
//   scan_length               N x increment x |s| (CalMS), T x |s| (CalHS)  mm
//   effective_pitch           step x s / W: the pitch simulated after the
//                             snapping to whole samples (W != 0)        1
//   equilibrium_dose          (sum of the profile values) / step: the plateau
//                             of an endless series (step != 0)          value
//   central_to_equilibrium    central_dose / equilibrium_dose           1
//
// CalMS of doses 1, 2, 1 at 0, 1, 2 (pitch 1, width 1, 3 rotations): peak 4,
// fwhm 2, fwhm_interpolated 3, central_dose 4, central_average_interval 1,
// central_average 3.75, integral 11.5, scan_length 3, effective_pitch 1,
// equilibrium_dose 4, central_to_equilibrium 1.
#pragma once

#include "accumulation/accumulation_record.h"
#include "readouts/readout.h"

namespace quorvane {

ReadoutTable AccumulatedReadouts(const AccumulationRecord& record);

}  // namespace quorvane
