#include "accumulation/helical_scan.h"

#include <algorithm>
#include <array>
#include <span>

#include "accumulation/accumulation_limits.h"
#include "accumulation/accumulation_steps.h"
#include "accumulation/superposition.h"
#include "errors/invariant.h"
#include "numbers/extended.h"
#include "numbers/integer_parse.h"
#include "numbers/integer_text.h"
#include "numbers/number_parse.h"
#include "workspace/profile_values.h"

namespace quorvane {
namespace {

// (width x pitch) / spacing, truncated toward zero. A spacing of 0 raises the
// division-by-zero error, or the invalid-operation error when the product is
// 0 too.
std::int64_t FeedPerRotation(double beam_width, double beam_pitch, double spacing) {
  return TruncateTowardZero(Divide(Multiply(beam_width, beam_pitch), spacing));
}

// N x width x pitch / spacing, in this order, truncated toward zero.
std::int64_t TotalFeed(std::int32_t rotations, double beam_width, double beam_pitch,
                       double spacing) {
  const Extended travel =
      Multiply(Multiply(static_cast<Extended>(rotations), beam_width), beam_pitch);
  return TruncateTowardZero(Divide(travel, spacing));
}

}  // namespace

std::int32_t AccumulateHelicalScan(const Workspace& workspace, AccumulationWorkspace& accumulation,
                                   SuperpositionKernel superpose) {
  const double beam_pitch =
      ParseStoredNumber(workspace.FieldText(Field::kEditBP), workspace.number_format());
  // A table of fewer than two rows holds no data rows.
  const std::int32_t point_count = std::max(PointCount(workspace), 0);
  CheckPointCountWithinCapacity(point_count);
  const double spacing = SampleSpacing(workspace);
  const double beam_width = NominalBeamWidth(workspace);

  accumulation.ClearPositionsAndDoses();
  ReadProfileValues(workspace, point_count, accumulation);
  const std::int64_t feed = FeedPerRotation(beam_width, beam_pitch, spacing);
  const std::int32_t rotations = ParseInteger(workspace.FieldText(Field::kEditnRot));
  const std::int64_t total_feed = TotalFeed(rotations, beam_width, beam_pitch, spacing);
  CheckTotalFeedAtLeastOne(total_feed);
  const Int128 length = Int128{total_feed} + point_count;
  CheckAccumulatedLengthWithinCapacity(length);
  // A feed per rotation beyond 32 bits would keep only its low bits, but it
  // implies a total feed beyond the capacity, refused above.
  QUORVANE_CHECK(feed == LowBits32(feed));

  // The quotient is the same at every step, so it is formed once per point,
  // in point order, and kept at extended precision. A feed of 0 fails at the
  // first point, as the first addition would.
  std::array<Extended, kProfileCapacity> terms{};
  const auto count = static_cast<std::size_t>(point_count);
  for (std::size_t i = 0; i < count; ++i) {
    terms[i] = Divide(accumulation.profile_value[i], static_cast<Extended>(LowBits32(feed)));
  }
  superpose(std::span(terms).first(count), total_feed, 1, accumulation.dose);

  const auto accumulated_length = static_cast<std::int32_t>(length);
  FillPositions(accumulation, accumulated_length, spacing);
  accumulation.quantities = {.point_count = point_count,
                             .sample_spacing = spacing,
                             .nominal_beam_width = beam_width,
                             .rotations = rotations,
                             .step = feed,
                             .total_feed = total_feed,
                             .accumulated_length = accumulated_length};
  return accumulated_length;
}

}  // namespace quorvane
