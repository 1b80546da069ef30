#include "accumulation/accumulation_limits.h"

#include "accumulation/accumulation_workspace.h"
#include "numbers/errors.h"
#include "workspace/profile_values.h"

namespace quorvane {
namespace {

[[noreturn]] void Refuse(const char* pattern, Int128 value) {
  throw RefusalError(FillMessage(pattern, IntegerText(value)));
}

}  // namespace

void CheckPointCountWithinCapacity(std::int64_t point_count) {
  if (point_count > kProfileCapacity) throw RefusalError(ProfileTooLongMessage(point_count));
}

void CheckProfileHasPoints(std::int64_t point_count) {
  if (point_count < 1) throw RefusalError("プロファイルに点がありません");
}

void CheckTableIncrementNotNegative(std::int64_t increment) {
  if (increment < 0) Refuse("テーブル移動量 (%d サンプル) が負です", increment);
}

void CheckRotationsAtLeastOne(std::int64_t rotations) {
  if (rotations < 1) Refuse("回転数 (%d) は 1 以上でなければなりません", rotations);
}

void CheckTotalFeedAtLeastOne(std::int64_t total_feed) {
  if (total_feed < 1) {
    Refuse("総送り量 (%d サンプル) が 1 サンプルに満たないため積算できません", total_feed);
  }
}

void CheckAccumulatedLengthWithinCapacity(Int128 length) {
  if (length > kAccumulationCapacity) {
    Refuse("積算長 (%d サンプル) が上限の 50001 を超えています", length);
  }
}

}  // namespace quorvane
