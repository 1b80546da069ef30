// Compiled only into the software extended copy of the core (see the header).
#include "soft_extended_actions.h"

#include <memory>

#include "accumulation/accumulation_workspace.h"
#include "accumulation/helical_scan.h"
#include "accumulation/scan_actions.h"
#include "accumulation/superposition.h"
#include "bench_inputs.h"

#if !QUORVANE_EXTENDED_IN_SOFTWARE
#error "soft_extended_actions.cpp belongs to the software extended copy of the core"
#endif

namespace soft_extended_bench {

using quorvane::bench::kHelicalWorstCase;
using quorvane::bench::ScanWorkspace;

std::function<void()> HelicalAccumulation() {
  auto workspace = std::make_shared<quorvane::MemoryWorkspace>(ScanWorkspace(kHelicalWorstCase));
  auto accumulation = std::make_shared<quorvane::AccumulationWorkspace>();
  return [workspace, accumulation] {
    quorvane::AccumulateHelicalScan(*workspace, *accumulation, quorvane::Superpose);
  };
}

std::function<void()> HelicalAction() {
  auto workspace = std::make_shared<quorvane::MemoryWorkspace>(ScanWorkspace(kHelicalWorstCase));
  quorvane::RunHelicalScanAction(*workspace);
  return [workspace] { quorvane::RunHelicalScanAction(*workspace); };
}

std::string HelicalActionText() {
  quorvane::MemoryWorkspace workspace = ScanWorkspace(kHelicalWorstCase);
  quorvane::RunHelicalScanAction(workspace);
  return workspace.clipboard_text();
}

}  // namespace soft_extended_bench
