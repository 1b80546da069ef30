#include "analysis/draw_measured_profile.h"

#include <algorithm>
#include <cstddef>

#include "analysis/half_maximum.h"
#include "analysis/show_half_maximum.h"
#include "errors/error.h"
#include "errors/messages.h"
#include "numbers/integer_text.h"
#include "numbers/number_parse.h"
#include "workspace/profile_table.h"
#include "workspace/profile_values.h"

namespace quorvane {

MeasuredProfile DrawMeasuredProfile(Workspace& workspace) {
  // A table of fewer than two rows holds no data rows.
  const std::int32_t point_count = std::max(PointCount(workspace), 0);
  if (point_count > kProfileCapacity)
    throw RefusalError(messages::ProfileTooLong(IntegerText(std::int64_t{point_count})));

  workspace.RemoveAllPoints(CurveId::kSeries1);
  const auto count = static_cast<std::size_t>(point_count);
  MeasuredProfile profile;
  profile.positions.reserve(count);
  profile.dose_rates.reserve(count);
  for (std::int32_t row = 1; row <= point_count; ++row) {
    const double position =
        ParseStoredNumber(workspace.CellText(kPositionColumn, row), workspace.number_format());
    const double dose_rate =
        ParseStoredNumber(workspace.CellText(kDoseRateColumn, row), workspace.number_format());
    profile.positions.push_back(position);
    profile.dose_rates.push_back(dose_rate);
    workspace.AddPoint(CurveId::kSeries1, position, dose_rate);
  }

  ShowHalfMaximum(workspace, MeasureHalfMaximum(profile.positions, profile.dose_rates));
  return profile;
}

}  // namespace quorvane
