#include "app/LayoutFont.h"

#include <QFontInfo>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace tw {
namespace {

constexpr int kNarrowestStretch = 75;  // QFont::Condensed

}  // namespace

double AverageLetterWidth(const QFont &font) {
  static const QString kLetters =
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  return QFontMetricsF(font).horizontalAdvance(kLetters) / kLetters.size();
}

QFont LayoutFont(int pixelSize, bool bold) {
  QFont font(QString::fromLatin1(kLayoutFontFamily));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelSize);
  if (!QFontInfo(font).exactMatch()) {
    const double wanted = pixelSize * kLayoutAverageLetterWidth;
    const double found = AverageLetterWidth(font);
    if (found > wanted) {
      const int stretch = static_cast<int>(std::lround(100.0 * wanted / found));
      font.setStretch(std::clamp(stretch, kNarrowestStretch, 100));
    }
  }
  font.setBold(bold);
  return font;
}

}  // namespace tw
