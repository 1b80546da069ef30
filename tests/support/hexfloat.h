// Hexadecimal float texts for failure messages: the exact bits of a result,
// which a decimal print would hide.
#pragma once

#include <string>

namespace quorvane::test_support {

std::string Hex(double value);
std::string Hex(long double value);

}  // namespace quorvane::test_support
