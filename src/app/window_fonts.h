// The fonts of the window. Each asks for the designed Japanese font first and
// then for its metric-compatible IPA font, which Linux desktops carry, so that
// captions keep their designed widths and Japanese messages render.
#pragma once

#include <QFont>

namespace quorvane {

// "ＭＳ Ｐゴシック" 12 px regular: inherited by every control that sets no
// font of its own.
QFont WindowFont();

// The window font in bold, set on the buttons and the parameter and result
// fields.
QFont BoldWindowFont();

// "ＭＳ Ｐ明朝" 16 px bold: the chart title.
QFont ChartTitleFont();

// "ＭＳ Ｐ明朝" 12 px regular: the axis labels and the legend.
QFont ChartLabelFont();

}  // namespace quorvane
