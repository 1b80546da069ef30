# Which implementation of the 80-bit extended format the build uses:
#   QUORVANE_SOFT_EXTENDED=AUTO  the software one exactly where long double is
#                                not the x87 format (ARM, MSVC ...), the x87
#                                unit elsewhere;
#   QUORVANE_SOFT_EXTENDED=ON    the software one, also on x86-64;
#   QUORVANE_SOFT_EXTENDED=OFF   the x87 unit (fails to compile without it).
# Sets QUORVANE_EXTENDED_IN_SOFTWARE to 1 or 0 for the compile definition
# that src/numbers/extended.h reads.
set(QUORVANE_SOFT_EXTENDED AUTO CACHE STRING
  "Extended precision in software: AUTO (where long double is not x87), ON or OFF")
set_property(CACHE QUORVANE_SOFT_EXTENDED PROPERTY STRINGS AUTO ON OFF)

if(QUORVANE_SOFT_EXTENDED STREQUAL "AUTO")
  include(CheckCXXSourceCompiles)
  check_cxx_source_compiles([=[
    #include <limits>
    static_assert(std::numeric_limits<long double>::digits == 64 &&
                  std::numeric_limits<long double>::max_exponent == 16384,
                  "not the x87 format");
    int main() { return 0; }
  ]=] QUORVANE_LONG_DOUBLE_IS_X87)
  if(QUORVANE_LONG_DOUBLE_IS_X87)
    set(QUORVANE_EXTENDED_IN_SOFTWARE 0)
  else()
    set(QUORVANE_EXTENDED_IN_SOFTWARE 1)
  endif()
elseif(QUORVANE_SOFT_EXTENDED)
  set(QUORVANE_EXTENDED_IN_SOFTWARE 1)
else()
  set(QUORVANE_EXTENDED_IN_SOFTWARE 0)
endif()

if(QUORVANE_EXTENDED_IN_SOFTWARE)
  message(STATUS "Extended precision: software (QUORVANE_SOFT_EXTENDED=${QUORVANE_SOFT_EXTENDED})")
else()
  message(STATUS "Extended precision: x87 long double (QUORVANE_SOFT_EXTENDED=${QUORVANE_SOFT_EXTENDED})")
endif()
