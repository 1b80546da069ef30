#include "accumulation/accumulation_steps.h"

#include "numbers/extended.h"
#include "numbers/number_parse.h"
#include "workspace/profile_table.h"

namespace quorvane {

double NominalBeamWidth(const Workspace& workspace) {
  const Extended slice_width =
      ParseNumber(workspace.FieldText(Field::kEditSW), workspace.number_format());
  const Extended slice_number =
      ParseNumber(workspace.FieldText(Field::kEditSN), workspace.number_format());
  return StoreDouble(Multiply(slice_width, slice_number));
}

void ReadProfileValues(const Workspace& workspace, std::int32_t point_count,
                       AccumulationWorkspace& accumulation) {
  for (std::int32_t i = 0; i < point_count; ++i) {
    accumulation.profile_value[static_cast<std::size_t>(i)] =
        ParseStoredNumber(workspace.CellText(kDoseRateColumn, i + 1), workspace.number_format());
  }
}

void FillPositions(AccumulationWorkspace& accumulation, std::int32_t length, double spacing) {
  for (std::int32_t j = 0; j < length; ++j) {
    accumulation.position[static_cast<std::size_t>(j)] =
        StoreDouble(Multiply(static_cast<Extended>(j), spacing));
  }
}

}  // namespace quorvane
