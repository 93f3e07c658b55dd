#include "app/day_window/day_chart.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>

#include "app/core/day_summary.h"

namespace app {

namespace {

// The range of altitudes shown, degrees: the whole sky, so that every curve stays whole.
constexpr double LOWEST_ALTITUDE_DEG = -90.0;
constexpr double HIGHEST_ALTITUDE_DEG = 90.0;
constexpr double HOURS_PER_DAY = 24.0;
// Altitude grid lines, and hour labels (every hour has a tick).
constexpr double ALTITUDE_GRID_DEG = 30.0;
constexpr int HOURS_PER_LABEL = 3;

// One scheme, the same by day and by night: a pale sky above the horizon darkening through
// the three twilight bands to the night, curves drawn with a dark edge round a light core
// so that each stands out on the pale and on the dark part alike, and labels on a white
// ground. The widget's ground and its text are its palette's window and window text: the
// day window's own colours.
// The sky above the horizon and the bands below it: civil (0 to -6°), nautical (to -12°),
// astronomical (to -18°), night.
struct Band {
    double top;
    double bottom;
    QColor colour;
};
const std::array<Band, 5> BANDS = {{
    {HIGHEST_ALTITUDE_DEG, 0.0, QColor(0xe4, 0xef, 0xfb)},
    {0.0, -6.0, QColor(0xb8, 0xcb, 0xe6)},
    {-6.0, -12.0, QColor(0x8b, 0xa4, 0xcd)},
    {-12.0, -18.0, QColor(0x62, 0x7e, 0xb1)},
    {-18.0, LOWEST_ALTITUDE_DEG, QColor(0x3b, 0x52, 0x82)},
}};
const QColor GRID(0x7f, 0x8c, 0x9d, 110);
const QColor SUN_CORE(0xff, 0xa0, 0x1c);
const QColor SUN_EDGE(0x7a, 0x35, 0x00);
const QColor MOON_CORE(0xee, 0xf1, 0xf6);
const QColor MOON_EDGE(0x2d, 0x3a, 0x55);
const QColor INSTANT(0xd6, 0x28, 0x39);
const QColor LABEL_GROUND(255, 255, 255, 225);

constexpr qreal CURVE_CORE_WIDTH = 2.0;
constexpr qreal CURVE_EDGE_WIDTH = 4.5;
constexpr qreal MARK_RADIUS = 3.5;
constexpr qreal TICK_LENGTH = 4.0;
constexpr qreal LABEL_PADDING = 3.0;

bool isTwilight(astro::DayEventKind kind) {
    using K = astro::DayEventKind;
    return kind == K::CivilDawn || kind == K::CivilDusk || kind == K::NauticalDawn ||
           kind == K::NauticalDusk || kind == K::AstronomicalDawn || kind == K::AstronomicalDusk;
}

// The font of the labels: the widget's face, a little smaller.
QFont labelFont(const QFont& base) {
    QFont font = base;
    font.setPointSizeF(std::max(7.0, base.pointSizeF() - 1.0));
    return font;
}

// A text on a white ground with a thin edge, at `box`.
void drawTag(QPainter& painter, const QRectF& box, const QString& text, const QColor& ink,
             const QColor& edge) {
    painter.setPen(QPen(edge, 1.0));
    painter.setBrush(LABEL_GROUND);
    painter.drawRoundedRect(box, 3.0, 3.0);
    painter.setPen(ink);
    painter.drawText(box, Qt::AlignCenter, text);
}

// The distance from a point to the nearest point of a rectangle, 0 inside it.
qreal distanceTo(const QRectF& box, const QPointF& point) {
    const QPointF nearest(std::clamp(point.x(), box.left(), box.right()),
                          std::clamp(point.y(), box.top(), box.bottom()));
    return QLineF(point, nearest).length();
}

// The margins round the plot, from the labels' font: the altitude labels on the left, the
// instant's tag above, the hour labels and the legend below.
struct Margins {
    qreal left;
    qreal top;
    qreal right;
    qreal bottom;
};

Margins marginsFor(const QFont& font) {
    const QFontMetricsF metrics(labelFont(font));
    const qreal line = metrics.height();
    return {metrics.horizontalAdvance(QStringLiteral("-90°")) + 2 * TICK_LENGTH + 4,
            line + 2 * LABEL_PADDING + 4, metrics.horizontalAdvance(QStringLiteral("24")) / 2 + 8,
            TICK_LENGTH + line + 6 + line + 2 * LABEL_PADDING + 4};
}

}  // namespace

DayChart::DayChart(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(QStringLiteral("一日の高度の図"));
    setToolTip(QStringLiteral(
        "太陽と月の高度（度）と日本標準時。クリックまたはドラッグした時刻で計算します。"));
}

QSize DayChart::sizeHint() const {
    return {720, 340};
}

QSize DayChart::minimumSizeHint() const {
    return {420, 220};
}

void DayChart::setDay(std::vector<astro::AltitudeSample> samples,
                      std::vector<astro::DayEvent> events) {
    samples_ = std::move(samples);
    events_ = std::move(events);
    backgroundValid_ = false;
    update();
}

void DayChart::setInstant(std::optional<double> hourOfDay) {
    if (hourOfDay == instantHour_) return;
    const QRect before = instantStrip(instantHour_);
    instantHour_ = hourOfDay;
    update(before.united(instantStrip(instantHour_)));
}

void DayChart::clear() {
    samples_.clear();
    events_.clear();
    instantHour_.reset();
    backgroundValid_ = false;
    update();
}

QRectF DayChart::plotArea() const {
    if (!plotArea_) {
        const Margins m = marginsFor(font());
        plotArea_ = QRectF(m.left, m.top, std::max(1.0, width() - m.left - m.right),
                           std::max(1.0, height() - m.top - m.bottom));
    }
    return *plotArea_;
}

double DayChart::xOfHour(double hour) const {
    const QRectF plot = plotArea();
    return plot.left() + plot.width() * hour / HOURS_PER_DAY;
}

double DayChart::yOfAltitude(double degrees) const {
    const QRectF plot = plotArea();
    return plot.top() + plot.height() * (HIGHEST_ALTITUDE_DEG - degrees) /
                            (HIGHEST_ALTITUDE_DEG - LOWEST_ALTITUDE_DEG);
}

double DayChart::hourOf(double julianDay) const {
    return (julianDay - samples_.front().julianDay) * HOURS_PER_DAY;
}

QString DayChart::instantText() const {
    if (!instantHour_) return {};
    const int minute =
        static_cast<int>(std::clamp(std::floor(*instantHour_ * 60 + 0.5), 0.0, 24.0 * 60));
    return QString::fromStdString(clockText(minute));
}

// Given one of the day's events; returns its label, the clock time the rows give it.
QString DayChart::eventText(const astro::DayEvent& event) const {
    return QString::fromStdString(clockText(shownMinute(event)));
}

QStringList DayChart::eventTexts() const {
    QStringList texts;
    if (!hasDay()) return texts;
    for (const astro::DayEvent& event : events_) texts << eventText(event);
    return texts;
}

QRectF DayChart::instantTag(double hourOfDay) const {
    const QFontMetricsF metrics(labelFont(font()));
    const qreal w = metrics.horizontalAdvance(QStringLiteral("00:00")) + 2 * LABEL_PADDING + 2;
    const qreal h = metrics.height() + 2;
    const qreal left = std::clamp(xOfHour(hourOfDay) - w / 2, 0.0, std::max(0.0, width() - w));
    return QRectF(left, plotArea().top() - h - 2, w, h);
}

QRect DayChart::instantStrip(std::optional<double> hourOfDay) const {
    if (!hourOfDay) return {};
    const qreal x = xOfHour(*hourOfDay);
    const QRectF line(x - 2, 0, 4, height());
    return line.united(instantTag(*hourOfDay)).toAlignedRect().adjusted(-1, -1, 1, 1);
}

void DayChart::resizeEvent(QResizeEvent* event) {
    backgroundValid_ = false;
    plotArea_.reset();
    QWidget::resizeEvent(event);
}

void DayChart::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) {
        backgroundValid_ = false;
        plotArea_.reset();
        update();
    }
    QWidget::changeEvent(event);
}

void DayChart::paintEvent(QPaintEvent* event) {
    const qreal ratio = devicePixelRatioF();
    if (!backgroundValid_ || background_.devicePixelRatio() != ratio ||
        background_.size() != (QSizeF(size()) * ratio).toSize()) {
        renderBackground();
    }
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawPixmap(0, 0, background_);
    paintInstant(painter);
    painter.drawPixmap(0, 0, overlay_);
}

void DayChart::renderBackground() {
    const qreal ratio = devicePixelRatioF();
    background_ = QPixmap((QSizeF(size()) * ratio).toSize());
    background_.setDevicePixelRatio(ratio);
    background_.fill(palette().color(QPalette::Window));
    overlay_ = QPixmap(background_.size());
    overlay_.setDevicePixelRatio(ratio);
    overlay_.fill(Qt::transparent);
    QPainter under(&background_);
    under.setRenderHint(QPainter::Antialiasing);
    QPainter over(&overlay_);
    over.setRenderHint(QPainter::Antialiasing);
    paintBackground(under);
    placedLabels_.clear();
    if (hasDay()) {
        paintCurves(under);
        paintEvents(under, over);
    }
    paintAxes(over);
    paintLegend(under);
    backgroundValid_ = true;
    ++backgroundRenders_;
}

void DayChart::paintBackground(QPainter& painter) const {
    const QRectF plot = plotArea();
    painter.setPen(Qt::NoPen);
    for (const Band& band : BANDS) {
        painter.setBrush(band.colour);
        painter.drawRect(QRectF(QPointF(plot.left(), yOfAltitude(band.top)),
                                QPointF(plot.right(), yOfAltitude(band.bottom))));
    }
    painter.setPen(QPen(GRID, 1.0));
    for (double a = LOWEST_ALTITUDE_DEG + ALTITUDE_GRID_DEG; a < HIGHEST_ALTITUDE_DEG;
         a += ALTITUDE_GRID_DEG) {
        if (a == 0.0) continue;
        painter.drawLine(QPointF(plot.left(), yOfAltitude(a)),
                         QPointF(plot.right(), yOfAltitude(a)));
    }
    for (int hour = HOURS_PER_LABEL; hour < 24; hour += HOURS_PER_LABEL) {
        painter.drawLine(QPointF(xOfHour(hour), plot.top()), QPointF(xOfHour(hour), plot.bottom()));
    }
    // The horizon.
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1.5));
    painter.drawLine(QPointF(plot.left(), yOfAltitude(0.0)),
                     QPointF(plot.right(), yOfAltitude(0.0)));
}

void DayChart::paintCurves(QPainter& painter) const {
    painter.save();
    painter.setClipRect(plotArea());
    painter.setBrush(Qt::NoBrush);
    auto curve = [&](auto altitude) {
        QPainterPath path;
        for (std::size_t i = 0; i < samples_.size(); ++i) {
            const QPointF p(xOfHour(hourOf(samples_[i].julianDay)),
                            yOfAltitude(altitude(samples_[i])));
            if (i == 0) {
                path.moveTo(p);
            } else {
                path.lineTo(p);
            }
        }
        return path;
    };
    const QPainterPath moon = curve([](const astro::AltitudeSample& s) { return s.moonAltitude; });
    const QPainterPath sun = curve([](const astro::AltitudeSample& s) { return s.sunAltitude; });
    for (const auto& [path, edge, core] :
         {std::tuple{moon, MOON_EDGE, MOON_CORE}, std::tuple{sun, SUN_EDGE, SUN_CORE}}) {
        painter.setPen(QPen(edge, CURVE_EDGE_WIDTH, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(path);
        painter.setPen(QPen(core, CURVE_CORE_WIDTH, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(path);
    }
    painter.restore();
}

void DayChart::paintEvents(QPainter& painter, QPainter& labels) const {
    const QRectF plot = plotArea();
    const QFont font = labelFont(this->font());
    const QFontMetricsF metrics(font);
    labels.setFont(font);

    // Every mark first, so that no tag is covered by a later mark.
    std::vector<QPointF> anchors;
    for (const astro::DayEvent& event : events_) {
        const QPointF p(xOfHour(hourOf(event.julianDay)), yOfAltitude(event.altitude));
        anchors.push_back(p);
        const bool sun = event.body == astro::Body::Sun;
        painter.setPen(QPen(sun ? SUN_EDGE : MOON_EDGE, 1.2));
        painter.setBrush(sun ? SUN_CORE : MOON_CORE);
        if (isTwilight(event.kind)) {
            const qreal r = MARK_RADIUS - 0.5;
            painter.drawPolygon(QPolygonF(
                {p + QPointF(0, -r), p + QPointF(r, 0), p + QPointF(0, r), p + QPointF(-r, 0)}));
        } else {
            painter.drawEllipse(p, MARK_RADIUS, MARK_RADIUS);
        }
    }

    // Each tag beside its mark, at the first place that stays in the plot and clear of the
    // tags already placed and of the other marks; rows further away when all are taken.
    std::vector<QRectF> placed;
    const qreal tagHeight = metrics.height() + 2;
    for (std::size_t i = 0; i < events_.size(); ++i) {
        const astro::DayEvent& event = events_[i];
        const QString text = eventText(event);
        const qreal tagWidth = metrics.horizontalAdvance(text) + 2 * LABEL_PADDING;
        const QPointF p = anchors[i];
        std::vector<QRectF> candidates;
        for (int row = 0; row < 6; ++row) {
            const qreal up = p.y() - MARK_RADIUS - 2 - tagHeight - row * (tagHeight + 1);
            const qreal down = p.y() + MARK_RADIUS + 2 + row * (tagHeight + 1);
            const qreal right = p.x() + 2;
            const qreal left = p.x() - 2 - tagWidth;
            for (const qreal y : {up, down}) {
                for (const qreal x : {right, left}) {
                    candidates.emplace_back(x, y, tagWidth, tagHeight);
                }
            }
        }
        // Nearer its own mark than any mark of the other body, so that it is read as its own.
        auto ownNearest = [&](const QRectF& box) {
            const qreal own = distanceTo(box, p);
            for (std::size_t j = 0; j < anchors.size(); ++j) {
                if (events_[j].body != event.body && distanceTo(box, anchors[j]) <= own) {
                    return false;
                }
            }
            return true;
        };
        auto fits = [&](const QRectF& box) {
            if (!plot.contains(box) || !ownNearest(box)) return false;
            for (const QRectF& other : placed) {
                if (other.adjusted(-1, -1, 1, 1).intersects(box)) return false;
            }
            for (std::size_t j = 0; j < anchors.size(); ++j) {
                if (j != i && box.adjusted(-MARK_RADIUS, -MARK_RADIUS, MARK_RADIUS, MARK_RADIUS)
                                  .contains(anchors[j])) {
                    return false;
                }
            }
            return true;
        };
        auto chosen = std::find_if(candidates.begin(), candidates.end(), fits);
        if (chosen == candidates.end()) {
            chosen = std::find_if(candidates.begin(), candidates.end(), [&](const QRectF& box) {
                return plot.contains(box) && ownNearest(box);
            });
        }
        if (chosen == candidates.end()) {
            chosen = std::find_if(candidates.begin(), candidates.end(),
                                  [&](const QRectF& box) { return plot.contains(box); });
        }
        if (chosen == candidates.end()) {
            placedLabels_.push_back({QRectF(), p});
            continue;
        }
        placed.push_back(*chosen);
        placedLabels_.push_back({*chosen, p});
        const bool sun = event.body == astro::Body::Sun;
        // A thin line from the mark to a tag that had to stand further off.
        const QPointF nearest(std::clamp(p.x(), chosen->left(), chosen->right()),
                              std::clamp(p.y(), chosen->top(), chosen->bottom()));
        if (QLineF(p, nearest).length() > MARK_RADIUS + 4) {
            painter.setPen(QPen(sun ? SUN_EDGE : MOON_EDGE, 0.8));
            painter.drawLine(p, nearest);
        }
        drawTag(labels, *chosen, text, sun ? SUN_EDGE : MOON_EDGE, sun ? SUN_CORE : MOON_EDGE);
    }
}

void DayChart::paintAxes(QPainter& painter) const {
    const QRectF plot = plotArea();
    const QFont font = labelFont(this->font());
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1.0));
    painter.drawRect(plot);
    for (double a = LOWEST_ALTITUDE_DEG; a <= HIGHEST_ALTITUDE_DEG; a += ALTITUDE_GRID_DEG) {
        const qreal y = yOfAltitude(a);
        painter.drawLine(QPointF(plot.left() - TICK_LENGTH, y), QPointF(plot.left(), y));
        const QRectF box(0, y - metrics.height() / 2, plot.left() - TICK_LENGTH - 3,
                         metrics.height());
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(static_cast<int>(a)) + QStringLiteral("°"));
    }
    for (int hour = 0; hour <= 24; ++hour) {
        const qreal x = xOfHour(hour);
        const qreal length = hour % HOURS_PER_LABEL == 0 ? TICK_LENGTH + 2 : TICK_LENGTH;
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + length));
        if (hour % HOURS_PER_LABEL != 0) continue;
        const QString text = QString::number(hour);
        const qreal w = metrics.horizontalAdvance(text) + 4;
        painter.drawText(QRectF(x - w / 2, plot.bottom() + TICK_LENGTH + 3, w, metrics.height()),
                         Qt::AlignCenter, text);
    }
}

void DayChart::paintLegend(QPainter& painter) const {
    const QRectF plot = plotArea();
    const QFont font = labelFont(this->font());
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    const qreal line = metrics.height();
    const qreal y = plot.bottom() + TICK_LENGTH + 3 + line + 6;
    const qreal mid = y + line / 2;
    qreal x = plot.left();
    auto text = [&](const QString& t) {
        painter.setPen(palette().color(QPalette::WindowText));
        const qreal w = metrics.horizontalAdvance(t);
        painter.drawText(QRectF(x, y, w + 1, line), Qt::AlignLeft | Qt::AlignVCenter, t);
        x += w + 14;
    };
    auto stroke = [&](const QColor& edge, const QColor& core) {
        for (const auto& [colour, width] :
             {std::pair{edge, CURVE_EDGE_WIDTH}, std::pair{core, CURVE_CORE_WIDTH}}) {
            painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(QPointF(x + 2, mid), QPointF(x + 20, mid));
        }
        x += 26;
    };
    stroke(SUN_EDGE, SUN_CORE);
    text(QStringLiteral("太陽"));
    stroke(MOON_EDGE, MOON_CORE);
    text(QStringLiteral("月"));
    painter.setPen(QPen(palette().color(QPalette::WindowText), 0.8));
    for (std::size_t i = 1; i < 4; ++i) {
        painter.setBrush(BANDS[i].colour);
        painter.drawRect(QRectF(x, mid - 5, 10, 10));
        x += 11;
    }
    x += 4;
    text(QStringLiteral("薄明（市民・航海・天文）"));
    painter.setPen(QPen(INSTANT, 2.0));
    painter.drawLine(QPointF(x + 6, y + 1), QPointF(x + 6, y + line - 1));
    x += 14;
    text(QStringLiteral("計算した時刻"));
    // The axes' units at the right, where there is room for them.
    const QString units = QStringLiteral("時刻は日本標準時");
    const qreal w = metrics.horizontalAdvance(units);
    if (x + w <= plot.right()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRectF(plot.right() - w, y, w + 1, line),
                         Qt::AlignRight | Qt::AlignVCenter, units);
    }
}

void DayChart::paintInstant(QPainter& painter) const {
    if (!instantHour_) return;
    const QRectF plot = plotArea();
    const qreal x = xOfHour(*instantHour_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(INSTANT, 2.0));
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    painter.setFont(labelFont(font()));
    const QString text = instantText();
    const QRectF tag = instantTag(*instantHour_);
    painter.setPen(Qt::NoPen);
    painter.setBrush(INSTANT);
    painter.drawRoundedRect(tag, 3.0, 3.0);
    painter.setPen(Qt::white);
    painter.drawText(tag, Qt::AlignCenter, text);
}

void DayChart::point(double x) {
    if (!hasDay()) return;
    const QRectF plot = plotArea();
    const double hour = (x - plot.left()) / plot.width() * HOURS_PER_DAY;
    const int minute =
        static_cast<int>(std::clamp(std::floor(hour * 60 + 0.5), 0.0, 24.0 * 60 - 1));
    if (minute == lastPointedMinute_) return;
    lastPointedMinute_ = minute;
    emit timePointed(minute);
}

void DayChart::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    lastPointedMinute_ = -1;
    point(event->position().x());
}

void DayChart::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    point(event->position().x());
}

}  // namespace app
