// The decimal separator of number(t) and number text follows the user's
// locale: the window takes it when it opens and again whenever the system
// announces a change of its settings.
#pragma once

namespace quorvane {

void TakeDecimalSeparatorFromSystemLocale();

}  // namespace quorvane
