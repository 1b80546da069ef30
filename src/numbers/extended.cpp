#include "numbers/extended.h"

#include "errors/error.h"

namespace quorvane {

void RaiseInvalidOperation() { throw InvalidOperationError(); }
void RaiseDivisionByZero() { throw DivisionByZeroError(); }
void RaiseOverflow() { throw OverflowError(); }

}  // namespace quorvane
