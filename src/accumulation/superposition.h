// The superposition both accumulations share: `copies` copies of a term
// array, copy k starting at sample k x shift, added in increasing k; each
// addition is formed at extended precision and rounded to double when
// stored (dose = (double)((extended)dose + term)), which is not the same as
// a plain double addition.
//
// "CalMS" adds the profile values with the table increment as shift; "CalHS"
// adds value / feed per rotation, kept at extended precision, with shift 1.
//   terms {1, 2, 1}, copies 3, shift 1 -> dose 1, 3, 4, 3, 1
// A sum beyond the double range raises the overflow error.
#pragma once

#include <cstdint>
#include <span>

#include "numbers/extended.h"

namespace quorvane {

// Either implementation, for the accumulations to take (the benchmarks run
// them with the plain loop as their reference).
using SuperpositionKernel = void (*)(std::span<const Extended> terms, std::int64_t copies,
                                     std::int64_t shift, std::span<double> dose);

// The plain nested loop: copies x terms additions. The caller guarantees
// that (copies - 1) x shift + terms.size() <= dose.size().
void SuperposeReference(std::span<const Extended> terms, std::int64_t copies, std::int64_t shift,
                        std::span<double> dose);

// The same result, bit for bit, for a dose array that is 0 where the copies
// land. A sample's dose depends only on which terms reach it and in which
// order, so samples that see the same sequence are computed once:
// - with a shift of 1 or more, sample j sees terms i0, i0 - shift, ... for
//   its first term i0; the plateau of a long series and its trailing ramp
//   see the prefixes of the same few sequences, and the work falls from
//   copies x terms to about terms^2 / (2 x shift) additions; eight samples
//   of one residue are folded side by side, each term taken once for all
//   that see it, so that their additions overlap in the processor;
// - with a shift of 0, each sample adds one term `copies` times
//   (RepeatedSum).
void Superpose(std::span<const Extended> terms, std::int64_t copies, std::int64_t shift,
               std::span<double> dose);

}  // namespace quorvane
