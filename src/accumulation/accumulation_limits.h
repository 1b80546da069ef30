// What an accumulation can hold, and the refusals of inputs beyond it. Each
// refusal comes as soon as its value is known and before anything is
// superposed, so the action never reads or writes outside its arrays and the
// window, the chart and the clipboard stay as they were.
#pragma once

#include <cstdint>

#include "numbers/integer_text.h"

namespace quorvane {

// Refuses a point count above the profile capacity: "プロファイルの点数 (%d)
// が上限の 1025 を超えています".
void CheckPointCountWithinCapacity(std::int64_t point_count);

// Refuses a series without points: "プロファイルに点がありません".
void CheckProfileHasPoints(std::int64_t point_count);

// Refuses a negative table increment: "テーブル移動量 (%d サンプル) が負です".
void CheckTableIncrementNotNegative(std::int64_t increment);

// Refuses fewer than one rotation: "回転数 (%d) は 1 以上でなければなりません".
void CheckRotationsAtLeastOne(std::int64_t rotations);

// Refuses a helical table travel below one sample:
// "総送り量 (%d サンプル) が 1 サンプルに満たないため積算できません".
void CheckTotalFeedAtLeastOne(std::int64_t total_feed);

// Refuses an accumulated length beyond the dose array, given exactly:
// "積算長 (%d サンプル) が上限の 50001 を超えています".
void CheckAccumulatedLengthWithinCapacity(Int128 length);

}  // namespace quorvane
