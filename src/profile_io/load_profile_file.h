// "Load": reads a profile file into the profile table and, from a header
// line, the slice width and slice number fields, then runs "draw".
//
// The window asks its file dialog for the path and hands it over; an empty
// path (a cancelled dialog) changes nothing at all. Then, in this order:
//  1. the path goes into Edit1;
//  2. the file is opened and its first line read; its second part decides
//     the header test (a text that is no number ends the load with the
//     conversion error, one beyond the double range with the overflow error);
//  3. a header line fills EditSW and EditSN; without one, the file is closed
//     and reopened and its first line becomes data line 1;
//  4. the data lines are read; more than 1025 are refused at the 1026th
//     ("データ行が上限の 1025 行を超えています") before any cell is written;
//  5. data row r gets the row number r, the line's first and second parts;
//     the file is closed; the headings "mm" and "mGy/s" are written; the row
//     count becomes data lines + 2; rows beyond keep their stored texts;
//  6. DrawMeasuredProfile runs; its error is the load's error, and the load
//     itself stays done.
// Returns what draw measured, or nothing for the empty path.
#pragma once

#include <optional>
#include <string_view>

#include "analysis/measured_profile.h"
#include "errors/capacities.h"
#include "workspace/workspace.h"

namespace quorvane {

// A seam for tests of a file that changes while the loader works.
class LoadObserver {
 public:
  virtual ~LoadObserver() = default;
  virtual void BeforeReopen() = 0;
};

std::optional<MeasuredProfile> LoadProfileFile(Workspace& workspace, std::string_view path,
                                               LoadObserver* observer = nullptr);

}  // namespace quorvane
