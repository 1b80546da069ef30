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

std::string TableRefusal(std::string_view line, std::string_view reason) {
  return std::string(line) + ": " + std::string(reason);
}

std::string TableRow(std::string_view row) { return FillMessage("Row %d", row); }

std::string CellHoldsTab(std::string_view cell) {
  return FillMessage("%s holds a tab, which separates the two columns of a line", cell);
}

std::string CellHoldsLineFeed(std::string_view cell) {
  return FillMessage("%s holds a line feed, which ends a line", cell);
}

std::string CellHoldsCarriageReturn(std::string_view cell) {
  return FillMessage("%s holds a carriage return, which the loader drops", cell);
}

std::string TooManyRowsForAFile() {
  return "a profile file holds at most " + Figure(kMaxDataLines) + " data rows";
}

std::string CouldNotSave(std::string_view path, std::string_view reason) {
  return FillMessage("Could not save %s: ", path) + std::string(reason);
}

std::string ShortWrite(std::string_view on_disk, std::string_view accepted) {
  return FillMessage(
      FillMessage("only %d of %d bytes could be written; is the disk full?", on_disk), accepted);
}

std::string UnknownChartType(std::string_view path) {
  return FillMessage("Could not export the chart to %s: the name must end in .png, .svg or .pdf",
                     path);
}

std::string RecentProfileGone(std::string_view path) {
  return FillMessage("%s no longer exists; it was removed from the recent profiles", path);
}

std::string Internal(std::string_view place) { return FillMessage("内部エラー (%s)", place); }

}  // namespace messages
}  // namespace quorvane
