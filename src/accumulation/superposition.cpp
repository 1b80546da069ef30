#include "accumulation/superposition.h"

#include <algorithm>
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
  for (std::size_t first = 0; first < plateau_start; ++first) {
    dose[first] = FoldDown(terms, first, std::min(first / step + 1, count), step);
  }
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
