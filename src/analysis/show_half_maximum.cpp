#include "analysis/show_half_maximum.h"

#include "numbers/number_text.h"

namespace quorvane {

void ShowHalfMaximum(Workspace& workspace, const HalfMaximumResult& result) {
  workspace.SetFieldText(Field::kEditMax, NumberText(result.Peak, workspace.number_format()));
  workspace.SetFieldText(Field::kEditFWHM,
                         result.HasWidth ? NumberText(result.FWHM, workspace.number_format()) : "");
}

}  // namespace quorvane
