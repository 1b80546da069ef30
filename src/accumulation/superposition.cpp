#include "accumulation/superposition.h"

#include <stdexcept>

namespace quorvane {
namespace {

void CheckWithinDose(std::size_t term_count, std::int64_t copies, std::int64_t shift,
                     std::size_t dose_size) {
  if (copies <= 0 || term_count == 0) return;
  if (shift < 0 || static_cast<std::uint64_t>(shift) > dose_size ||
      static_cast<std::uint64_t>(copies - 1) * static_cast<std::uint64_t>(shift) + term_count >
          dose_size) {
    throw std::logic_error("superposition beyond the dose array");
  }
}

}  // namespace

void SuperposeReference(std::span<const Extended> terms, std::int64_t copies, std::int64_t shift,
                        std::span<double> dose) {
  CheckWithinDose(terms.size(), copies, shift, dose.size());
  for (std::int64_t k = 0; k < copies; ++k) {
    double* copy = dose.data() + k * shift;
    for (std::size_t i = 0; i < terms.size(); ++i) copy[i] = StoreDouble(Add(copy[i], terms[i]));
  }
}

}  // namespace quorvane
