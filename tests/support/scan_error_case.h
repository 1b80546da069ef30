// One row of an accumulation's error-order table, shared by "CalMS" and
// "CalHS": the profile rows and the four parameter texts an action starts
// from, and the error it must end with. A failed action must leave what it
// found: the clipboard text, the accumulated curve and the peak field.
//   {.name = "BeamPitch", .rows = kGood, .slice_width = "1", .slice_number = "4.0",
//    .beam_pitch = "bp", .rotations = "x", .kind = ErrorKind::kConversion,
//    .message = "'bp' は浮動小数点数ではありません"}
#pragma once

#include <functional>
#include <ostream>
#include <vector>

#include "errors/error.h"
#include "support/profile_fixture.h"
#include "workspace/workspace.h"

namespace quorvane::test_support {

struct ScanErrorCase {
  const char* name;
  std::vector<ProfileRow> rows;  // empty: the fresh window's table
  const char* slice_width;
  const char* slice_number;
  const char* beam_pitch;
  const char* rotations;
  ErrorKind kind;
  const char* message;
};

void PrintTo(const ScanErrorCase& c, std::ostream* out);

// Prepares a workspace as PrepareScan does (clipboard "before", one point on
// Series2), runs the action on it and checks the error's message and kind,
// and that the clipboard, Series2 and EditMax are as they were.
void ExpectScanError(const ScanErrorCase& c, const std::function<void(Workspace&)>& action);

}  // namespace quorvane::test_support
