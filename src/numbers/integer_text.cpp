#include "numbers/integer_text.h"

#include <algorithm>

namespace quorvane {

std::string IntegerText(std::int64_t value) { return IntegerText(static_cast<Int128>(value)); }

std::string IntegerText(Int128 value) {
  __extension__ using UnsignedInt128 = unsigned __int128;
  const bool negative = value < 0;
  const auto bits = static_cast<UnsignedInt128>(value);
  UnsignedInt128 magnitude = negative ? UnsignedInt128{0} - bits : bits;
  std::string text;
  do {
    text += static_cast<char>('0' + static_cast<int>(magnitude % 10));
    magnitude /= 10;
  } while (magnitude != 0);
  if (negative) text += '-';
  std::reverse(text.begin(), text.end());
  return text;
}

}  // namespace quorvane
