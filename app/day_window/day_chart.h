// The chart of the day: the Sun's and the Moon's altitude over the 24 hours of a day in
// Japan Standard Time, with the horizon, the twilight bands, the events and the instant
// shown; pointing at it picks a time of the day.
#pragma once

#include <QPixmap>
#include <QStringList>
#include <QWidget>
#include <optional>
#include <vector>

#include "astro/day_events.h"

namespace app {

class DayChart : public QWidget {
    Q_OBJECT
  public:
    explicit DayChart(QWidget* parent = nullptr);

    // Shows a day: the altitudes over it (the first sample at 00:00 JST, the last at 24:00)
    // and its events. No samples shows an empty chart.
    void setDay(std::vector<astro::AltitudeSample> samples, std::vector<astro::DayEvent> events);
    // Moves the line of the instant shown to `hourOfDay` (hours since 00:00 JST of the day),
    // or takes it away. Only the strips of the old and the new line are painted again.
    void setInstant(std::optional<double> hourOfDay);
    // Shows nothing: no curves, no events, no line.
    void clear();

    bool hasDay() const { return !samples_.empty(); }
    std::optional<double> instantHour() const { return instantHour_; }
    const std::vector<astro::DayEvent>& events() const { return events_; }
    // The texts the chart writes: the instant's tag, "HH:MM" to the nearest minute (empty
    // without a line), and each event's label, in the order of events().
    QString instantText() const;
    QStringList eventTexts() const;
    // The rectangle the curves are drawn in, and where an hour of the day stands across it
    // (logical pixels of the widget).
    QRectF plotArea() const;
    double xOfHour(double hour) const;
    // How many times the picture under the line was drawn anew (not for the line alone).
    int backgroundRenders() const { return backgroundRenders_; }
    // Where the last drawing put each event's label, in the order of events() (an empty
    // rectangle for a label left out), and the mark it labels; logical pixels.
    struct PlacedLabel {
        QRectF box;
        QPointF mark;
    };
    const std::vector<PlacedLabel>& placedLabels() const { return placedLabels_; }
    // The tag with the instant's time, above the plot, kept inside the widget.
    QRectF instantTag(double hourOfDay) const;
    // The rectangle of the instant's tag above the plot, for a time of the day.

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    // The user clicked, or dragged, at a time of the day: minutes since 00:00 JST, 0 to
    // 1439, rounded to the nearest minute.
    void timePointed(int minuteOfDay);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    // Everything but the line of the instant, drawn once into the cache: the sky, curves and
    // marks under the line, the labels and axes over it (a transparent layer), so that the
    // labels stay readable where the line passes.
    void renderBackground();
    void paintBackground(QPainter& painter) const;
    void paintCurves(QPainter& painter) const;
    // The marks into `painter`, under the line of the instant; their labels into `labels`,
    // over it.
    void paintEvents(QPainter& painter, QPainter& labels) const;
    void paintAxes(QPainter& painter) const;
    void paintLegend(QPainter& painter) const;
    void paintInstant(QPainter& painter) const;
    // The strip the line of the instant and its time label cover.
    QRect instantStrip(std::optional<double> hourOfDay) const;
    double yOfAltitude(double degrees) const;
    double hourOf(double julianDay) const;
    QString eventText(const astro::DayEvent& event) const;
    void point(double x);

    std::vector<astro::AltitudeSample> samples_;
    std::vector<astro::DayEvent> events_;
    std::optional<double> instantHour_;
    // The plot's rectangle, from the size and the font; measured once for each of them.
    mutable std::optional<QRectF> plotArea_;
    QPixmap background_;
    QPixmap overlay_;
    mutable std::vector<PlacedLabel> placedLabels_;
    bool backgroundValid_ = false;
    int backgroundRenders_ = 0;
    int lastPointedMinute_ = -1;
};

}  // namespace app
