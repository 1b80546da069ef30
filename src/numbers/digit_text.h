// Part of the layout stage: the 15 shown digits as text, without a loop over
// the digits. The text sits in the bytes of one 128-bit word, the first digit
// in the lowest byte and a zero byte after the last, so that each part of the
// layout is this word shifted and stored at once; `count` is the number of
// digits up to the last that is not 0 (the trailing zeros are not shown).
//   ShownDigitText(275000000000000) -> bytes "275000000000000", count 3
//   ShownDigitText(123456789012346) -> bytes "123456789012346", count 15
//
// Every byte is computed alongside its neighbours: with SSE2 (every x86-64
// processor) eight 16-bit lanes at a time; elsewhere in the lanes of a 64-bit
// integer. Both give the same words; the tests compare them.
#pragma once

#include <bit>
#include <cstdint>

#include "numbers/uint128.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quorvane {

struct DigitText {
  Uint128 digits = 0;
  int count = 0;

  friend bool operator==(const DigitText&, const DigitText&) = default;
};

static_assert(std::endian::native == std::endian::little,
              "the digit text puts the first digit in the lowest byte of a word");

namespace detail {

inline constexpr std::uint64_t kZeroBytes = 0x3030303030303030;  // "00000000"

// floor(n / 100) as (n x 10486) >> 20 and floor(n / 10) as (n x 103) >> 10,
// within one lane of a word: exact for the ranges the lanes hold.
constexpr bool LaneDivisionsExact() {
  for (std::uint32_t n = 0; n < 10000; ++n) {
    if ((n * 10486) >> 20 != n / 100) return false;
  }
  for (std::uint32_t n = 0; n < 100; ++n) {
    if ((n * 103) >> 10 != n / 10) return false;
  }
  return true;
}
static_assert(LaneDivisionsExact());

// The eight decimal digits of two numbers below 10^4 as text, the first
// digit in the lowest byte: the halves in 32-bit lanes, each split into two
// pairs in 16-bit lanes, each pair into two bytes.
// (1234, 5678) -> the bytes "12345678".
inline std::uint64_t EightDigitBytes(std::uint64_t first_half, std::uint64_t second_half) {
  std::uint64_t lanes = first_half | (second_half << 32);
  std::uint64_t quotients = ((lanes * 10486) >> 20) & 0x0000007F0000007F;
  lanes = quotients | ((lanes - quotients * 100) << 16);
  quotients = ((lanes * 103) >> 10) & 0x000F000F000F000F;
  lanes = quotients | ((lanes - quotients * 10) << 8);
  return lanes + kZeroBytes;
}

// The index (0 to 7) of the last byte that is not "0" in a word of digit
// bytes that has one. The last byte is the word's most significant, so once
// "0" is taken from every byte, the "0" bytes at the end are its leading zero
// bits, eight a byte.
inline int LastNonZeroByte(std::uint64_t digit_bytes) {
  return 7 - std::countl_zero(digit_bytes - kZeroBytes) / 8;
}

// 10^14 <= digits < 10^15 in the lanes of 64-bit integers.
inline DigitText ShownDigitTextInWords(std::uint64_t digits) {
  constexpr std::uint64_t kTenToThe4 = 10'000;
  const std::uint64_t above_4 = digits / kTenToThe4;
  const std::uint64_t above_8 = digits / (kTenToThe4 * kTenToThe4);
  const std::uint64_t above_12 = digits / (kTenToThe4 * kTenToThe4 * kTenToThe4);
  // "0" and the first seven digits, then the last eight.
  const std::uint64_t first = EightDigitBytes(above_12, above_8 - above_12 * kTenToThe4);
  const std::uint64_t last =
      EightDigitBytes(above_4 - above_8 * kTenToThe4, digits - above_4 * kTenToThe4);
  // The first word has a digit that is not 0 after its "0" (digits >= 10^14).
  const int count = last != kZeroBytes ? 8 + LastNonZeroByte(last) : LastNonZeroByte(first);
  return {(Uint128{last} << 56) | (first >> 8), count};
}

#if defined(__SSE2__)
// The eight digits of x < 10^8 in the 16-bit lanes of a vector, the first
// in the lowest lane: x / 10^4 and x % 10^4, each copied to four lanes, the
// lanes divided by 1000, 100, 10 and 1 by multiplying with fixed-point
// reciprocals, then each lane less ten times its left neighbour.
inline __m128i EightDigitLanes(std::uint32_t x) {
  const __m128i whole = _mm_cvtsi32_si128(static_cast<int>(x));
  const __m128i first_half =
      _mm_srli_epi64(_mm_mul_epu32(whole, _mm_set1_epi32(static_cast<int>(0xD1B71759))), 45);
  const __m128i second_half =
      _mm_sub_epi32(whole, _mm_mul_epu32(first_half, _mm_set1_epi32(10000)));
  const __m128i halves = _mm_slli_epi64(_mm_unpacklo_epi16(first_half, second_half), 2);
  const __m128i pairs = _mm_unpacklo_epi16(halves, halves);
  const __m128i copies = _mm_unpacklo_epi32(pairs, pairs);
  // x4 / 1000 = (x4 x 8389 / 2^16) x 2^7 / 2^16, and so on for 100, 10, 1.
  const __m128i scaled =
      _mm_mulhi_epu16(copies, _mm_setr_epi16(8389, 5243, 13108, -32768, 8389, 5243, 13108, -32768));
  const __m128i prefixes = _mm_mulhi_epu16(
      scaled, _mm_setr_epi16(1 << 7, 1 << 11, 1 << 13, -32768, 1 << 7, 1 << 11, 1 << 13, -32768));
  const __m128i tens = _mm_slli_epi64(_mm_mullo_epi16(prefixes, _mm_set1_epi16(10)), 16);
  return _mm_sub_epi16(prefixes, tens);
}

// 10^14 <= digits < 10^15 in SSE2 vectors.
inline DigitText ShownDigitTextInVectors(std::uint64_t digits) {
  constexpr std::uint64_t kTenToThe8 = 100'000'000;
  const std::uint64_t first = digits / kTenToThe8;
  const __m128i lanes =
      _mm_packus_epi16(EightDigitLanes(static_cast<std::uint32_t>(first)),
                       EightDigitLanes(static_cast<std::uint32_t>(digits - first * kTenToThe8)));
  const __m128i text = _mm_add_epi8(lanes, _mm_set1_epi8('0'));
  // One bit a byte that is not "0"; byte 0 is the "0" before the digits.
  const auto shown =
      static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(text, _mm_set1_epi8('0'))) ^ 0xFFFF);
  const __m128i digits_only = _mm_srli_si128(text, 1);
  const auto low = static_cast<std::uint64_t>(_mm_cvtsi128_si64(digits_only));
  const auto high =
      static_cast<std::uint64_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(digits_only, digits_only)));
  return {(Uint128{high} << 64) | low, static_cast<int>(std::bit_width(shown)) - 1};
}
#endif

}  // namespace detail

// 10^14 <= digits < 10^15.
inline DigitText ShownDigitText(std::uint64_t digits) {
#if defined(__SSE2__)
  return detail::ShownDigitTextInVectors(digits);
#else
  return detail::ShownDigitTextInWords(digits);
#endif
}

}  // namespace quorvane
