#include "workspace/profile_values.h"

#include "errors/error.h"
#include "numbers/extended.h"
#include "numbers/integer_text.h"
#include "numbers/number_parse.h"
#include "workspace/profile_table.h"

namespace quorvane {

std::int32_t PointCount(const Workspace& workspace) { return workspace.RowCount() - 2; }

double SampleSpacing(const Workspace& workspace) {
  const Extended second =
      ParseNumber(workspace.CellText(kPositionColumn, 2), workspace.number_format());
  const Extended first =
      ParseNumber(workspace.CellText(kPositionColumn, 1), workspace.number_format());
  return StoreDouble(Subtract(second, first));
}

}  // namespace quorvane
