#include "support/exact_doubles.h"

#include "support/printers.h"

namespace quorvane::test_support {

void PrintTo(const ExactDoubles& list, std::ostream* out) { PrintDoubles(list.values, out); }

}  // namespace quorvane::test_support
