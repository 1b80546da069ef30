// Every message the system shows, in one place. Patterns carry "%s" for a
// text and "%d" for an integer; FillMessage puts the value in. Figures such
// as capacities come from their constants, never typed into the text.
#pragma once

#include <string>
#include <string_view>

namespace quorvane {

// Replaces the first "%s" or "%d" in a message pattern with a value text:
// FillMessage("I/O エラー (%d)", "21") -> "I/O エラー (21)".
std::string FillMessage(std::string_view pattern, std::string_view value);

namespace messages {

// The three floating-point errors.
inline constexpr std::string_view kInvalidOperation = "不正な浮動小数点数演算命令";
inline constexpr std::string_view kDivisionByZero = "0 による浮動小数点数除算";
inline constexpr std::string_view kOverflow = "浮動小数点数のオーバーフロー";

// The two conversions: NotANumber("1,5") -> "'1,5' は浮動小数点数ではありません".
std::string NotANumber(std::string_view text);
std::string NotAnInteger(std::string_view text);

// Files and the clipboard.
inline constexpr std::string_view kFileNotFound = "ファイルが見つかりません";
inline constexpr std::string_view kInvalidFileName = "不正なファイル名です";
inline constexpr std::string_view kTooManyOpenFiles = "オープンしたファイルが多すぎます";
inline constexpr std::string_view kAccessDenied = "ファイルへのアクセスが拒否されました";
inline constexpr std::string_view kClipboardOpen = "クリップボードを開くことができません";
// InputOutputErrorNumber("21") -> "I/O エラー (21)".
std::string InputOutputErrorNumber(std::string_view error_number);

// The refusals of inputs beyond what the actions hold; each takes the value
// as integer text. ProfileTooLong("1026") -> "プロファイルの点数 (1026) が上限の
// 1025 を超えています".
std::string ProfileTooLong(std::string_view point_count);
std::string TooManyDataLines();
inline constexpr std::string_view kProfileWithoutPoints = "プロファイルに点がありません";
std::string NegativeTableIncrement(std::string_view increment);
std::string TooFewRotations(std::string_view rotations);
std::string TotalFeedBelowOneSample(std::string_view total_feed);
std::string AccumulatedLengthTooLong(std::string_view length);

// Save profile table as...: a refusal names the line, then the reason, as
// in "Row 3: the position holds a tab, which separates the two columns of a
// line". TableRow("3") -> "Row 3"; a cell is "the position", "the dose rate",
// "the slice width" or "the slice number".
std::string TableRefusal(std::string_view line, std::string_view reason);
std::string TableRow(std::string_view row);
inline constexpr std::string_view kTableHeaderLine = "The header line";
inline constexpr std::string_view kTableAsAWhole = "The table";
std::string CellHoldsTab(std::string_view cell);
std::string CellHoldsLineFeed(std::string_view cell);
std::string CellHoldsCarriageReturn(std::string_view cell);
inline constexpr std::string_view kLineStartsWithCtrlZ =
    "the line starts with byte 26 (Ctrl-Z), which ends a profile file";
inline constexpr std::string_view kFirstDoseRateReadAsHeader =
    "the dose rate is a whole power of two, so the loader would read the line as the slice "
    "width and slice number, and the slice number field is no whole power of two for a header "
    "line before it";
inline constexpr std::string_view kFirstDoseRateNoNumber =
    "the dose rate does not convert to a number, and without a header line the loader "
    "converts the first line's dose rate";
inline constexpr std::string_view kEmptyTableWithoutHeader =
    "it has no data rows and the slice number is no whole power of two for a header line, and "
    "the loader refuses an empty file";
std::string TooManyRowsForAFile();

// The window's saves and commands; paths as the file system spells them.
// CouldNotSave("/tmp/a.txt", "Permission denied") -> "Could not save
// /tmp/a.txt: Permission denied".
std::string CouldNotSave(std::string_view path, std::string_view reason);
// ShortWrite("4096", "15000") -> "only 4096 of 15000 bytes could be written;
// is the disk full?"
std::string ShortWrite(std::string_view on_disk, std::string_view accepted);
inline constexpr std::string_view kContentsNotWritten = "the contents could not be written";
std::string UnknownChartType(std::string_view path);
std::string RecentProfileGone(std::string_view path);

// A broken internal invariant, with the place in the source that found it:
// Internal("superposition.cpp:20") -> "内部エラー (superposition.cpp:20)".
std::string Internal(std::string_view place);

}  // namespace messages
}  // namespace quorvane
