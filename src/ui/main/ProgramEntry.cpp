#include "ui/main/ProgramEntry.h"

#include "state/SettingsPath.h"
#include "ui/main/ApplicationIdentity.h"
#include "ui/main/MainWin.h"
#include "ui/main/UiFont.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <exception>
#include <optional>

namespace kalvio {

namespace {

constexpr int UsageError = 2;

// --settings FILE, or else the user's settings file.
std::optional<std::filesystem::path> SettingsFileOf(const QCommandLineParser& parser) {
    std::optional<std::filesystem::path> overrideFile;
    if (parser.isSet(QStringLiteral("settings"))) {
        overrideFile =
            std::filesystem::path(parser.value(QStringLiteral("settings")).toStdU16String());
    }
    try {
        return SettingsPath(overrideFile);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "kalvio: %s\n", error.what());
        return std::nullopt;
    }
}

void DescribeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral("Kalvio, a scientific calculator."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({QStringLiteral("settings"),
                      QStringLiteral("Uses FILE instead of the user's settings file."),
                      QStringLiteral("FILE")});
}

// --help and --version are answered before Qt connects to a display, so they work without one
// (over ssh, in a package check). Qt's own options are unknown here; those go the full way.
std::optional<int> AnswerWithoutDisplay(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    QCommandLineParser parser;
    DescribeOptions(parser);
    if (!parser.parse(arguments)) {
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        const QCoreApplication application(argc, argv); // names the program in the usage line
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    return std::nullopt;
}

} // namespace

int RunProgram(int argc, char* argv[], const std::function<void(TMainForm&)>& onShown) {
    QCoreApplication::setApplicationName(QStringLiteral("Kalvio"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KALVIO_VERSION_STRING));
    if (const std::optional<int> status = AnswerWithoutDisplay(argc, argv)) {
        return *status;
    }
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(DesktopFileName());
    QApplication::setFont(UiFont(12));

    QCommandLineParser parser;
    DescribeOptions(parser);
    if (!parser.parse(QApplication::arguments())) {
        std::fprintf(stderr, "kalvio: %s\n", qPrintable(parser.errorText()));
        return UsageError;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        parser.showHelp(0);
    }
    if (parser.isSet(QStringLiteral("version"))) {
        parser.showVersion();
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "kalvio: unexpected argument %s\n",
                     qPrintable(parser.positionalArguments().constFirst()));
        return UsageError;
    }
    const std::optional<std::filesystem::path> settingsFile = SettingsFileOf(parser);
    if (!settingsFile) {
        return UsageError;
    }

    TMainForm mainForm(*settingsFile);
    SetApplicationIconAfterFirstPaint(mainForm);
    mainForm.FormShow();
    mainForm.show();
    if (onShown) {
        onShown(mainForm);
    }
    return QApplication::exec();
}

} // namespace kalvio
