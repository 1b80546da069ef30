// What the ratios rest on, checked once before any benchmark runs: the
// reference actions and the snprintf number text give exactly what the
// core gives, and the inputs reach the worst cases they are named after.
// Any difference ends the process with a message on stderr.
#pragma once

namespace quorvane::bench {

void CheckReferencesAgreeOrAbort();

}  // namespace quorvane::bench
