// The window against its layout: places and sizes in twips, fonts, alignment, captions,
// tab order, the colours of both schemes, and what its pixels show.
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QScrollArea>
#include <cmath>
#include <set>

#include "app/controls/caption_label.h"
#include "app/controls/fitting_text_box.h"
#include "app/core/city_table.h"
#include "app/core/moon_drawing.h"
#include "app/main_window/window_layout.h"
#include "tests/app/window_fixture.h"

namespace {

using Layout = WindowTest;

QWidget* control(app::Form1& f, std::string_view name) {
    return f.clientArea()->findChild<QWidget*>(QString::fromUtf8(name.data(), name.size()));
}

QRect twipsToPixels(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

TEST_F(Layout, EveryControlStandsWhereTheTableSays) {
    open();
    for (const app::ControlSpec& entry : app::CONTROL_SPECS) {
        QWidget* w = control(form(), entry.name);
        ASSERT_NE(w, nullptr) << entry.name;
        EXPECT_EQ(w->geometry(), twipsToPixels(entry.left, entry.top, entry.width, entry.height))
            << entry.name;
        // A text box keeps the layout's size as its own and draws a text too wide for it
        // scaled down (text_box_test.cpp).
        const auto* box = qobject_cast<app::FittingTextBox*>(w);
        const QFont font = box != nullptr ? box->layoutFont() : w->font();
        EXPECT_DOUBLE_EQ(font.pointSizeF(), entry.pointSize) << entry.name;
        EXPECT_EQ(font.weight(), QFont::Normal) << entry.name;
        EXPECT_EQ(entry.kind == app::ControlKind::TextBox, box != nullptr) << entry.name;
    }
    // Spot checks typed from the layout, against transcription slips in the table itself.
    EXPECT_EQ(form().Label15[1]->geometry(), twipsToPixels(5280, 5400, 1695, 495));
    EXPECT_EQ(form().Label15[0]->geometry(), twipsToPixels(2880, 5280, 1695, 495));
    EXPECT_EQ(form().Command1->geometry(), twipsToPixels(1200, 9720, 975, 615));
    EXPECT_EQ(form().lstCITY->geometry(), twipsToPixels(8520, 480, 1455, 990));
    EXPECT_EQ(form().Label24->geometry(), twipsToPixels(10080, 5880, 1215, 495));
    EXPECT_EQ(form().txtKEIDO->geometry(), twipsToPixels(8880, 3360, 1215, 450));
    EXPECT_DOUBLE_EQ(static_cast<app::FittingTextBox*>(form().txtYMD[0])->layoutFont().pointSizeF(),
                     14.25);
    EXPECT_DOUBLE_EQ(form().Label19->font().pointSizeF(), 20.25);
    EXPECT_DOUBLE_EQ(form().Label30->font().pointSizeF(), 15.75);
}

TEST_F(Layout, CaptionsAndAlignment) {
    open();
    const std::pair<QLabel*, const char*> fixed[] = {
        {form().Label18, "太陽・月の赤径・赤緯と高度・方位"},
        {form().Label2, "年"},
        {form().Label3, "月"},
        {form().Label4, "日"},
        {form().Label5, "時"},
        {form().Label6, "分"},
        {form().Label17, "秒"},
        {form().Label1, "緯度"},
        {form().Label7, "経度"},
        {form().Label19, "太陽"},
        {form().Label20, "月"},
        {form().Label8, "赤径"},
        {form().Label9, "赤緯"},
        {form().Label31, "均時差"},
        {form().Label13, "高度"},
        {form().Label14, "方位"},
    };
    for (const auto& [label, caption] : fixed) EXPECT_EQ(label->text(), QString::fromUtf8(caption));
    EXPECT_EQ(form().Command3->text(), "場所の決定");
    EXPECT_EQ(form().Command4->text(), "計算");
    EXPECT_EQ(form().Command1->text(), "終了");
    EXPECT_EQ(form().windowTitle(), "赤径赤緯");

    for (QLabel* label : {form().Label18, form().Label2, form().Label1, form().Label22,
                          form().Label30, form().Label24}) {
        EXPECT_TRUE(label->alignment() & Qt::AlignLeft) << label->objectName().toStdString();
    }
    for (QLabel* label : {form().Label10, form().Label19, form().Label8, form().Label11[0],
                          form().Label11[1], form().Label32, form().Label21, form().Label23}) {
        EXPECT_TRUE(label->alignment() & Qt::AlignRight) << label->objectName().toStdString();
    }
    for (QLineEdit* box : form().txtYMD) EXPECT_TRUE(box->alignment() & Qt::AlignRight);
    EXPECT_TRUE(form().txtIDO->alignment() & Qt::AlignRight);
    EXPECT_TRUE(form().txtKEIDO->alignment() & Qt::AlignRight);
}

TEST_F(Layout, LabelsTakeNoFocusAndTabFollowsTheTable) {
    open();
    EXPECT_EQ(form().labels().size(), 31u);
    for (QLabel* label : form().labels()) EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
    const std::vector<QWidget*> expected = {form().txtYMD[0], form().txtYMD[1], form().txtYMD[2],
                                            form().txtYMD[3], form().txtYMD[4], form().lstCITY,
                                            form().Command1,  form().txtIDO,    form().txtKEIDO,
                                            form().Command3,  form().txtYMD[5], form().Command4};
    const std::set<QWidget*> focusable(expected.begin(), expected.end());
    std::vector<QWidget*> order;
    QWidget* w = expected.front();
    do {
        if (focusable.count(w)) order.push_back(w);
        w = w->nextInFocusChain();
    } while (w != expected.front() && order.size() < expected.size());
    EXPECT_EQ(order, expected);
}

TEST_F(Layout, TheWindowShowsEveryControlAndTheDisc) {
    open();
    const QRect client = form().clientArea()->rect();
    EXPECT_GE(client.width() * 15, 11295);
    EXPECT_GE(client.height() * 15, 10335);
    EXPECT_GE(client.width() * 15, 10500);
    EXPECT_GE(client.height() * 15, 9000);
    for (const app::ControlSpec& entry : app::CONTROL_SPECS) {
        EXPECT_TRUE(client.contains(control(form(), entry.name)->geometry())) << entry.name;
    }
}

TEST_F(Layout, ResizingKeepsEverythingReachable) {
    open();
    form().resize(400, 300);
    QApplication::processEvents();
    auto* scroll = form().findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    // The client area keeps its size and scrolls; nothing is squeezed or hidden for good.
    EXPECT_GE(form().clientArea()->width() * 15, 11295);
    scroll->ensureWidgetVisible(form().Command1);
    scroll->ensureWidgetVisible(form().Label24);
    form().resize(1200, 900);
    QApplication::processEvents();
    calculate();
    EXPECT_FALSE(form().Label11[0]->text().isEmpty());
}

// The face the controls actually use, and that it holds every glyph of their captions.
TEST_F(Layout, ControlsUseAJapaneseGothicWithEveryGlyph) {
    open();
    const std::set<QString> acceptable = {QString::fromUtf8(app::CONTROL_FONT_FAMILY.data()),
                                          QString::fromUtf8(app::CONTROL_FONT_STAND_IN.data())};
    for (const app::ControlSpec& entry : app::CONTROL_SPECS) {
        QWidget* w = control(form(), entry.name);
        const QString family = QFontInfo(w->font()).family();
        EXPECT_TRUE(acceptable.count(family)) << entry.name << ": " << family.toStdString();
    }
    QStringList texts = {"0123456789.-()+ ：分秒", "月の位相", "輝面率 ： ", "天頂方向角 ： "};
    for (const app::City& city : app::cityTable())
        texts << QString::fromUtf8(city.name.data(), city.name.size());
    for (const app::ControlSpec& entry : app::CONTROL_SPECS)
        texts << QString::fromUtf8(entry.caption.data(), entry.caption.size());
    const QFontMetrics metrics(form().Label18->font());
    for (const QString& text : texts) {
        for (const uint ch : text.toUcs4()) {
            EXPECT_TRUE(metrics.inFontUcs4(ch))
                << QString::fromUcs4(reinterpret_cast<const char32_t*>(&ch), 1).toStdString();
        }
    }
}

// The columns and rows of a label's image where ink differs from the background.
QRect inkOf(QLabel* label) {
    const QImage image = label->grab().toImage();
    const QColor background = label->palette().color(QPalette::Window);
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != background) ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

// The widest text each label shows is drawn whole: its ink keeps clear of the edges a
// clipped caption would run into, and it is shrunk, where at all, only a little.
TEST_F(Layout, NoCaptionIsClipped) {
    open();
    QString longestPlace;
    const QFontMetrics placeMetrics(form().Label10->font());
    for (const app::City& city : app::cityTable()) {
        const QString name = QString::fromUtf8(city.name.data(), city.name.size());
        if (placeMetrics.horizontalAdvance(name) > placeMetrics.horizontalAdvance(longestPlace)) {
            longestPlace = name;
        }
    }
    std::vector<std::pair<QLabel*, QString>> widest = {
        {form().Label10, longestPlace}, {form().Label11[0], "-23.44"},
        {form().Label12[1], "-28.72"},  {form().Label15[0], "-89.99"},
        {form().Label16[1], "359.99"},  {form().Label32, "- 16分 33秒"},
        {form().Label22, "月の位相"},   {form().Label21, "輝面率 ： "},
        {form().Label30, "0.000(+)"},   {form().Label23, "天頂方向角 ： "},
        {form().Label24, "359.9"},
    };
    for (QLabel* label : form().labels()) {
        if (!label->text().isEmpty()) widest.emplace_back(label, label->text());
    }
    for (const auto& [label, text] : widest) {
        label->setText(text);
        const std::string context = label->objectName().toStdString() + " " + text.toStdString();
        const QRect ink = inkOf(label);
        ASSERT_FALSE(ink.isEmpty()) << context;
        if (label->alignment() & Qt::AlignRight) {
            EXPECT_GT(ink.left(), 0) << context;
        } else {
            EXPECT_LT(ink.right(), label->width() - 1) << context;
        }
        EXPECT_LT(ink.bottom(), label->height() - 1) << context;
        EXPECT_GE(static_cast<app::CaptionLabel*>(label)->captionScale(), 0.9) << context;
    }
    for (QPushButton* button : {form().Command1, form().Command3, form().Command4}) {
        const QFontMetrics metrics(button->font());
        EXPECT_LE(metrics.horizontalAdvance(button->text()) + 8, button->width());
        EXPECT_LE(metrics.height(), button->height());
    }
}

using Colours = WindowTest;

QColor colourOf(QWidget* w, QPalette::ColorRole role) {
    return w->palette().color(role);
}

void expectScheme(app::Form1& f, QColor background, QColor title) {
    EXPECT_EQ(colourOf(f.clientArea(), QPalette::Window), background);
    for (QLabel* label : f.labels()) {
        EXPECT_EQ(colourOf(label, QPalette::Window), background)
            << label->objectName().toStdString();
        EXPECT_TRUE(label->autoFillBackground());
    }
    EXPECT_EQ(colourOf(f.Label18, QPalette::WindowText), title);
    for (QPushButton* b : {f.Command1, f.Command3, f.Command4}) {
        EXPECT_EQ(colourOf(b, QPalette::Button), QColor(68, 246, 255));
    }
    for (QWidget* input : {static_cast<QWidget*>(f.txtIDO), static_cast<QWidget*>(f.txtKEIDO),
                           static_cast<QWidget*>(f.lstCITY), static_cast<QWidget*>(f.txtYMD[0]),
                           static_cast<QWidget*>(f.txtYMD[5])}) {
        EXPECT_EQ(colourOf(input, QPalette::Base), QColor(190, 190, 190));
    }
    // What is painted: the background in an empty corner and inside an empty label, the
    // buttons' colour in the middle of a button, the boxes' grey at the left of a box.
    const QImage image = f.clientArea()->grab().toImage();
    EXPECT_EQ(image.pixelColor(5, 5), background);
    const QPoint emptyLabel = f.Label22->geometry().center();
    if (f.Label22->text().isEmpty()) {
        EXPECT_EQ(image.pixelColor(emptyLabel), background);
    }
    const QColor button = image.pixelColor(f.Command1->geometry().center() + QPoint(0, 12));
    EXPECT_EQ(button, QColor(68, 246, 255));
    const QColor box = image.pixelColor(f.txtIDO->geometry().topLeft() + QPoint(6, 12));
    EXPECT_EQ(box, QColor(190, 190, 190));
}

TEST_F(Colours, DayAndNightSchemes) {
    open();
    enter("2024", "12", "8", "12", "0", "0", "35.65", "139.75");
    calculate();
    ASSERT_EQ(form().workingVariables().dayNightFlag, 2);
    expectScheme(form(), QColor(0, 144, 255), QColor(220, 14, 27));
    enter("2024", "12", "8", "23", "0", "0", "35.65", "139.75");
    calculate();
    ASSERT_EQ(form().workingVariables().dayNightFlag, 1);
    expectScheme(form(), QColor(32, 96, 192), QColor(220, 202, 48));
    calculate();  // the same flag again changes nothing
    expectScheme(form(), QColor(32, 96, 192), QColor(220, 202, 48));
}

// A button is flat in its colour inside a frame of the shadow colour; pressed, the frame sinks
// in: two pixels, dark above and to the left, light below and to the right.
TEST_F(Colours, ButtonsAreFlatAndSinkWhenPressed) {
    open();
    const QRgb button = qRgb(68, 246, 255);
    for (QPushButton* b : {form().Command1, form().Command3, form().Command4}) {
        const std::string name = b->objectName().toStdString();
        const QRgb shadow = b->palette().color(QPalette::Shadow).rgb();
        const QRgb light = b->palette().color(QPalette::Shadow).lighter(150).rgb();
        const QImage up = b->grab().toImage();
        const int w = up.width(), h = up.height();
        for (const QPoint edge :
             {QPoint(0, h / 2), QPoint(w - 1, h / 2), QPoint(w / 2, 0), QPoint(w / 2, h - 1)}) {
            EXPECT_EQ(up.pixel(edge), shadow) << name;
        }
        for (const QPoint inside : {QPoint(1, h / 2), QPoint(w - 2, h / 2), QPoint(w / 2, 1),
                                    QPoint(w / 2, h - 2), QPoint(3, 3), QPoint(w - 4, h - 4)}) {
            EXPECT_EQ(up.pixel(inside), button) << name;
        }
        b->setDown(true);
        const QImage down = b->grab().toImage();
        b->setDown(false);
        for (const QPoint dark : {QPoint(0, h / 2), QPoint(1, h / 2), QPoint(w / 2, 1)}) {
            EXPECT_EQ(down.pixel(dark), shadow) << name;
        }
        for (const QPoint lighter :
             {QPoint(w - 1, h / 2), QPoint(w - 2, h / 2), QPoint(w / 2, h - 2)}) {
            EXPECT_EQ(down.pixel(lighter), light) << name;
        }
        EXPECT_EQ(down.pixel(3, 3), button) << name;
    }
}

using Drawing = WindowTest;

// The share of the disc's pixels painted in the Moon's colour.
double litShareOfDisc(app::Form1& f) {
    const QImage image = f.clientArea()->grab().toImage();
    const QColor moon(app::MOON_COLOUR.red, app::MOON_COLOUR.green, app::MOON_COLOUR.blue);
    const double cx = 9500.0 / 15, cy = 8000.0 / 15, r = 1000.0 / 15 - 1.5;
    int inside = 0, lit = 0;
    for (int y = int(cy - r); y <= int(cy + r); ++y) {
        for (int x = int(cx - r); x <= int(cx + r); ++x) {
            if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) > r) continue;
            ++inside;
            if (image.pixelColor(x, y) == moon) ++lit;
        }
    }
    return double(lit) / inside;
}

TEST_F(Drawing, LitPixelsFollowTheIlluminatedFraction) {
    open();
    struct Case {
        const char* day;
        const char* hour;
    };
    // Tokyo, December 2024, the Moon up each time: a crescent, near first quarter, a
    // gibbous Moon, near full.
    for (const Case& c : {Case{"3", "13"}, Case{"8", "17"}, Case{"11", "20"}, Case{"15", "22"}}) {
        enter("2024", "12", c.day, c.hour, "0", "0", "35.65", "139.75");
        calculate();
        ASSERT_FALSE(form().Label30->text().isEmpty()) << c.day;
        const double k = form().workingVariables().illuminatedFraction;
        EXPECT_NEAR(litShareOfDisc(form()), k, 0.03) << c.day << " k=" << k;
    }
}

TEST_F(Drawing, SurvivesRepaintsAndIsClearedWhenTheMoonSets) {
    open();
    enter("2024", "12", "11", "20", "0", "0", "35.65", "139.75");
    calculate();
    const double share = litShareOfDisc(form());
    ASSERT_GT(share, 0.5);
    form().hide();
    form().show();
    form().resize(900, 800);
    QApplication::processEvents();
    EXPECT_NEAR(litShareOfDisc(form()), share, 1e-9);
    // The same instant and place in the afternoon, before moonrise: nothing is drawn.
    enter("2024", "12", "11", "9", "0", "0", "35.65", "139.75");
    calculate();
    ASSERT_TRUE(form().Label30->text().isEmpty());
    EXPECT_EQ(litShareOfDisc(form()), 0.0);
}

}  // namespace
