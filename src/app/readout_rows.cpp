#include "app/readout_rows.h"

#include <array>

namespace quorvane {
namespace {

constexpr std::array kRows = {
    ReadoutRow{"peak", "Peak"},
    ReadoutRow{"fwhm", "FWHM"},
    ReadoutRow{"fwhm_interpolated", "FWHM, interpolated"},
    ReadoutRow{"centre_interpolated", "Centre, interpolated"},
    ReadoutRow{"left_edge_interpolated", "Left half-maximum edge"},
    ReadoutRow{"right_edge_interpolated", "Right half-maximum edge"},
    ReadoutRow{"range_start", "Measured range, start"},
    ReadoutRow{"range_end", "Measured range, end"},
    ReadoutRow{"integral", "Integral of the profile"},
    ReadoutRow{"nominal_beam_width", "Nominal beam width N\u00d7T"},
    ReadoutRow{"ctdi100", "CTDI100"},
    ReadoutRow{"ctdi_measured_range", "CTDI over the measured range"},
    ReadoutRow{"efficiency_100", "Efficiency CTDI100 / CTDI\u221e"},
    ReadoutRow{"geometric_efficiency_percent", "Geometric efficiency"},
    ReadoutRow{"geometric_efficiency_fwhm_percent", "Geometric efficiency, N\u00d7T / FWHM"},
    ReadoutRow{"pitch", "Beam pitch, typed"},
    ReadoutRow{"equilibrium_dose", "Equilibrium dose D_eq"},
    ReadoutRow{"equilibrium_length_98", "Equilibrium length L_eq (98 %)"},
    ReadoutRow{"central_dose", "Central dose D_L(0)"},
    ReadoutRow{"central_average_interval", "Central averaging interval"},
    ReadoutRow{"central_average", "Central average dose (MSAD)"},
    ReadoutRow{"sample_spacing", "Sample spacing"},
    ReadoutRow{"rotations", "Rotations"},
    ReadoutRow{"accumulated_length", "Accumulated length"},
    ReadoutRow{"table_increment", "Table increment"},
    ReadoutRow{"feed_per_rotation", "Feed per rotation"},
    ReadoutRow{"total_feed", "Total feed"},
    ReadoutRow{"scan_length", "Scan length"},
    ReadoutRow{"effective_pitch", "Effective pitch"},
    ReadoutRow{"central_to_equilibrium", "Approach h = D_L(0) / D_eq"},
};

}  // namespace

std::span<const ReadoutRow> ReadoutRows() { return kRows; }

QString ReadoutRowName(std::string_view key) {
  for (const ReadoutRow& row : kRows) {
    if (row.key == key) return QString::fromUtf8(row.name);
  }
  return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

}  // namespace quorvane
