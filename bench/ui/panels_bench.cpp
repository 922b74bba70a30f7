// A long history with its panel open: recording one calculation up to the repainted panel, and
// scrolling the panel by a page, with 10,000 entries kept. Runs headless (offscreen).
#include "ui/main/ExpressionEdit.h"
#include "ui/main/MainWin.h"
#include "ui/panels/HistoryListFrm.h"
#include "ui/panels/HistoryListWin.h"
#include "ui/panels/PanelListView.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int HistoryLimit = 10000;

// Counts the list's paints, so that a figure never comes from a repaint that drew nothing.
class TPaintCounter : public QObject {
public:
    int Paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++Paints;
        }
        return QObject::eventFilter(watched, event);
    }
};

struct TBenchHistory {
    QTemporaryDir Folder;
    std::unique_ptr<kalvio::TMainForm> Window;
    kalvio::THistoryListForm* Panel = nullptr;
    kalvio::TPanelListView* List = nullptr;
    TPaintCounter Counter;

    TBenchHistory() {
        Window = std::make_unique<kalvio::TMainForm>(
            std::filesystem::path(Folder.filePath("Kalvio.ini").toStdU16String()));
        Window->FormShow();
        kalvio::TCalculator& calculator = Window->Calculator();
        calculator.AppData().HistoryCount = HistoryLimit;
        calculator.ApplyHistoryLimit();
        Window->show();
        for (int i = 0; i < HistoryLimit; ++i) {
            kalvio::TExpressionHistory entry;
            entry.ExpressionText = QStringLiteral("%1*3+sin(%1)").arg(i).toStdU16String();
            entry.Value = i * 3.0 + 0.5;
            calculator.ExpressionHistorys().push_back(std::move(entry));
        }
        Window->Action("HistoryListFormAction")->trigger();
        Panel = &Window->PanelWindows().HistoryListForm();
        List = &Panel->HistoryListFrame().ListBox();
        List->viewport()->installEventFilter(&Counter);
        QApplication::processEvents();
    }
};

void BM_RecordWithOpenHistoryPanel(benchmark::State& state) {
    TBenchHistory bench;
    auto& field = *bench.Window->findChild<kalvio::TExpressionEdit*>("ExpressionEdit");
    int operand = 0;
    for (auto _ : state) {
        field.setText(QStringLiteral("%1*3+sin(%1)").arg(++operand));
        bench.Window->Calculator().Calculate(true);
        bench.Panel->repaint();
    }
    state.counters["entries"] =
        static_cast<double>(bench.Window->Calculator().ExpressionHistorys().size());
    state.counters["paints"] =
        benchmark::Counter(bench.Counter.Paints, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_RecordWithOpenHistoryPanel)->Unit(benchmark::kMicrosecond);

void BM_ScrollHistoryPanelByAPage(benchmark::State& state) {
    TBenchHistory bench;
    QScrollBar& bar = *bench.List->verticalScrollBar();
    for (auto _ : state) {
        const int next = bar.value() + bar.pageStep();
        bar.setValue(next > bar.maximum() ? 0 : next);
        bench.List->viewport()->repaint();
    }
    state.counters["paints"] =
        benchmark::Counter(bench.Counter.Paints, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ScrollHistoryPanelByAPage)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
