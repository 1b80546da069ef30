#include "errors/messages.h"

#include <string>

#include "errors/capacities.h"

namespace quorvane {

std::string FillMessage(std::string_view pattern, std::string_view value) {
  std::string message(pattern);
  std::size_t at = message.find("%s");
  if (at == std::string::npos) at = message.find("%d");
  if (at != std::string::npos) message.replace(at, 2, value);
  return message;
}

namespace messages {
namespace {

std::string Figure(std::int32_t capacity) { return std::to_string(capacity); }

}  // namespace

std::string NotANumber(std::string_view text) {
  return FillMessage("'%s' は浮動小数点数ではありません", text);
}

std::string NotAnInteger(std::string_view text) {
  return FillMessage("'%s' は整数ではありません", text);
}

std::string InputOutputErrorNumber(std::string_view error_number) {
  return FillMessage("I/O エラー (%d)", error_number);
}

std::string ProfileTooLong(std::string_view point_count) {
  return FillMessage("プロファイルの点数 (%d) が上限の ", point_count) + Figure(kProfileCapacity) +
         " を超えています";
}

std::string TooManyDataLines() {
  return "データ行が上限の " + Figure(kMaxDataLines) + " 行を超えています";
}

std::string NegativeTableIncrement(std::string_view increment) {
  return FillMessage("テーブル移動量 (%d サンプル) が負です", increment);
}

std::string TooFewRotations(std::string_view rotations) {
  return FillMessage("回転数 (%d) は 1 以上でなければなりません", rotations);
}

std::string TotalFeedBelowOneSample(std::string_view total_feed) {
  return FillMessage("総送り量 (%d サンプル) が 1 サンプルに満たないため積算できません",
                     total_feed);
}

std::string AccumulatedLengthTooLong(std::string_view length) {
  return FillMessage("積算長 (%d サンプル) が上限の ", length) + Figure(kAccumulationCapacity) +
         " を超えています";
}

std::string Internal(std::string_view place) { return FillMessage("内部エラー (%s)", place); }

}  // namespace messages
}  // namespace quorvane
