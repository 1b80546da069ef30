#include "numbers/extended.h"

#include "numbers/errors.h"

namespace quorvane {

void RaiseInvalidOperation() { throw InvalidOperationError(); }
void RaiseDivisionByZero() { throw DivisionByZeroError(); }
void RaiseOverflow() { throw OverflowError(); }

}  // namespace quorvane
