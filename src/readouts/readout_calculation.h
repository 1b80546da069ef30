// How a readout's calculation says that it cannot give a value: it raises
// Unavailable with a short English note, and the row is made with no value
// and that note. The floating-point errors of extended.h are caught the same
// way, so a readout never ends an action (only a broken invariant of the
// program itself passes through, as everywhere).
//
//   MakeReadout("ctdi100", "value", [&] {
//     Require(width > 0, "nominal beam width not positive");
//     return NotedValue{Divide(integral, width), ""};
//   })
//   -> with width 0: {key "ctdi100", no value, note "nominal beam width not positive"}
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "errors/error.h"
#include "numbers/extended.h"
#include "readouts/readout.h"

namespace quorvane {

class Unavailable {
 public:
  explicit Unavailable(std::string note) : note_(std::move(note)) {}
  const std::string& note() const { return note_; }

 private:
  std::string note_;
};

// Raises Unavailable(note) unless the condition holds.
void Require(bool condition, std::string_view note);

// Appends a note to a list of notes, "; " between two; an empty note or one
// the list already holds adds nothing.
void AppendNote(std::string& notes, std::string_view note);

// The English note for a floating-point error: "beyond the double range",
// "division by zero", "invalid operation", "not a number".
std::string NoteForError(const Error& error);

// A value at extended precision with the notes gathered on the way to it.
struct NotedValue {
  Extended value = 0;
  std::string note;
};

// A quantity several readouts share: its value, or the note why there is
// none. Get() raises that note as Unavailable, so a readout built on a
// missing quantity carries the quantity's note.
template <typename T>
class Maybe {
 public:
  Maybe(T value) : value_(std::move(value)) {}  // NOLINT: a value is a present Maybe
  static Maybe Missing(std::string note) { return Maybe(std::nullopt, std::move(note)); }

  bool has_value() const { return value_.has_value(); }
  const T& Get() const {
    if (!value_) throw Unavailable(note_);
    return *value_;
  }
  const std::string& note() const { return note_; }

 private:
  Maybe(std::nullopt_t, std::string note) : note_(std::move(note)) {}

  std::optional<T> value_;
  std::string note_;
};

// Runs a calculation; an Unavailable or an Error it raises becomes the
// missing quantity's note. A broken invariant (ErrorKind::kInternal) is a
// fault of this program, not of the profile, and passes through.
template <typename Calculation>
auto Attempt(Calculation&& calculate) -> Maybe<std::invoke_result_t<Calculation>> {
  using Result = Maybe<std::invoke_result_t<Calculation>>;
  try {
    return Result(calculate());
  } catch (const Unavailable& unavailable) {
    return Result::Missing(unavailable.note());
  } catch (const Error& error) {
    if (error.kind() == ErrorKind::kInternal) throw;
    return Result::Missing(NoteForError(error));
  }
}

// A row from a calculation giving a NotedValue: the value rounded to double
// as a store does (a value beyond the double range is noted, not raised).
template <typename Calculation>
Readout MakeReadout(std::string key, std::string unit, Calculation&& calculate) {
  Readout row;
  row.key = std::move(key);
  row.unit = std::move(unit);
  const Maybe<std::pair<double, std::string>> result = Attempt([&] {
    NotedValue noted = calculate();
    return std::pair<double, std::string>(StoreDouble(noted.value), std::move(noted.note));
  });
  if (result.has_value()) {
    row.value = result.Get().first;
    row.note = result.Get().second;
  } else {
    row.note = result.note();
  }
  return row;
}

}  // namespace quorvane
