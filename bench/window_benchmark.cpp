// Cost of one press of "計算" from the click to the painted window, on the offscreen
// platform, for a thin crescent (the drawing with the most lines), against painting the
// same lines with a bare QPainter on a bare widget of the same size; and the same press with
// the window 一日の動き open, painted too: while only the time moves (the day window moves its
// line) and when every press brings another day (the day computed and drawn anew); and the
// window 月の暦's step to the next month by PageDown, computed and painted.
//
//   build/bench/window_benchmark --benchmark_repetitions=9 --benchmark_report_aggregates_only
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/controls/application_setup.h"
#include "app/day_window/day_chart.h"
#include "app/day_window/day_view_controller.h"
#include "app/day_window/day_window.h"
#include "app/main_window/form1.h"
#include "app/main_window/window_layout.h"
#include "app/month_window/month_view_controller.h"
#include "app/month_window/month_window.h"

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

// Presses 計算 with the day window open, the boxes alternating between two texts of box
// `box` each press, and paints both windows (the day window as the press left it to paint).
void pressWithDayWindow(benchmark::State& state, int box, const QString& a, const QString& b) {
    app::Form1& form = *theWindow;
    app::DayViewController& dayView = *app::dayViewOf(form);
    dayView.open();
    app::DayWindow& day = *dayView.window();
    if (!QTest::qWaitForWindowExposed(&day)) state.SkipWithError("the day window was never shown");
    const int computationsBefore = day.dayComputations();
    bool first = true;
    for (auto _ : state) {
        form.txtYMD[box]->setText(first ? a : b);
        first = !first;
        QTest::mouseClick(form.Command4, Qt::LeftButton);
        form.repaint();
        QApplication::processEvents();
    }
    state.counters["days computed"] =
        static_cast<double>(day.dayComputations() - computationsBefore);
    form.txtYMD[box]->setText(a);
    day.hide();
    QTest::mouseClick(form.Command4, Qt::LeftButton);
}

void BM_PressCalculateWithDayWindow(benchmark::State& state) {
    // 13:00 and 13:01 of the same day: the line moves, the day stays.
    pressWithDayWindow(state, 4, QStringLiteral("0"), QStringLiteral("1"));
}
BENCHMARK(BM_PressCalculateWithDayWindow)->Unit(benchmark::kMicrosecond);

void BM_PressCalculateWithDayWindowNewDay(benchmark::State& state) {
    // The 3rd and the 4th of December, both at 13:00: every press another day.
    pressWithDayWindow(state, 2, QStringLiteral("3"), QStringLiteral("4"));
}
BENCHMARK(BM_PressCalculateWithDayWindowNewDay)->Unit(benchmark::kMicrosecond);

// PageDown in the month window, from the key to the painted window: every press another
// month, computed and shown anew.
void BM_MonthWindowNextMonth(benchmark::State& state) {
    app::MonthViewController& monthView = *app::monthViewOf(*theWindow);
    monthView.open();
    app::MonthWindow& month = *monthView.window();
    if (!QTest::qWaitForWindowExposed(&month))
        state.SkipWithError("the month window was never shown");
    const int computationsBefore = month.monthComputations();
    for (auto _ : state) {
        QTest::keyClick(month.table(), Qt::Key_PageDown);
        month.repaint();
    }
    state.counters["months computed"] =
        static_cast<double>(month.monthComputations() - computationsBefore);
    month.hide();
}
BENCHMARK(BM_MonthWindowNextMonth)->Unit(benchmark::kMillisecond);

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
