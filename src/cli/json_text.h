// The one-line text of a JSON document built with nlohmann::ordered_json,
// with every number written as the shortest text that reads back as the
// same double: the fewest significant digits that do (std::to_chars), in
// plain or scientific notation, whichever is shorter (scientific for large
// integers, whose plain text would show every digit). nlohmann's own dump
// writes some doubles with more digits than needed (58.006888 as
// 58.006887999999996) and integral ones with ".0". Strings and keys are
// escaped by nlohmann, bytes that are not UTF-8 replaced with U+FFFD;
// objects keep their key order.
//   {"file": "a.txt", "peak": 58.006888, "fwhm": 20.0, "note": null}
//     -> {"file":"a.txt","peak":58.006888,"fwhm":20,"note":null}
#pragma once

#include <string>

#include <nlohmann/json.hpp>

namespace quorvane::cli {

std::string JsonText(const nlohmann::ordered_json& value);

}  // namespace quorvane::cli
