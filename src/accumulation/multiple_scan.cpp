#include "accumulation/multiple_scan.h"

#include <array>
#include <span>

#include "accumulation/accumulation_limits.h"
#include "accumulation/accumulation_steps.h"
#include "accumulation/superposition.h"
#include "numbers/extended.h"
#include "numbers/integer_parse.h"
#include "numbers/integer_text.h"
#include "numbers/number_parse.h"
#include "workspace/profile_values.h"

namespace quorvane {
namespace {

// Beam pitch x (nominal beam width / sample spacing), the pitch and the
// quotient kept at extended precision, rounded half to even. A spacing of 0
// raises the division-by-zero error (invalid operation when the width is 0
// too); a product beyond 64 bits the invalid-operation error.
std::int64_t TableIncrement(Extended beam_pitch, double beam_width, double spacing) {
  return RoundHalfEven(Multiply(beam_pitch, Divide(beam_width, spacing)));
}

}  // namespace

std::int32_t AccumulateMultipleScans(const Workspace& workspace,
                                     AccumulationWorkspace& accumulation,
                                     SuperpositionKernel superpose) {
  const std::int32_t point_count = PointCount(workspace);
  CheckPointCountWithinCapacity(point_count);
  CheckProfileHasPoints(point_count);
  const double spacing = SampleSpacing(workspace);
  const double beam_width = NominalBeamWidth(workspace);
  const Extended beam_pitch =
      ParseNumber(workspace.FieldText(Field::kEditBP), workspace.number_format());
  const std::int64_t increment = TableIncrement(beam_pitch, beam_width, spacing);
  CheckTableIncrementNotNegative(increment);

  accumulation.ClearPositionsAndDoses();
  ReadProfileValues(workspace, point_count, accumulation);
  const std::int32_t rotations = ParseInteger(workspace.FieldText(Field::kEditnRot));
  CheckRotationsAtLeastOne(rotations);
  const Int128 length = Int128{rotations} * increment + point_count;
  CheckAccumulatedLengthWithinCapacity(length);

  // Within the limits the increment fits in 32 bits unchanged.
  std::array<Extended, kProfileCapacity> terms{};
  const auto count = static_cast<std::size_t>(point_count);
  for (std::size_t i = 0; i < count; ++i) terms[i] = accumulation.profile_value[i];
  superpose(std::span(terms).first(count), rotations, LowBits32(increment), accumulation.dose);

  const auto accumulated_length = static_cast<std::int32_t>(length);
  FillPositions(accumulation, accumulated_length, spacing);
  accumulation.quantities = {.point_count = point_count,
                             .sample_spacing = spacing,
                             .nominal_beam_width = beam_width,
                             .rotations = rotations,
                             .step = increment,
                             .total_feed = 0,
                             .accumulated_length = accumulated_length};
  return accumulated_length;
}

}  // namespace quorvane
