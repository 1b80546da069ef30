#include "app/window_fonts.h"

#include <QStringList>

namespace quorvane {
namespace {

QFont FontOf(const QStringList& families, int pixel_size, bool bold) {
  QFont font;
  font.setFamilies(families);
  font.setPixelSize(pixel_size);
  font.setBold(bold);
  return font;
}

QStringList GothicFamilies() {
  return {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")};
}

QStringList MinchoFamilies() {
  return {QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho")};
}

}  // namespace

QFont WindowFont() { return FontOf(GothicFamilies(), 12, false); }

QFont BoldWindowFont() { return FontOf(GothicFamilies(), 12, true); }

QFont ChartTitleFont() { return FontOf(MinchoFamilies(), 16, true); }

QFont ChartLabelFont() { return FontOf(MinchoFamilies(), 12, false); }

}  // namespace quorvane
