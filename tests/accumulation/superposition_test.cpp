#include "accumulation/superposition.h"

#include <gtest/gtest.h>

#include <vector>

#include "errors/error.h"
#include "support/error_capture.h"
#include "support/exact_doubles.h"
#include "support/hexfloat.h"
#include "support/printers.h"

namespace quorvane {
namespace {

using test_support::ExactDoubles;
using test_support::Hex;

TEST(SuperposeReference, ShiftedCopiesInIncreasingCopyOrder) {
  const std::vector<Extended> terms = {1, 2, 1};
  std::vector<double> dose(6, 0.0);
  SuperposeReference(terms, 3, 1, dose);
  EXPECT_EQ(ExactDoubles{dose}, (ExactDoubles{{1, 3, 4, 3, 1, 0}}));

  std::vector<double> same_place(3, 0.0);
  SuperposeReference(terms, 4, 0, same_place);
  EXPECT_EQ(ExactDoubles{same_place}, (ExactDoubles{{4, 8, 4}}));

  std::vector<double> gaps(8, 0.0);
  SuperposeReference(terms, 2, 5, gaps);
  EXPECT_EQ(ExactDoubles{gaps}, (ExactDoubles{{1, 2, 1, 0, 0, 1, 2, 1}}));
}

TEST(SuperposeReference, EachAdditionRoundsThroughExtendedPrecision) {
  // Sample 1 gets 1 from copy 0, then b = 2^-53 + 2^-105 from copy 1. The
  // exact sum 1 + 2^-53 + 2^-105 rounds to extended as 1 + 2^-53, a tie that
  // the store rounds to even: 1. A plain double addition gives 1 + 2^-52.
  const double b = 0x1p-53 + 0x1p-105;
  const std::vector<Extended> terms = {b, 1};
  std::vector<double> dose(3, 0.0);
  SuperposeReference(terms, 2, 1, dose);
  EXPECT_EQ(dose[1], 1.0) << Hex(dose[1]);
  volatile double plain = 1.0;
  plain = plain + b;
  EXPECT_EQ(plain, 1.0 + 0x1p-52) << "the plain double addition differs";
}

TEST(SuperposeReference, ExtendedTermsAreNotRoundedBeforeTheAddition) {
  const std::vector<Extended> terms = {Extended(1) / 3};
  std::vector<double> dose(1, 0.0);
  SuperposeReference(terms, 3, 0, dose);
  double expected = 0;
  for (int k = 0; k < 3; ++k) expected = static_cast<double>(expected + Extended(1) / 3);
  EXPECT_EQ(dose[0], expected) << Hex(dose[0]);
}

TEST(SuperposeReference, SumBeyondTheDoubleRangeOverflows) {
  const std::vector<Extended> terms = {1e308};
  std::vector<double> dose(1, 0.0);
  const auto error = test_support::CaptureError([&] { SuperposeReference(terms, 2, 0, dose); });
  ASSERT_TRUE(error);
  EXPECT_EQ(error->kind, ErrorKind::kOverflow);
}

TEST(SuperposeReference, RefusesToWriteBeyondTheDoseArray) {
  const std::vector<Extended> terms = {1, 1};
  std::vector<double> dose(4, 0.0);
  EXPECT_THROW(SuperposeReference(terms, 3, 2, dose), Error);
  EXPECT_NO_THROW(SuperposeReference(terms, 2, 2, dose));
}

}  // namespace
}  // namespace quorvane
