#include "accumulation/accumulated_profile_output.h"

#include <span>

#include "accumulation/profile_text.h"
#include "analysis/half_maximum.h"
#include "analysis/show_half_maximum.h"
#include "errors/invariant.h"
#include "numbers/extended.h"

namespace quorvane {
namespace {

// Centres the leading run of positive doses in place and plots it; returns
// its length. The run never reaches the end of the arrays: the
// accumulations leave a zero dose after the last superposed sample.
std::size_t CentreAndPlotLeadingRun(Workspace& workspace, AccumulationWorkspace& accumulation,
                                    double centre) {
  std::size_t j = 0;
  for (; j < accumulation.dose.size() && accumulation.dose[j] > 0; ++j) {
    accumulation.position[j] = StoreDouble(Subtract(accumulation.position[j], centre));
    workspace.AddPoint(CurveId::kSeries2, accumulation.position[j], accumulation.dose[j]);
  }
  QUORVANE_CHECK(j < accumulation.dose.size());  // the run ends before the array does
  return j;
}

}  // namespace

HalfMaximumResult OutputAccumulatedProfile(Workspace& workspace,
                                           AccumulationWorkspace& accumulation,
                                           std::int32_t accumulated_length,
                                           ProfileTextFormatter format) {
  QUORVANE_CHECK(accumulated_length >= 1 && accumulated_length <= kAccumulationCapacity);
  const auto length = static_cast<std::size_t>(accumulated_length);
  const HalfMaximumResult measurement = MeasureHalfMaximum(
      std::span(accumulation.position).first(length), std::span(accumulation.dose).first(length));
  ShowHalfMaximum(workspace, measurement);

  workspace.RemoveAllPoints(CurveId::kSeries2);
  // Without a width every dose is negative, the run is empty and the centre
  // is never used.
  const std::size_t run = CentreAndPlotLeadingRun(workspace, accumulation, measurement.Centre);
  workspace.SetClipboardText(format(std::span(accumulation.position).first(run),
                                    std::span(accumulation.dose).first(run),
                                    workspace.number_format()));
  return measurement;
}

}  // namespace quorvane
