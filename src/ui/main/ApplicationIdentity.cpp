#include "ui/main/ApplicationIdentity.h"

#include <QStringList>
#include <array>

namespace kalvio {

QString DesktopFileName() {
    return QStringLiteral(KALVIO_APP_ID);
}

QIcon ApplicationIcon() {
    // Window managers show the window icon small; the large sizes come from the icon theme.
    static const std::array sizes{16, 32, 48, 64};
    QIcon icon;
    for (const int size : sizes) {
        icon.addFile(QStringLiteral(":/icons/%1-%2.png").arg(DesktopFileName()).arg(size),
                     QSize(size, size));
    }
    return icon;
}

QString VersionCaption(QStringView version) {
    const QList<QStringView> parts = version.split(u'.');
    QString caption = QStringLiteral("Ver.") + parts.value(0).toString();
    if (parts.size() > 1) {
        caption += u'.' + parts[1].toString();
    }
    return caption;
}

QString VersionCaption() {
    return VersionCaption(QStringLiteral(KALVIO_VERSION_STRING));
}

} // namespace kalvio
