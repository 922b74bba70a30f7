// The yardstick: a bare Qt window with one line edit and one label, measured like Kalvio.
#include "FirstPaint.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>
#include <cstring>

int main(int argc, char* argv[]) {
    const bool stay = argc > 1 && std::strcmp(argv[1], "--stay") == 0;
    QApplication application(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLineEdit(&window));
    layout->addWidget(new QLabel(QStringLiteral("0"), &window));
    window.resize(328, 424);
    TFirstPaintProbe probe(stay);
    window.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}
