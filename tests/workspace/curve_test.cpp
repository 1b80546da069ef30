#include "workspace/curve.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/printers.h"

namespace quorvane {
namespace {

TEST(Curve, KeepsAscendingXAndTheOrderOfEqualX) {
  Curve curve;
  curve.AddPoint(4, 0);
  curve.AddPoint(3, 5);
  curve.AddPoint(2, 10);
  curve.AddPoint(3, 6);  // after the earlier point at 3
  curve.AddPoint(0, 1);
  curve.AddPoint(5, 2);
  const std::vector<CurvePoint> expected = {{0, 1}, {2, 10}, {3, 5}, {3, 6}, {4, 0}, {5, 2}};
  EXPECT_EQ(curve.points(), expected);
  curve.RemoveAllPoints();
  EXPECT_TRUE(curve.points().empty());
}

}  // namespace
}  // namespace quorvane
