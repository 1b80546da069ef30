#include "errors/invariant.h"

#include <string>

#include "errors/error.h"
#include "errors/messages.h"

namespace quorvane {

void RaiseInternalError(std::string_view file, int line) {
  const std::size_t slash = file.rfind('/');
  const std::string_view name = slash == std::string_view::npos ? file : file.substr(slash + 1);
  throw Error(ErrorKind::kInternal,
              messages::Internal(std::string(name) + ":" + std::to_string(line)));
}

}  // namespace quorvane
