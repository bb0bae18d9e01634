#include "player/widget/BgColorText.h"

namespace glimmora {

std::optional<int> ParseBgColorText(const QString& text)
{
    QString digits = text.trimmed();
    if (digits.startsWith(QLatin1Char('#'))) digits.remove(0, 1);
    if (digits.size() != 6) return std::nullopt;
    bool ok = false;
    const uint rgb = digits.toUInt(&ok, 16);
    if (!ok) return std::nullopt;
    const int red = int(rgb >> 16) & 0xff, green = int(rgb >> 8) & 0xff, blue = int(rgb) & 0xff;
    return red | green << 8 | blue << 16;
}

QString FormatBgColorText(int colorValue)
{
    const int red = colorValue & 0xff, green = (colorValue >> 8) & 0xff,
              blue = (colorValue >> 16) & 0xff;
    return QStringLiteral("#%1%2%3")
        .arg(red, 2, 16, QLatin1Char('0'))
        .arg(green, 2, 16, QLatin1Char('0'))
        .arg(blue, 2, 16, QLatin1Char('0'))
        .toUpper();
}

}  // namespace glimmora
