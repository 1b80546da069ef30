#include "accumulation/superposition.h"

#include <algorithm>
#include <array>
#include <vector>

#include "accumulation/repeated_sum.h"
#include "errors/invariant.h"

namespace quorvane {
namespace {

void CheckWithinDose(std::size_t term_count, std::int64_t copies, std::int64_t shift,
                     std::size_t dose_size) {
  if (copies <= 0 || term_count == 0) return;
  const bool fits =
      shift >= 0 && term_count <= dose_size &&
      (copies == 1 || (static_cast<std::uint64_t>(shift) <= dose_size &&
                       static_cast<std::uint64_t>(copies - 1) * static_cast<std::uint64_t>(shift) <=
                           dose_size - term_count));
  QUORVANE_CHECK(fits);  // the superposition stays within the dose array
}

double Step(double dose, Extended term) { return StoreDouble(Add(dose, term)); }

// The dose of a sample whose first term is `first` and which sees `count`
// terms, stepping down by the shift.
double FoldDown(std::span<const Extended> terms, std::size_t first, std::size_t count,
                std::size_t shift) {
  double dose = 0;
  for (std::size_t m = 0; m < count; ++m) dose = Step(dose, terms[first - m * shift]);
  return dose;
}

// Samples folded down side by side. One sample's additions each wait for
// the one before, through a rounding to double; the additions of different
// samples do not wait for each other, so the processor overlaps them.
constexpr std::size_t kSamplesSideBySide = 8;
constexpr auto kLastSample = static_cast<std::ptrdiff_t>(kSamplesSideBySide) - 1;

// The doses of the kSamplesSideBySide samples below the plateau whose first
// terms are first, first + shift, ..., each folded down its own sequence
// exactly as FoldDown does. Sample c's first term is term j = c of the
// residue (term j lies at first + j x shift), and it sees terms c, c - 1, ...
// for its count. So the terms are taken once each, from j = kLastSample
// down, and each goes to every sample that sees it, in sample order; each
// sample still adds its terms in its own order. Sample c sees term j when
// 0 <= c - j < count(c); count(c) - c never grows with c (the counts grow
// by at most one a sample), so from j = 0 down every sample sees the terms
// until the last sample's count runs out.
void FoldDownSideBySide(std::span<const Extended> terms, std::size_t first, std::size_t copies,
                        std::size_t shift, std::span<double> dose) {
  std::array<std::ptrdiff_t, kSamplesSideBySide> counts{};
  for (std::size_t c = 0; c < kSamplesSideBySide; ++c) {
    counts[c] = static_cast<std::ptrdiff_t>(std::min(first / shift + c + 1, copies));
  }
  const auto term_at = [&](std::ptrdiff_t j) {
    return terms[static_cast<std::size_t>(static_cast<std::ptrdiff_t>(first) +
                                          j * static_cast<std::ptrdiff_t>(shift))];
  };
  std::array<double, kSamplesSideBySide> sums{};
  const auto add_to_samples_that_see = [&](std::ptrdiff_t j) {
    const Extended term = term_at(j);
    for (std::ptrdiff_t c = std::max<std::ptrdiff_t>(j, 0); c <= kLastSample; ++c) {
      const auto sample = static_cast<std::size_t>(c);
      if (c - j < counts[sample]) sums[sample] = Step(sums[sample], term);
    }
  };
  std::ptrdiff_t j = kLastSample;
  for (; j > 0; --j) add_to_samples_that_see(j);
  const std::ptrdiff_t seen_by_all_above = kLastSample - counts[kSamplesSideBySide - 1];
  for (; j > seen_by_all_above; --j) {
    const Extended term = term_at(j);
    for (double& sum : sums) sum = Step(sum, term);
  }
  for (; j > -counts[0]; --j) add_to_samples_that_see(j);
  for (std::size_t c = 0; c < kSamplesSideBySide; ++c) dose[first + c * shift] = sums[c];
}

// The doses of the samples below the plateau, first terms 0 to
// plateau_start - 1: those of one residue modulo the shift
// kSamplesSideBySide at a time, the few left over one by one.
void FoldDownBelowPlateau(std::span<const Extended> terms, std::size_t plateau_start,
                          std::size_t copies, std::size_t shift, std::span<double> dose) {
  for (std::size_t residue = 0; residue < std::min(shift, plateau_start); ++residue) {
    std::size_t first = residue;
    for (; first + (kSamplesSideBySide - 1) * shift < plateau_start;
         first += kSamplesSideBySide * shift) {
      FoldDownSideBySide(terms, first, copies, shift, dose);
    }
    for (; first < plateau_start; first += shift) {
      dose[first] = FoldDown(terms, first, std::min(first / shift + 1, copies), shift);
    }
  }
}

// The samples whose first term is `first`, one per copy k from the copy that
// starts the sequence, j = first + k x shift: each sees the whole sequence
// down to the lowest term of its residue, or, near the end of the series, as
// much of it as the remaining copies bring. Their doses are the prefix folds
// of one sequence.
void FillPrefixSamples(std::span<const Extended> terms, std::size_t first, std::size_t copies,
                       std::size_t shift, std::span<double> dose, std::vector<double>& prefix) {
  const std::size_t whole = std::min(first / shift + 1, copies);
  prefix.assign(whole + 1, 0.0);
  for (std::size_t m = 0; m < whole; ++m) prefix[m + 1] = Step(prefix[m], terms[first - m * shift]);
  for (std::size_t k = 0; k < copies; ++k)
    dose[first + k * shift] = prefix[std::min(whole, copies - k)];
}

}  // namespace

void Superpose(std::span<const Extended> terms, std::int64_t copies, std::int64_t shift,
               std::span<double> dose) {
  CheckWithinDose(terms.size(), copies, shift, dose.size());
  if (copies <= 0 || terms.empty()) return;
  if (shift == 0) {
    for (std::size_t i = 0; i < terms.size(); ++i) dose[i] = RepeatedSum(terms[i], copies);
    return;
  }
  const std::size_t n = terms.size();
  const auto step = static_cast<std::size_t>(shift);
  const auto count = static_cast<std::size_t>(copies);
  // First terms below n - shift start only the sample of the first copy;
  // the last `shift` first terms start one sample in every copy.
  const std::size_t plateau_start = n > step ? n - step : 0;
  FoldDownBelowPlateau(terms, plateau_start, count, step, dose);
  std::vector<double> prefix;
  for (std::size_t first = plateau_start; first < n; ++first) {
    FillPrefixSamples(terms, first, count, step, dose, prefix);
  }
}

void SuperposeReference(std::span<const Extended> terms, std::int64_t copies, std::int64_t shift,
                        std::span<double> dose) {
  CheckWithinDose(terms.size(), copies, shift, dose.size());
  for (std::int64_t k = 0; k < copies; ++k) {
    double* copy = dose.data() + k * shift;
    for (std::size_t i = 0; i < terms.size(); ++i) copy[i] = StoreDouble(Add(copy[i], terms[i]));
  }
}

}  // namespace quorvane
