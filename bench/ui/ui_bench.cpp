// Key latency of the window: a keypad press and a typed character up to the changed field, and
// with real-time calculation on, a typed character up to the new result on the display. Runs
// headless (offscreen); every iteration paints what changed, as the next frame on screen would.
#include "ui/keypads/KeypadButton.h"
#include "ui/main/CalcResultViewerWidget.h"
#include "ui/main/ExpressionEdit.h"
#include "ui/main/MainWin.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct TBenchWindow {
    QTemporaryDir Folder;
    std::unique_ptr<kalvio::TMainForm> Window;
    kalvio::TExpressionEdit* Field = nullptr;
    kalvio::TCalcResultViewerWidget* Viewer = nullptr;

    explicit TBenchWindow(bool isRealTime) {
        Window = std::make_unique<kalvio::TMainForm>(
            std::filesystem::path(Folder.filePath("Kalvio.ini").toStdU16String()));
        Window->FormShow();
        Window->Calculator().AppData().IsRealTimeCalc = isRealTime;
        Window->Calculator().ApplySettings();
        Window->show();
        Field = Window->findChild<kalvio::TExpressionEdit*>("ExpressionEdit");
        Viewer = Window->findChild<kalvio::TCalcResultViewerWidget*>("CalcResultViewer");
        QApplication::processEvents();
    }

    void TypeCharacter(QChar c) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(Field, &press);
    }

    // Paints what the change marked dirty, as the next frame on screen would.
    void Repaint() {
        QApplication::sendPostedEvents();
        QApplication::processEvents();
    }
};

void BM_KeypadPress(benchmark::State& state) {
    TBenchWindow bench(false);
    auto* key = bench.Window->findChild<kalvio::TKeypadButton*>("Digit7Btn");
    for (auto _ : state) {
        key->click();
        bench.Repaint();
        if (bench.Field->text().size() > 200) {
            bench.Field->clear();
        }
    }
}
BENCHMARK(BM_KeypadPress)->Unit(benchmark::kMicrosecond);

void BM_TypedCharacter(benchmark::State& state) {
    TBenchWindow bench(false);
    for (auto _ : state) {
        bench.TypeCharacter(QLatin1Char('7'));
        bench.Repaint();
        if (bench.Field->text().size() > 200) {
            bench.Field->clear();
        }
    }
}
BENCHMARK(BM_TypedCharacter)->Unit(benchmark::kMicrosecond);

// From the keystroke to the repainted result of "sin(30)*2+1/3" in real-time mode.
void BM_RealTimeResultOnScreen(benchmark::State& state) {
    TBenchWindow bench(true);
    bench.Field->setText(QStringLiteral("sin(30)*2+1/3"));
    bool isLastDigitThree = true;
    for (auto _ : state) {
        isLastDigitThree = !isLastDigitThree;
        bench.Field->backspace();
        const QString before = bench.Viewer->ShownText();
        bench.TypeCharacter(isLastDigitThree ? QLatin1Char('3') : QLatin1Char('7'));
        while (bench.Viewer->ShownText() == before) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        bench.Repaint();
    }
}
BENCHMARK(BM_RealTimeResultOnScreen)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
