#include "readouts/accumulated_readouts.h"

#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

#include "readouts/half_maximum_crossings.h"
#include "readouts/interpolated_profile.h"
#include "readouts/readout_calculation.h"

namespace quorvane {
namespace {

constexpr char kValue[] = "value";
constexpr char kMm[] = "mm";
constexpr char kValueMm[] = "value·mm";
constexpr char kOne[] = "1";
constexpr char kSamples[] = "samples";

NotedValue Plain(Extended value) { return {value, ""}; }

// The accumulated profile on centred positions x_j = position[j] - Centre,
// each rounded to double as the output stores it, for all L samples.
Maybe<InterpolatedProfile> CentredProfile(const AccumulationRecord& record) {
  return Attempt([&] {
    std::vector<double> centred;
    centred.reserve(record.positions.size());
    for (const double position : record.positions) {
      centred.push_back(StoreDouble(Subtract(position, record.Centre())));
    }
    return InterpolatedProfile::Ascending(centred, record.doses);
  });
}

// Everything the rows are built from.
struct AccumulatedInputs {
  const AccumulationRecord& record;
  Maybe<InterpolatedProfile> profile;
  Maybe<Extended> central_dose;
  Maybe<Extended> equilibrium_dose;

  Extended Step() const { return static_cast<Extended>(record.Step()); }
  // I = |step x s|.
  Extended CentralAverageInterval() const { return Abs(Multiply(Step(), record.sample_spacing)); }
};

Maybe<Extended> CentralDose(const Maybe<InterpolatedProfile>& profile) {
  return Attempt([&] {
    const InterpolatedProfile& centred = profile.Get();
    Require(centred.first() <= 0 && 0 <= centred.last(), "x = 0 outside the accumulated samples");
    return centred.ValueAt(0);
  });
}

// The plateau of an endless series: one whole profile per step.
Maybe<Extended> EquilibriumDose(const AccumulationRecord& record) {
  return Attempt([&] {
    Require(record.Step() != 0, record.IsHelical() ? "feed per rotation 0" : "table increment 0");
    Extended sum = 0;
    for (const double value : record.profile_values) sum = Add(sum, value);
    return Divide(sum, static_cast<Extended>(record.Step()));
  });
}

void AddMeasurementRows(const AccumulatedInputs& in, std::vector<Readout>& rows) {
  Readout action;
  action.key = "action";
  action.text = in.record.action;
  rows.push_back(std::move(action));
  const HalfMaximumResult& shown = in.record.measurement;
  rows.push_back(MakeReadout("peak", kValue, [&] { return Plain(shown.Peak); }));
  rows.push_back(MakeReadout("fwhm", kMm, [&] {
    Require(shown.HasWidth, "no dose at or above half maximum");
    return Plain(shown.FWHM);
  }));
  rows.push_back(MakeReadout("fwhm_interpolated", kMm, [&] {
    const HalfMaximumCrossings crossings = FindHalfMaximumCrossings(in.profile.Get());
    return NotedValue{crossings.Width(), crossings.Notes()};
  }));
  rows.push_back(MakeReadout("central_dose", kValue, [&] { return Plain(in.central_dose.Get()); }));
  rows.push_back(MakeReadout("central_average_interval", kMm,
                             [&] { return Plain(in.CentralAverageInterval()); }));
  rows.push_back(MakeReadout("central_average", kValue, [&] {
    const Extended interval = in.CentralAverageInterval();
    Require(interval != 0, "central average interval 0");
    const Extended half = Divide(interval, 2);
    bool clipped = false;
    NotedValue average{Divide(in.profile.Get().Integral(-half, half, clipped), interval), ""};
    if (clipped) average.note = kClippedNote;
    return average;
  }));
  rows.push_back(
      MakeReadout("integral", kValueMm, [&] { return Plain(in.profile.Get().Integral()); }));
}

void AddScanRows(const AccumulatedInputs& in, std::vector<Readout>& rows) {
  const AccumulationRecord& record = in.record;
  rows.push_back(MakeReadout("sample_spacing", kMm, [&] { return Plain(record.sample_spacing); }));
  rows.push_back(
      MakeReadout("nominal_beam_width", kMm, [&] { return Plain(record.nominal_beam_width); }));
  rows.push_back(MakeReadout("rotations", kOne, [&] { return Plain(record.rotations); }));
  rows.push_back(MakeReadout("accumulated_length", kSamples, [&] {
    return Plain(static_cast<Extended>(record.positions.size()));
  }));
  const Extended spacing = Abs(static_cast<Extended>(record.sample_spacing));
  if (record.IsHelical()) {
    rows.push_back(MakeReadout("feed_per_rotation", kSamples, [&] {
      return Plain(static_cast<Extended>(record.feed_per_rotation));
    }));
    rows.push_back(MakeReadout("total_feed", kSamples,
                               [&] { return Plain(static_cast<Extended>(record.total_feed)); }));
    rows.push_back(MakeReadout("scan_length", kMm, [&] {
      return Plain(Multiply(static_cast<Extended>(record.total_feed), spacing));
    }));
  } else {
    rows.push_back(MakeReadout("table_increment", kSamples, [&] {
      return Plain(static_cast<Extended>(record.table_increment));
    }));
    rows.push_back(MakeReadout("scan_length", kMm, [&] {
      const Extended travel = Multiply(static_cast<Extended>(record.rotations),
                                       static_cast<Extended>(record.table_increment));
      return Plain(Multiply(travel, spacing));
    }));
  }
}

void AddEquilibriumRows(const AccumulatedInputs& in, std::vector<Readout>& rows) {
  const AccumulationRecord& record = in.record;
  rows.push_back(MakeReadout("effective_pitch", kOne, [&] {
    Require(record.nominal_beam_width != 0, "nominal beam width 0");
    return Plain(Divide(Multiply(in.Step(), record.sample_spacing), record.nominal_beam_width));
  }));
  rows.push_back(
      MakeReadout("equilibrium_dose", kValue, [&] { return Plain(in.equilibrium_dose.Get()); }));
  rows.push_back(MakeReadout("central_to_equilibrium", kOne, [&] {
    const Extended central = in.central_dose.Get();
    Require(in.equilibrium_dose.Get() != 0, "equilibrium dose 0");
    return Plain(Divide(central, in.equilibrium_dose.Get()));
  }));
}

}  // namespace

ReadoutTable AccumulatedReadouts(const AccumulationRecord& record) {
  Maybe<InterpolatedProfile> profile = CentredProfile(record);
  Maybe<Extended> central_dose = CentralDose(profile);
  const AccumulatedInputs in{.record = record,
                             .profile = std::move(profile),
                             .central_dose = std::move(central_dose),
                             .equilibrium_dose = EquilibriumDose(record)};
  ReadoutTable table;
  AddMeasurementRows(in, table.rows);
  AddScanRows(in, table.rows);
  AddEquilibriumRows(in, table.rows);
  return table;
}

}  // namespace quorvane
