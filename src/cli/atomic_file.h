// A file replaced whole or not at all: the contents go to a temporary file in
// the target's folder, which is then renamed over the target. After an error
// the target is as it was and no temporary file is left. A new file gets the
// permissions 0666 less the umask, a replaced one keeps its own.
//   WriteFileAtomically("out/a.ms.tsv", "-2\t1\r\n")  -> out/a.ms.tsv holds the text
//   WriteFileAtomically("a.txt/x.tsv", "...")        -> raises "cannot write
//                                                        'a.txt/x.tsv': Not a directory"
#pragma once

#include <string>
#include <string_view>

namespace quorvane::cli {

// Raises std::runtime_error "cannot write 'PATH': REASON".
void WriteFileAtomically(const std::string& path, std::string_view contents);

}  // namespace quorvane::cli
