#include "readouts/measured_readouts.h"

#include <cstddef>
#include <string>

#include "analysis/half_maximum.h"
#include "numbers/number_parse.h"
#include "readouts/measured_basis.h"
#include "readouts/readout_calculation.h"

namespace quorvane {
namespace {

constexpr char kValue[] = "value";
constexpr char kMm[] = "mm";
constexpr char kValueMm[] = "value·mm";
constexpr char kOne[] = "1";
constexpr char kPercent[] = "%";

// number(t) of a field's text at extended precision; a text that is no
// number is noted with the field's name.
Extended ParseField(std::string_view text, const NumberFormat& format, const char* name) {
  try {
    return ParseNumber(text, format);
  } catch (const Error& error) {
    if (error.kind() == ErrorKind::kConversion)
      throw Unavailable(std::string(name) + " is not a number");
    throw;
  }
}

// W as CalMS forms the nominal beam width: both texts read, the product
// formed at extended precision and stored.
Maybe<Extended> NominalBeamWidth(std::string_view slice_width_text,
                                 std::string_view slice_number_text, const NumberFormat& format) {
  return Attempt([&] {
    const Extended slice_width = ParseField(slice_width_text, format, "slice width");
    const Extended slice_number = ParseField(slice_number_text, format, "slice number");
    return Extended{StoreDouble(Multiply(slice_width, slice_number))};
  });
}

// p: the beam pitch text read and stored as a double, as CalHS stores it.
Maybe<Extended> BeamPitch(std::string_view beam_pitch_text, const NumberFormat& format) {
  return Attempt(
      [&] { return Extended{StoreDouble(ParseField(beam_pitch_text, format, "beam pitch"))}; });
}

// Everything the rows are built from.
struct MeasuredInputs {
  HalfMaximumResult table_order;
  MeasuredBasis basis;
  Maybe<Extended> width;
  Maybe<Extended> pitch;

  const InterpolatedProfile& Profile() const { return basis.profile.Get(); }
  const HalfMaximumCrossings& Crossings() const { return basis.crossings.Get(); }
  Extended Integral() const { return basis.integral.Get(); }
  Extended PositiveWidth() const {
    Require(width.Get() > 0, "nominal beam width not positive");
    return width.Get();
  }
  Extended PositiveIntegral() const {
    Require(Integral() > 0, kIntegralNotPositiveNote);
    return Integral();
  }
  // ∫ over [c - length / 2, c + length / 2], clipped and noted so.
  NotedValue CentredIntegral(Extended length) const {
    const Extended centre = Crossings().Centre();
    const Extended half = Divide(length, 2);
    bool clipped = false;
    NotedValue result{Profile().Integral(Subtract(centre, half), Add(centre, half), clipped), ""};
    if (clipped) result.note = kClippedNote;
    return result;
  }
};

NotedValue Plain(Extended value) { return {value, ""}; }

void AddHalfMaximumRows(const MeasuredInputs& in, std::vector<Readout>& rows) {
  rows.push_back(MakeReadout("peak", kValue, [&] { return Plain(in.table_order.Peak); }));
  rows.push_back(MakeReadout("fwhm", kMm, [&] {
    Require(in.table_order.HasWidth, "no sample at or above half maximum");
    return Plain(in.table_order.FWHM);
  }));
  rows.push_back(MakeReadout("fwhm_interpolated", kMm, [&] {
    return NotedValue{in.Crossings().Width(), in.Crossings().Notes()};
  }));
  rows.push_back(MakeReadout("centre_interpolated", kMm, [&] {
    return NotedValue{in.Crossings().Centre(), in.Crossings().Notes()};
  }));
  rows.push_back(MakeReadout("left_edge_interpolated", kMm, [&] {
    return NotedValue{in.Crossings().left_edge, in.Crossings().left_note};
  }));
  rows.push_back(MakeReadout("right_edge_interpolated", kMm, [&] {
    return NotedValue{in.Crossings().right_edge, in.Crossings().right_note};
  }));
}

void AddRangeRows(const MeasuredInputs& in, std::vector<Readout>& rows) {
  rows.push_back(MakeReadout("range_start", kMm, [&] { return Plain(in.Profile().first()); }));
  rows.push_back(MakeReadout("range_end", kMm, [&] { return Plain(in.Profile().last()); }));
  rows.push_back(MakeReadout("integral", kValueMm, [&] { return Plain(in.Integral()); }));
  rows.push_back(MakeReadout("nominal_beam_width", kMm, [&] { return Plain(in.width.Get()); }));
}

void AddDoseIndexRows(const MeasuredInputs& in, std::vector<Readout>& rows) {
  rows.push_back(MakeReadout("ctdi100", kValue, [&] {
    const Extended width = in.PositiveWidth();
    NotedValue within = in.CentredIntegral(100);
    within.value = Divide(within.value, width);
    return within;
  }));
  rows.push_back(MakeReadout("ctdi_measured_range", kValue, [&] {
    const Extended width = in.PositiveWidth();
    return Plain(Divide(in.Integral(), width));
  }));
  rows.push_back(MakeReadout("efficiency_100", kOne, [&] {
    const Extended integral = in.PositiveIntegral();
    NotedValue within = in.CentredIntegral(100);
    within.value = Divide(within.value, integral);
    return within;
  }));
  rows.push_back(MakeReadout("geometric_efficiency_percent", kPercent, [&] {
    const Extended width = in.PositiveWidth();
    const Extended integral = in.PositiveIntegral();
    NotedValue within = in.CentredIntegral(width);
    within.value = Divide(Multiply(100, within.value), integral);
    return within;
  }));
  rows.push_back(MakeReadout("geometric_efficiency_fwhm_percent", kPercent, [&] {
    const Extended fwhm = in.Crossings().Width();
    Require(fwhm > 0, "interpolated FWHM not positive");
    return Plain(Divide(Multiply(100, in.width.Get()), fwhm));
  }));
}

void AddEquilibriumRows(const MeasuredInputs& in, std::vector<Readout>& rows) {
  rows.push_back(MakeReadout("pitch", kOne, [&] { return Plain(in.pitch.Get()); }));
  rows.push_back(MakeReadout("equilibrium_dose", kValue, [&] {
    const Extended width = in.PositiveWidth();
    Require(in.pitch.Get() > 0, "beam pitch not positive");
    return Plain(Divide(Divide(in.Integral(), width), in.pitch.Get()));
  }));
  rows.push_back(MakeReadout("equilibrium_length_98", kMm,
                             [&] { return Plain(in.basis.equilibrium_length.Get()); }));
}

}  // namespace

ReadoutTable MeasuredReadouts(const MeasuredProfile& profile, std::string_view slice_width_text,
                              std::string_view slice_number_text, std::string_view beam_pitch_text,
                              const NumberFormat& format) {
  const std::size_t count = std::min(profile.positions.size(), profile.dose_rates.size());
  const MeasuredInputs in{
      .table_order = MeasureHalfMaximum(std::span(profile.positions).first(count),
                                        std::span(profile.dose_rates).first(count)),
      .basis = MakeMeasuredBasis(profile),
      .width = NominalBeamWidth(slice_width_text, slice_number_text, format),
      .pitch = BeamPitch(beam_pitch_text, format),
  };
  ReadoutTable table;
  AddHalfMaximumRows(in, table.rows);
  AddRangeRows(in, table.rows);
  AddDoseIndexRows(in, table.rows);
  AddEquilibriumRows(in, table.rows);
  return table;
}

}  // namespace quorvane
