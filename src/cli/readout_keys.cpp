#include "cli/readout_keys.h"

#include <string_view>

namespace quorvane::cli {
namespace {

struct KeyLine {
  std::string_view key;
  std::string_view unit;
  std::string_view definition;
};

// In the order the tables give them. "integral" is of the straight lines
// between samples, over an interval clipped to the measured range; c is
// centre_interpolated, W = slice width x slice number, p the beam pitch.
constexpr KeyLine kKeyLines[] = {
    {"measured.peak", "value", "the peak as draw shows it (PeakValue)"},
    {"measured.fwhm", "mm", "the FWHM as draw shows it (FWHM(mm))"},
    {"measured.fwhm_interpolated", "mm", "right edge - left edge at half maximum, interpolated"},
    {"measured.centre_interpolated", "mm", "c = (left edge + right edge) / 2"},
    {"measured.left_edge_interpolated", "mm", "first rise to half maximum, interpolated"},
    {"measured.right_edge_interpolated", "mm", "last fall to half maximum, interpolated"},
    {"measured.range_start", "mm", "the first position, ascending"},
    {"measured.range_end", "mm", "the last position, ascending"},
    {"measured.integral", "value·mm", "integral over the measured range"},
    {"measured.nominal_beam_width", "mm", "W = slice width x slice number"},
    {"measured.ctdi100", "value", "integral over c +/- 50 mm / W"},
    {"measured.ctdi_measured_range", "value", "integral / W: the limiting CTDI as far as measured"},
    {"measured.efficiency_100", "1", "integral over c +/- 50 mm / integral (CTDI100/CTDIinf)"},
    {"measured.geometric_efficiency_percent", "%", "100 x integral over c +/- W/2 / integral"},
    {"measured.geometric_efficiency_fwhm_percent", "%", "100 x W / fwhm_interpolated"},
    {"measured.pitch", "1", "p, the beam pitch"},
    {"measured.equilibrium_dose", "value", "ctdi_measured_range / p"},
    {"measured.equilibrium_length_98", "mm",
     "shortest L with integral over c +/- L/2 >= 98 % of integral"},
    {"accumulated.action", "", "CalMS (ms) or CalHS (hs)"},
    {"accumulated.peak", "value", "the peak as the action shows it (EditMax)"},
    {"accumulated.fwhm", "mm", "the FWHM as the action shows it (EditFWHM)"},
    {"accumulated.fwhm_interpolated", "mm", "half-maximum width, interpolated"},
    {"accumulated.central_dose", "value", "the dose at position 0, interpolated"},
    {"accumulated.central_average_interval", "mm", "I = |step x sample spacing|"},
    {"accumulated.central_average", "value", "mean dose over -I/2..I/2 (for ms: the MSAD)"},
    {"accumulated.integral", "value·mm", "integral over all accumulated samples"},
    {"accumulated.sample_spacing", "mm", "s, as the action used it"},
    {"accumulated.nominal_beam_width", "mm", "W, as the action used it"},
    {"accumulated.rotations", "1", "N, as the action used it"},
    {"accumulated.accumulated_length", "samples", "L, as the action used it"},
    {"accumulated.table_increment", "samples", "ms: the step between copies"},
    {"accumulated.feed_per_rotation", "samples", "hs: F, the step between copies"},
    {"accumulated.total_feed", "samples", "hs: T"},
    {"accumulated.scan_length", "mm", "N x increment x |s| (ms), T x |s| (hs)"},
    {"accumulated.effective_pitch", "1", "step x s / W: the pitch after snapping to samples"},
    {"accumulated.equilibrium_dose", "value", "sum of the profile values / step"},
    {"accumulated.central_to_equilibrium", "1", "central_dose / equilibrium_dose"},
};

constexpr std::size_t kKeyWidth = 44;
constexpr std::size_t kUnitWidth = 10;

// Columns on screen: "·" is two bytes and one column.
std::size_t Columns(std::string_view text) {
  std::size_t columns = 0;
  for (const char c : text) columns += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return columns;
}

std::string Padded(std::string_view text, std::size_t width) {
  std::string padded(text);
  padded.append(width > Columns(text) ? width - Columns(text) : 1, ' ');
  return padded;
}

}  // namespace

std::string ReadoutKeysText(bool with_accumulated) {
  std::string text;
  for (const KeyLine& line : kKeyLines) {
    if (!with_accumulated && line.key.starts_with("accumulated.")) continue;
    text += "  " + Padded(line.key, kKeyWidth) + Padded(line.unit, kUnitWidth) +
            std::string(line.definition) + "\n";
  }
  return text;
}

}  // namespace quorvane::cli
