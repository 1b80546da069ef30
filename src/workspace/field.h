// The single-line text fields of the window: the path, the scan parameters
// and the two results.
#pragma once

#include <string>
#include <string_view>

#include "numbers/number_format.h"

namespace quorvane {

enum class Field {
  kEdit1,     // the path of the loaded file; read by no action
  kEditSW,    // slice width in mm, a number
  kEditSN,    // slice number, a number ("4.0" is a valid slice number)
  kEditBP,    // beam pitch, a number
  kEditnRot,  // number of rotations, an integer
  kEditMax,   // peak of the last measured profile, as number text
  kEditFWHM,  // FWHM of the last measured profile, as number text
};

inline constexpr Field kAllFields[] = {Field::kEdit1,   Field::kEditSW,   Field::kEditSN,
                                       Field::kEditBP,  Field::kEditnRot, Field::kEditMax,
                                       Field::kEditFWHM};

// The control name: FieldName(Field::kEditnRot) -> "EditnRot".
std::string_view FieldName(Field field);

// The text a field shows when the window opens: "1.0" for the beam pitch,
// "10" for the rotations, empty otherwise.
std::string_view StartText(Field field);

// The starting text in a workspace that writes numbers in `format`: the beam
// pitch is "1", the format's separator, "0", so that the default reads as a
// number whatever the separator; every other field as StartText(field).
//   StartText(Field::kEditBP, {})                                   -> "1.0"
//   StartText(Field::kEditBP, NumberFormat::FromLocaleSetting(",")) -> "1,0"
std::string StartText(Field field, const NumberFormat& format);

}  // namespace quorvane
