#include "ui/main/ProgramEntry.h"

#include <QApplication>
#include <QLabel>

namespace kalvio {

int RunProgram(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QLabel placeholder(QStringLiteral("Kalvio"));
    placeholder.show();
    return QApplication::exec();
}

} // namespace kalvio
