#include "startup_checks.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "accumulation/accumulation_record.h"
#include "accumulation/accumulation_workspace.h"
#include "accumulation/helical_scan.h"
#include "accumulation/multiple_scan.h"
#include "accumulation/profile_text.h"
#include "accumulation/scan_actions.h"
#include "bench_inputs.h"
#include "numbers/number_text.h"
#include "printf_number_text.h"
#include "reference_actions.h"

namespace quorvane::bench {
namespace {

void Fail(const std::string& what) {
  std::fprintf(stderr, "quorvane_bench: %s; the ratios would compare different results\n",
               what.c_str());
  std::abort();
}

// Numbers at the edges of the fixed notation, of the 15-digit rounding and
// of the exponent form, beyond what the accumulated profile holds.
constexpr double kEdgeNumbers[] = {2.75,
                                   0.0001,
                                   0.00005,
                                   1e15,
                                   1234567890123456.0,
                                   -2,
                                   0.1 + 0.2,
                                   999999999999999.5,
                                   0.99999999999999995,
                                   9.9999999999999995e-5,
                                   1.5e-7,
                                   -3.25e-300,
                                   4.9e-324,
                                   1.7976931348623157e308,
                                   123.456,
                                   -0.001};

void CheckPrintfNumberText() {
  const NumberFormat point;
  for (const double value : kEdgeNumbers) {
    if (PrintfNumberText(value, point) != NumberText(value, point)) {
      Fail("snprintf number text \"" + PrintfNumberText(value, point) + "\" differs from \"" +
           NumberText(value, point) + "\"");
    }
  }
  const ProfileSamples samples = HelicalProfileSamples();
  if (PrintfFormatProfileText(samples.positions, samples.doses, point) !=
      FormatProfileText(samples.positions, samples.doses, point)) {
    Fail("snprintf profile text differs from FormatProfileText");
  }
}

void CheckAccumulatedLength(const ScanFields& fields, std::int32_t length, const char* name) {
  if (length != fields.accumulated_length) {
    Fail(std::string(name) + " accumulates " + std::to_string(length) + " samples instead of " +
         std::to_string(fields.accumulated_length));
  }
}

void CheckLengths() {
  const auto accumulation = std::make_unique<AccumulationWorkspace>();
  CheckAccumulatedLength(kHelicalWorstCase,
                         AccumulateHelicalScan(ScanWorkspace(kHelicalWorstCase), *accumulation),
                         "CalHS");
  for (const ScanFields* fields :
       {&kMultipleScanIncrement1, &kMultipleScanIncrement0, &kMultipleScanIncrement0Reference}) {
    CheckAccumulatedLength(*fields, AccumulateMultipleScans(ScanWorkspace(*fields), *accumulation),
                           "CalMS");
  }
}

bool SameResults(const MemoryWorkspace& a, const MemoryWorkspace& b) {
  return a.clipboard_text() == b.clipboard_text() &&
         a.FieldText(Field::kEditMax) == b.FieldText(Field::kEditMax) &&
         a.FieldText(Field::kEditFWHM) == b.FieldText(Field::kEditFWHM) &&
         a.CurveOf(CurveId::kSeries2).points() == b.CurveOf(CurveId::kSeries2).points();
}

void CheckAction(const ScanFields& fields, AccumulationRecord (*action)(Workspace&),
                 void (*reference)(Workspace&), const char* name) {
  MemoryWorkspace fast = ScanWorkspace(fields);
  MemoryWorkspace plain = ScanWorkspace(fields);
  action(fast);
  reference(plain);
  if (!SameResults(fast, plain)) Fail(std::string(name) + " differs from its reference");
}

}  // namespace

void CheckReferencesAgreeOrAbort() {
  CheckPrintfNumberText();
  CheckLengths();
  CheckAction(kHelicalWorstCase, RunHelicalScanAction, ReferenceHelicalScanAction, "CalHS");
  CheckAction(kMultipleScanIncrement1, RunMultipleScanAction, ReferenceMultipleScanAction, "CalMS");
}

}  // namespace quorvane::bench
