// The messages of the operating system's file errors, as the loader shows
// them:
//   ENOENT, the file's folder exists     "ファイルが見つかりません"
//   ENOENT for a missing folder, ENOTDIR "不正なファイル名です"
//   EMFILE, ENFILE                       "オープンしたファイルが多すぎます"
//   EACCES, EPERM                        "ファイルへのアクセスが拒否されました"
//   any other error n                    "I/O エラー (n)"
#pragma once

#include <string>
#include <string_view>

#include "errors/error.h"

namespace quorvane {

std::string FileErrorMessage(int error_number, std::string_view path);

// The input/output error for a failed open, read or close of `path`.
Error FileError(int error_number, std::string_view path);

}  // namespace quorvane
