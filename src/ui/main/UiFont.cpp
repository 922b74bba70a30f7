#include "ui/main/UiFont.h"

#include <QStringList>

namespace kalvio {

QFont UiFont(int pixelSize, bool isBold) {
    QFont font;
    font.setFamilies({QStringLiteral("Meiryo"), QStringLiteral("Noto Sans CJK JP"),
                      QStringLiteral("Noto Sans JP"), QStringLiteral("IPAexGothic"),
                      QStringLiteral("sans-serif")});
    font.setPixelSize(pixelSize);
    font.setBold(isBold);
    return font;
}

} // namespace kalvio
