// Cost of one press of "計算" from the click to the painted window, on the offscreen
// platform, for a thin crescent (the drawing with the most lines), against painting the
// same lines with a bare QPainter on a bare widget of the same size.
//
//   build/bench/window_benchmark --benchmark_repetitions=9 --benchmark_report_aggregates_only
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/application_setup.h"
#include "app/form1.h"
#include "app/window_layout.h"

namespace {

// 2024-12-03 13:00 JST at Tokyo: a crescent of k = 0.037 with the Moon up, outline drawn.
const char* const kThinCrescent[] = {"2024", "12", "3", "13", "0", "0"};

app::Form1* theWindow = nullptr;

// A widget that paints a list of lines and nothing else, as plainly as the toolkit allows.
class BareLines : public QWidget {
  public:
    explicit BareLines(std::vector<app::PhaseLine> lines) : lines_(std::move(lines)) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        constexpr qreal toPixels = 1.0 / app::TWIPS_PER_PIXEL;
        for (const app::PhaseLine& line : lines_) {
            painter.setPen(QColor(line.colour.red, line.colour.green, line.colour.blue));
            painter.drawLine(QLineF(line.x1 * toPixels, line.y1 * toPixels, line.x2 * toPixels,
                                    line.y2 * toPixels));
        }
    }

  private:
    std::vector<app::PhaseLine> lines_;
};

void BM_PressCalculate(benchmark::State& state) {
    app::Form1& form = *theWindow;
    for (auto _ : state) {
        QTest::mouseClick(form.Command4, Qt::LeftButton);
        form.repaint();
    }
    state.counters["lines"] = static_cast<double>(form.clientArea()->lines().size());
}
BENCHMARK(BM_PressCalculate)->Unit(benchmark::kMicrosecond);

void BM_BareLines(benchmark::State& state) {
    BareLines bare(theWindow->clientArea()->lines());
    bare.resize(theWindow->size());
    bare.show();
    if (!QTest::qWaitForWindowExposed(&bare))
        state.SkipWithError("the bare widget was never shown");
    for (auto _ : state) bare.repaint();
    state.counters["lines"] = static_cast<double>(theWindow->clientArea()->lines().size());
}
BENCHMARK(BM_BareLines)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    app::prepareApplication();
    QTemporaryDir workDir;  // start-up reads the start file from the working directory
    QDir::setCurrent(workDir.path());
    auto form = std::make_unique<app::Form1>();
    for (int i = 0; i < 6; ++i) form->txtYMD[i]->setText(QString::fromLatin1(kThinCrescent[i]));
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) return 1;
    QTest::mouseClick(form->Command4, Qt::LeftButton);
    theWindow = form.get();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
