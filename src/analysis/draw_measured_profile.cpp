#include "analysis/draw_measured_profile.h"

#include <algorithm>
#include <array>
#include <span>

#include "analysis/half_maximum.h"
#include "analysis/show_half_maximum.h"
#include "errors/error.h"
#include "errors/messages.h"
#include "numbers/integer_text.h"
#include "numbers/number_parse.h"
#include "workspace/profile_table.h"
#include "workspace/profile_values.h"

namespace quorvane {

void DrawMeasuredProfile(Workspace& workspace) {
  // A table of fewer than two rows holds no data rows.
  const std::int32_t point_count = std::max(PointCount(workspace), 0);
  if (point_count > kProfileCapacity)
    throw RefusalError(messages::ProfileTooLong(IntegerText(std::int64_t{point_count})));

  workspace.RemoveAllPoints(CurveId::kSeries1);
  std::array<double, kProfileCapacity> positions{};
  std::array<double, kProfileCapacity> dose_rates{};
  for (std::int32_t i = 0; i < point_count; ++i) {
    const auto index = static_cast<std::size_t>(i);
    positions[index] =
        ParseStoredNumber(workspace.CellText(kPositionColumn, i + 1), workspace.number_format());
    dose_rates[index] =
        ParseStoredNumber(workspace.CellText(kDoseRateColumn, i + 1), workspace.number_format());
    workspace.AddPoint(CurveId::kSeries1, positions[index], dose_rates[index]);
  }

  const auto count = static_cast<std::size_t>(point_count);
  ShowHalfMaximum(workspace, MeasureHalfMaximum(std::span(positions).first(count),
                                                std::span(dose_rates).first(count)));
}

}  // namespace quorvane
