#include "reference_actions.h"

#include <memory>

#include "accumulation/accumulated_profile_output.h"
#include "accumulation/helical_scan.h"
#include "accumulation/multiple_scan.h"
#include "accumulation/superposition.h"
#include "printf_number_text.h"

namespace quorvane::bench {

std::int32_t ReferenceAccumulateMultipleScans(const Workspace& workspace,
                                              AccumulationWorkspace& accumulation) {
  return AccumulateMultipleScans(workspace, accumulation, SuperposeReference);
}

std::int32_t ReferenceAccumulateHelicalScan(const Workspace& workspace,
                                            AccumulationWorkspace& accumulation) {
  return AccumulateHelicalScan(workspace, accumulation, SuperposeReference);
}

// The core's output with the printf-based profile text. The peak and FWHM
// texts stay the core's: two numbers weigh nothing beside 100 002.
void ReferenceOutputAccumulatedProfile(Workspace& workspace, AccumulationWorkspace& accumulation,
                                       std::int32_t accumulated_length) {
  OutputAccumulatedProfile(workspace, accumulation, accumulated_length, PrintfFormatProfileText);
}

void ReferenceMultipleScanAction(Workspace& workspace) {
  const auto accumulation = std::make_unique<AccumulationWorkspace>();
  const std::int32_t length = ReferenceAccumulateMultipleScans(workspace, *accumulation);
  ReferenceOutputAccumulatedProfile(workspace, *accumulation, length);
}

void ReferenceHelicalScanAction(Workspace& workspace) {
  const auto accumulation = std::make_unique<AccumulationWorkspace>();
  const std::int32_t length = ReferenceAccumulateHelicalScan(workspace, *accumulation);
  ReferenceOutputAccumulatedProfile(workspace, *accumulation, length);
}

}  // namespace quorvane::bench
