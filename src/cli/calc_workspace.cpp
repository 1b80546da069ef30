#include "cli/calc_workspace.h"

namespace quorvane::cli {

void CalcWorkspace::RemoveAllPoints(CurveId curve) {
  MemoryWorkspace::RemoveAllPoints(curve);
  if (curve != CurveId::kSeries2) return;
  positions_.clear();
  doses_.clear();
}

void CalcWorkspace::AddPoint(CurveId curve, double x, double y) {
  MemoryWorkspace::AddPoint(curve, x, y);
  if (curve != CurveId::kSeries2) return;
  positions_.push_back(x);
  doses_.push_back(y);
}

}  // namespace quorvane::cli
