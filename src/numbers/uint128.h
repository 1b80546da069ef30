// The compiler's 128-bit unsigned integer, for the wide products and the
// text words of the number text.
#pragma once

namespace quorvane {

__extension__ using Uint128 = unsigned __int128;

}  // namespace quorvane
