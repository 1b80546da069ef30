// The readouts of the measured single-rotation profile, after "draw", with
// the texts of the slice width, slice number and beam pitch fields.
//
// Notation: samples z_i (mm), v_i. "Ascending": strictly descending positions
// are reversed (both arrays); positions that are not strictly monotonic, or
// fewer than two samples, make every readout that needs positions
// unavailable. Integrals are of the piecewise-linear interpolant through the
// samples (trapezoid rule) over an interval clipped to [range_start,
// range_end]; a readout whose interval was clipped carries the note
// "interval clipped to the measured range". Intermediate results are held at
// extended precision and only each readout is rounded to double.
//
// Half maximum, interpolated: P = the largest of 0 and all v, h = P / 2,
// i / j = first / last ascending index with v >= h; the left edge
// interpolates linearly between samples i - 1 and i (z_0 with the note
// "starts above half maximum" when i = 0), the right edge between j and
// j + 1 (z_last with "ends above half maximum" when j is the last index).
// Unavailable when P = 0.
//
// Rows, in this order (W = slice width x slice number as CalMS forms the
// nominal beam width, p = beam pitch stored as a double, c = the
// interpolated centre, I = integral, ∫_a^b the integral over [a, b]):
//   peak, fwhm                       Peak, FWHM of MeasureHalfMaximum in table order  value, mm
//   fwhm_interpolated                right edge - left edge                           mm
//   centre_interpolated              (left edge + right edge) / 2                     mm
//   left_edge_interpolated           left edge                                        mm
//   right_edge_interpolated          right edge                                       mm
//   range_start, range_end           first and last ascending position                mm
//   integral                         I = ∫ over [range_start, range_end]              value·mm
//   nominal_beam_width               W                                                mm
//   ctdi100                          ∫_{c-50}^{c+50} / W (W > 0)                      value
//   ctdi_measured_range              I / W (W > 0)                                    value
//   efficiency_100                   ∫_{c-50}^{c+50} / I (I > 0)                      1
//   geometric_efficiency_percent     100 ∫_{c-W/2}^{c+W/2} / I (W > 0, I > 0)         %
//   geometric_efficiency_fwhm_percent  100 W / fwhm_interpolated (> 0)                %
//   pitch                            p                                                1
//   equilibrium_dose                 I / W / p (p > 0)                                value
//   equilibrium_length_98            smallest L in [0, L_max] with
//                                    ∫_{c-L/2}^{c+L/2} / I >= 0.98, within 1e-6 mm
//                                    (equilibrium_approach.h)                         mm
//
// Doses 0, 2, 4, 2, 0 at 0 to 4 mm, texts "1", "2", "1": peak 4, fwhm 2,
// edges 1 and 3, fwhm_interpolated 2, centre 2, integral 8, W 2, ctdi100 4
// (interval clipped), ctdi_measured_range 4, efficiency_100 1,
// geometric_efficiency_percent 75, geometric_efficiency_fwhm_percent 100,
// pitch 1, equilibrium_dose 4.
#pragma once

#include <string_view>

#include "analysis/measured_profile.h"
#include "numbers/number_format.h"
#include "readouts/readout.h"

namespace quorvane {

// The texts are read with number(t) in the format; a text that is no number
// makes W (or p) unavailable with a note, and with it every readout that
// needs it.
ReadoutTable MeasuredReadouts(const MeasuredProfile& profile, std::string_view slice_width_text,
                              std::string_view slice_number_text, std::string_view beam_pitch_text,
                              const NumberFormat& format);

}  // namespace quorvane
