// The core keeps texts as bytes, Qt as QString: UTF-8 between the two.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace quorvane {

// Invalid bytes become replacement characters.
QString DecodeUtf8(std::string_view bytes);

std::string EncodeUtf8(const QString& text);

}  // namespace quorvane
