// What a "CalMS" or "CalHS" that reached its output accumulated and used:
// everything the accumulated readouts need, so that they never re-read a
// field or a cell.
//
// CalMS on three points 0, 1, 2 with doses 1, 2, 1, slice width 1, slice
// number 1, beam pitch 1, 3 rotations: action "CalMS", positions 0 to 5,
// doses 1, 3, 4, 3, 1, 0, measurement Peak 4, FWHM 2, Centre 2, spacing 1,
// beam width 1, rotations 3, table increment 1, profile values 1, 2, 1.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "analysis/half_maximum.h"

namespace quorvane {

struct AccumulationRecord {
  std::string action;  // "CalMS" or "CalHS"

  // The L accumulated samples (L = accumulated length): positions j x spacing
  // as the accumulation stored them, before the output centred any of them,
  // and the doses. The output stores position[j] - Centre, rounded to double,
  // for the leading run of positive doses.
  std::vector<double> positions;
  std::vector<double> doses;

  // What the output measured on the L samples and showed: Peak in EditMax,
  // FWHM in EditFWHM (the empty text where HasWidth is false), and Centre,
  // the position it subtracted.
  HalfMaximumResult measurement;

  double sample_spacing = 0;           // s, mm
  double nominal_beam_width = 0;       // W, mm
  std::int32_t rotations = 0;          // N
  std::int64_t table_increment = 0;    // samples, CalMS; 0 for CalHS
  std::int64_t feed_per_rotation = 0;  // F, samples, CalHS; 0 for CalMS
  std::int64_t total_feed = 0;         // T, samples, CalHS; 0 for CalMS

  // The n measured dose rates the accumulation superposed (profile value[i]).
  std::vector<double> profile_values;

  bool IsHelical() const { return action == "CalHS"; }
  // The samples between copies: table_increment (CalMS) or feed_per_rotation
  // (CalHS).
  std::int64_t Step() const { return IsHelical() ? feed_per_rotation : table_increment; }
  double Centre() const { return measurement.Centre; }
};

}  // namespace quorvane
