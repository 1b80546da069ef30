#include "accumulation/accumulation_limits.h"

#include "accumulation/accumulation_workspace.h"
#include "errors/error.h"
#include "errors/messages.h"
#include "workspace/profile_values.h"

namespace quorvane {
namespace {

using MessageOf = std::string (*)(std::string_view value);

[[noreturn]] void Refuse(MessageOf message, Int128 value) {
  throw RefusalError(message(IntegerText(value)));
}

}  // namespace

void CheckPointCountWithinCapacity(std::int64_t point_count) {
  if (point_count > kProfileCapacity) Refuse(messages::ProfileTooLong, point_count);
}

void CheckProfileHasPoints(std::int64_t point_count) {
  if (point_count < 1) throw RefusalError(std::string(messages::kProfileWithoutPoints));
}

void CheckTableIncrementNotNegative(std::int64_t increment) {
  if (increment < 0) Refuse(messages::NegativeTableIncrement, increment);
}

void CheckRotationsAtLeastOne(std::int64_t rotations) {
  if (rotations < 1) Refuse(messages::TooFewRotations, rotations);
}

void CheckTotalFeedAtLeastOne(std::int64_t total_feed) {
  if (total_feed < 1) {
    Refuse(messages::TotalFeedBelowOneSample, total_feed);
  }
}

void CheckAccumulatedLengthWithinCapacity(Int128 length) {
  if (length > kAccumulationCapacity) {
    Refuse(messages::AccumulatedLengthTooLong, length);
  }
}

}  // namespace quorvane
