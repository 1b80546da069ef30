// The workspace quorvane-calc runs an action on: the window's starting texts
// in memory, keeping also the accumulated profile curve's points in the
// order the action adds them, which is the order of the clipboard text's
// lines (the curve itself keeps them sorted by position, which reverses a
// profile of descending positions).
//   after a CalMS whose output lines are "-2\t1", "-1\t3", "0\t4":
//   accumulated_positions() {-2, -1, 0}, accumulated_doses() {1, 3, 4}
#pragma once

#include <vector>

#include "workspace/memory_workspace.h"

namespace quorvane::cli {

class CalcWorkspace : public MemoryWorkspace {
 public:
  using MemoryWorkspace::MemoryWorkspace;

  void RemoveAllPoints(CurveId curve) override;
  void AddPoint(CurveId curve, double x, double y) override;

  const std::vector<double>& accumulated_positions() const { return positions_; }
  const std::vector<double>& accumulated_doses() const { return doses_; }

 private:
  std::vector<double> positions_;
  std::vector<double> doses_;
};

}  // namespace quorvane::cli
