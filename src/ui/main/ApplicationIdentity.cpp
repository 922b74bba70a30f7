#include "ui/main/ApplicationIdentity.h"

#include <QApplication>
#include <QEvent>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <array>

namespace kalvio {

QString DesktopFileName() {
    return QStringLiteral(KALVIO_APP_ID);
}

QIcon ApplicationIcon() {
    static const std::array sizes{16, 32, 48, 64, 128, 256};
    QIcon icon;
    for (const int size : sizes) {
        icon.addFile(QStringLiteral(":/icons/%1-%2.png").arg(DesktopFileName()).arg(size),
                     QSize(size, size));
    }
    return icon;
}

namespace {

// Gives the application its icon once the watched window has painted, then goes.
class TIconAfterFirstPaint : public QObject {
public:
    explicit TIconAfterFirstPaint(QWidget& window) : QObject(&window) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // After this paint has finished, not inside it.
            QTimer::singleShot(0, [] { QApplication::setWindowIcon(ApplicationIcon()); });
            deleteLater();
        }
        return false;
    }
};

} // namespace

void SetApplicationIconAfterFirstPaint(QWidget& window) {
    new TIconAfterFirstPaint(window);
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
