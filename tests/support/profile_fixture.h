// Puts a profile into a workspace's table as a load would: row numbers,
// positions and dose rates in rows 1 to n, row count n + 2.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "workspace/workspace.h"

namespace quorvane::test_support {

struct ProfileRow {
  std::string position;
  std::string dose_rate;
};

void FillProfile(Workspace& workspace, const std::vector<ProfileRow>& rows);

// Rows from numbers, written as shortest decimal texts ("0.5", "-2").
std::vector<ProfileRow> Rows(const std::vector<double>& positions,
                             const std::vector<double>& dose_rates);

// Parameter fields in one go; a null text leaves a field as it is.
void SetScanFields(Workspace& workspace, const char* slice_width, const char* slice_number,
                   const char* beam_pitch, const char* rotations);

// A workspace as an accumulation test starts it: the profile rows (none:
// the fresh window's empty table), the four parameter texts, and a clipboard
// text "before" and one point on Series2 that a failed action must leave.
void PrepareScan(Workspace& workspace, const std::vector<ProfileRow>& rows, const char* slice_width,
                 const char* slice_number, const char* beam_pitch, const char* rotations);

}  // namespace quorvane::test_support
