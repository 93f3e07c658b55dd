#include "app/main_window/form1.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QShowEvent>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <map>
#include <string>

#include "app/controls/application_setup.h"
#include "app/controls/box_text.h"
#include "app/controls/caption_label.h"
#include "app/controls/fitting_text_box.h"
#include "app/controls/flat_button.h"
#include "app/controls/focus_mark.h"
#include "app/controls/qt_colour.h"
#include "app/controls/window_placement.h"
#include "app/core/calculation_sequence.h"
#include "app/core/city_table.h"
#include "app/core/colour_scheme.h"
#include "app/core/coordinate_text.h"
#include "app/core/refusal_message.h"
#include "app/core/shown_fields.h"
#include "app/core/start_place.h"
#include "app/day_window/day_view_controller.h"
#include "app/main_window/date_box_keys.h"
#include "app/main_window/drawing_surface.h"
#include "app/main_window/main_window_door.h"
#include "app/main_window/start_file/start_file_io.h"
#include "app/main_window/start_file/start_file_message.h"
#include "app/main_window/window_layout.h"
#include "app/month_window/month_view_controller.h"
#include "astro/calculation.h"

namespace app {

namespace {

// Sets the colour of one palette role of a widget.
void setRoleColour(QWidget* widget, QPalette::ColorRole role, const Rgb& rgb) {
    QPalette palette = widget->palette();
    palette.setColor(role, toQColor(rgb));
    widget->setPalette(palette);
}

// A label's alignment: its caption at the top, to the left or to the right as laid out.
Qt::Alignment alignmentOf(TextAlign align) {
    return (align == TextAlign::Right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop;
}

// A control of the layout, on `parent`, at its place and size, in its font and alignment.
QWidget* createControl(const ControlSpec& entry, QWidget* parent) {
    QWidget* widget = nullptr;
    switch (entry.kind) {
        case ControlKind::Label: {
            auto* label = new CaptionLabel(fromUtf8(entry.caption), parent);
            label->setAlignment(alignmentOf(entry.align));
            label->setFocusPolicy(Qt::NoFocus);
            label->setAutoFillBackground(true);
            widget = label;
            break;
        }
        case ControlKind::TextBox: {
            auto* box = new FittingTextBox(parent);
            for (const BoxTextSpec& text : BOX_TEXT_SPECS) {
                if (text.name == entry.name) box->setWidestPattern(fromUtf8(text.widestPattern));
            }
            widget = box;
            break;
        }
        case ControlKind::ListBox: {
            auto* list = new QListWidget(parent);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            // The list is narrow: a name too long for it ends in an ellipsis, and its item
            // carries the whole name as a tooltip, rather than a scroll bar taking a third
            // of the list's height.
            list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            list->setTextElideMode(Qt::ElideRight);
            // Every entry is one line in one font: the height of the first serves for all,
            // instead of each of the 75 names being laid out before the list is shown.
            list->setUniformItemSizes(true);
            widget = list;
            break;
        }
        case ControlKind::Button:
            widget = new FlatButton(fromUtf8(entry.caption), parent);
            break;
    }
    widget->setObjectName(fromUtf8(entry.name));
    widget->setGeometry(entry.left / TWIPS_PER_PIXEL, entry.top / TWIPS_PER_PIXEL,
                        entry.width / TWIPS_PER_PIXEL, entry.height / TWIPS_PER_PIXEL);
    const QFont font = controlFont(entry.pointSize);
    if (auto* box = qobject_cast<FittingTextBox*>(widget)) {
        box->setLayoutFont(font);
    } else {
        widget->setFont(font);
    }
    return widget;
}

}  // namespace

// The main window's door: what other windows and the keys may do with it.
class Form1Door final : public MainWindowDoor {
  public:
    explicit Form1Door(Form1& form) : MainWindowDoor(&form), form_(form) {}
    DateBoxValues enteredDateAndTime() const override { return form_.enteredDateAndTime(); }
    void calculateAt(const astro::CivilTime& instant, astro::EnteredField firstBox) override {
        form_.calculateAt(instant, firstBox);
    }
    const astro::WorkingVariables& latestCalculation() const override { return form_.vars_; }
    std::vector<QRect> controlsOnScreen() const override {
        std::vector<QRect> rects;
        for (const QWidget* control : form_.findChildren<QWidget*>()) {
            const bool kept = qobject_cast<const QLineEdit*>(control) != nullptr ||
                              qobject_cast<const QListWidget*>(control) != nullptr ||
                              qobject_cast<const QPushButton*>(control) != nullptr;
            if (!kept || control->parentWidget() != form_.clientArea_) continue;
            rects.emplace_back(control->mapToGlobal(QPoint(0, 0)), control->size());
        }
        return rects;
    }

  private:
    Form1& form_;
};

Form1::Form1(Clock clock, QWidget* parent) : QWidget(parent), clock_(std::move(clock)) {
    setWindowTitle(QStringLiteral("赤径赤緯"));
    setAutoFillBackground(true);

    // The controls stand at fixed places on a client area; where the window is smaller
    // than that area (a small screen, a large scaling), it scrolls instead of hiding them.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    scrollArea_ = new QScrollArea(this);
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setWidgetResizable(true);
    scrollArea_->setFocusPolicy(Qt::NoFocus);  // the tab order runs through the controls only
    // Its scroll bars keep the toolkit's colours rather than following the scheme (see the
    // place list in Form_Load for why).
    QPalette ownPalette = scrollArea_->palette();
    ownPalette.setColor(QPalette::Window, ownPalette.color(QPalette::Window));
    scrollArea_->setPalette(ownPalette);
    clientArea_ = new DrawingSurface(scrollArea_);
    clientArea_->setMinimumSize(CLIENT_WIDTH_TWIPS / TWIPS_PER_PIXEL,
                                CLIENT_HEIGHT_TWIPS / TWIPS_PER_PIXEL);
    scrollArea_->setWidget(clientArea_);
    layout->addWidget(scrollArea_);
    resize(CLIENT_WIDTH_TWIPS / TWIPS_PER_PIXEL, CLIENT_HEIGHT_TWIPS / TWIPS_PER_PIXEL);

    messageBox_ =
        new QMessageBox(QMessageBox::Warning, windowTitle(), QString(), QMessageBox::Ok, this);
    messageBox_->setWindowModality(Qt::WindowModal);

    door_ = new Form1Door(*this);
    createControls();
    new FocusMark(clientArea_);
    connectCommands();
    describeForUsers();
    installDayView(*door_, *this, *clientArea_);
    installMonthView(*door_, *this, *clientArea_);
    new DateBoxKeys(*door_, {txtYMD[0], txtYMD[1], txtYMD[2], txtYMD[3], txtYMD[4], txtYMD[5]},
                    this);
    Form_Load();
}

Form1::~Form1() = default;

void Form1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous() || placed_) return;
    placed_ = true;
    // The window opens no larger than the screen's available area leaves room for beside its
    // frame (as far as the platform tells the frame before the window is shown), the rest of
    // the client area scrolling. Where it stands is left to the windowing system, which
    // places a window that fits inside that area, unless it was given a place that would put
    // its frame outside.
    const QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
    const QRect fitted = fitWindowInto(geometry(), frame, screen()->availableGeometry());
    if (testAttribute(Qt::WA_Moved) && fitted.topLeft() != geometry().topLeft()) {
        setGeometry(fitted);
    } else if (fitted.size() != size()) {
        resize(fitted.size());
    }
}

void Form1::createControls() {
    std::map<QString, QWidget*> byName;
    for (const ControlSpec& entry : CONTROL_SPECS) {
        QWidget* control = createControl(entry, clientArea_);
        byName[fromUtf8(entry.name)] = control;
        if (entry.kind == ControlKind::Label) labels_.push_back(qobject_cast<QLabel*>(control));
    }
    auto label = [&](const char* name) { return qobject_cast<QLabel*>(byName.at(name)); };
    auto box = [&](const QString& name) { return qobject_cast<QLineEdit*>(byName.at(name)); };
    auto button = [&](const char* name) { return qobject_cast<QPushButton*>(byName.at(name)); };
    for (int i = 0; i < 6; ++i) txtYMD[i] = box(QStringLiteral("txtYMD(%1)").arg(i));
    txtIDO = box(QStringLiteral("txtIDO"));
    txtKEIDO = box(QStringLiteral("txtKEIDO"));
    lstCITY = qobject_cast<QListWidget*>(byName.at(QStringLiteral("lstCITY")));
    Label1 = label("Label1");
    Label2 = label("Label2");
    Label3 = label("Label3");
    Label4 = label("Label4");
    Label5 = label("Label5");
    Label6 = label("Label6");
    Label7 = label("Label7");
    Label8 = label("Label8");
    Label9 = label("Label9");
    Label10 = label("Label10");
    Label13 = label("Label13");
    Label14 = label("Label14");
    Label17 = label("Label17");
    Label18 = label("Label18");
    Label19 = label("Label19");
    Label20 = label("Label20");
    Label21 = label("Label21");
    Label22 = label("Label22");
    Label23 = label("Label23");
    Label24 = label("Label24");
    Label30 = label("Label30");
    Label31 = label("Label31");
    Label32 = label("Label32");
    Label11 = {label("Label11(0)"), label("Label11(1)")};
    Label12 = {label("Label12(0)"), label("Label12(1)")};
    Label15 = {label("Label15(0)"), label("Label15(1)")};
    Label16 = {label("Label16(0)"), label("Label16(1)")};
    Command1 = button("Command1");
    Command3 = button("Command3");
    Command4 = button("Command4");

    // Tab order: the controls that take the focus, by their tab index.
    std::vector<const ControlSpec*> focusable;
    for (const ControlSpec& entry : CONTROL_SPECS) {
        if (entry.kind != ControlKind::Label) focusable.push_back(&entry);
    }
    std::sort(focusable.begin(), focusable.end(),
              [](const ControlSpec* a, const ControlSpec* b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < focusable.size(); ++i) {
        QWidget::setTabOrder(byName.at(fromUtf8(focusable[i - 1]->name)),
                             byName.at(fromUtf8(focusable[i]->name)));
    }
}

void Form1::connectCommands() {
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    // Enter in any box calculates, as "計算" does.
    for (QLineEdit* box : txtYMD)
        connect(box, &QLineEdit::returnPressed, this, &Form1::Command4_Click);
    connect(txtIDO, &QLineEdit::returnPressed, this, &Form1::Command4_Click);
    connect(txtKEIDO, &QLineEdit::returnPressed, this, &Form1::Command4_Click);
    auto* copy = new QShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+C")), this);
    copy->setContext(Qt::WindowShortcut);
    connect(copy, &QShortcut::activated, this, &Form1::copyWindowText);
}

std::vector<Form1::NamedControl> Form1::namedControls() const {
    const QString jst =
        QStringLiteral("日本標準時（UTC+9）。どの場所を選んでも日本標準時で入力します。");
    const QString geometric =
        QStringLiteral("度。幾何学的な地心の高度です（大気による浮き上がり・視差は含みません）。");
    const QString azimuth = QStringLiteral("度。北を0度として東回り（東90度、南180度、西270度）。");
    const QString hours = QStringLiteral("時（1時は15度）。");
    auto field = [](astro::EnteredField f) { return fromUtf8(enteredFieldName(f)); };
    auto result = [](ResultField f) { return fromUtf8(resultFieldName(f)); };
    constexpr bool COPIED = true;
    return {
        {txtYMD[0], field(astro::YEAR), jst, COPIED},
        {txtYMD[1], field(astro::MONTH), jst, COPIED},
        {txtYMD[2], field(astro::DAY), jst, COPIED},
        {txtYMD[3], field(astro::HOUR), jst, COPIED},
        {txtYMD[4], field(astro::MINUTE), jst, COPIED},
        {txtYMD[5], field(astro::SECOND), jst, COPIED},
        {txtIDO, field(astro::LATITUDE), QStringLiteral("度。北緯が正、南緯が負。"), COPIED},
        {txtKEIDO, field(astro::LONGITUDE), QStringLiteral("度。東経が正、西経が負。"), COPIED},
        {Label10, fromUtf8(PLACE_FIELD_NAME), QString(), COPIED},
        {Label11[0], result(SUN_RIGHT_ASCENSION), hours, COPIED},
        {Label12[0], result(SUN_DECLINATION), QStringLiteral("度。"), COPIED},
        {Label15[0], result(SUN_ALTITUDE), geometric, COPIED},
        {Label16[0], result(SUN_AZIMUTH), azimuth, COPIED},
        {Label11[1], result(MOON_RIGHT_ASCENSION), hours, COPIED},
        {Label12[1], result(MOON_DECLINATION), QStringLiteral("度。"), COPIED},
        {Label15[1], result(MOON_ALTITUDE), geometric, COPIED},
        {Label16[1], result(MOON_AZIMUTH), azimuth, COPIED},
        {Label32, result(EQUATION_OF_TIME),
         QStringLiteral("平均太陽と視太陽の赤径の差（分・秒）。"), COPIED},
        {Label30, result(ILLUMINATED_FRACTION),
         QStringLiteral("月の輝いている割合。(+)は1時間後に増える、(-)は減ることを示します。"),
         COPIED},
        {Label24, result(LIMB_ZENITH_ANGLE),
         QStringLiteral("度。天頂方向から測った、月の輝いている縁の向き。"), COPIED},
        {lstCITY, QStringLiteral("場所の一覧"),
         QStringLiteral("場所を選んで「場所の決定」を押すと緯度・経度が入ります。"), !COPIED},
        {Command3, QStringLiteral("場所の決定"),
         QStringLiteral("選んだ場所の緯度・経度を入れます。"), !COPIED},
        {Command4, QStringLiteral("計算"),
         QStringLiteral("入力した日時と場所で計算します（Enter キーでも計算します）。"
                        "\nF2 キー、またはウィンドウの右クリックの「一日の動き (F2)」で、"
                        "その日の太陽と月の高度と出入りの時刻を別のウィンドウに表示します。"
                        "\nF3 キー、または右クリックの「月の暦 (F3)」で、その月の日ごとの出入り"
                        "と方位、旧暦、月相、二十四節気を表示します。"
                        "\n年・月・日・時・分・秒の欄では ↑ ↓ キーで1つずつ進め・戻して"
                        "計算します。"),
         !COPIED},
        {Command1, QStringLiteral("終了"), QStringLiteral("選んだ場所を覚えて終了します。"),
         !COPIED},
        {Label22, QStringLiteral("月の位相"), QString(), !COPIED},
        {Label21, QStringLiteral("輝面率の見出し"), QString(), !COPIED},
        {Label23, QStringLiteral("天頂方向角の見出し"), QString(), !COPIED},
    };
}

void Form1::describeForUsers() {
    for (const NamedControl& named : namedControls()) {
        named.control->setAccessibleName(named.name);
        if (!named.tip.isEmpty()) named.control->setToolTip(named.tip);
    }
    // The fixed captions are their own names; the headings share the fields' tips.
    for (QLabel* label : labels()) {
        if (label->accessibleName().isEmpty()) label->setAccessibleName(label->text());
    }
    Label8->setToolTip(Label11[0]->toolTip());
    Label13->setToolTip(Label15[0]->toolTip());
    Label14->setToolTip(Label16[0]->toolTip());
    Label31->setToolTip(Label32->toolTip());
    clientArea_->setToolTip(QString());
}

std::vector<QLabel*> Form1::labels() const {
    return labels_;
}

void Form1::Form_Load() {
    vars_.dayNightFlag = DAY_FLAG;
    for (QWidget* input :
         std::initializer_list<QWidget*>{txtYMD[0], txtYMD[1], txtYMD[2], txtYMD[3], txtYMD[4],
                                         txtYMD[5], txtIDO, txtKEIDO, lstCITY}) {
        setRoleColour(input, QPalette::Base, INPUT_BACKGROUND);
    }
    // The list's scroll bar keeps one palette too. Were it to follow every change of scheme,
    // the style would cache its pixmaps anew under each new palette, and the toolkit keeps
    // a record of every such key: memory would grow with every change of day and night.
    setRoleColour(lstCITY, QPalette::Window, INPUT_BACKGROUND);
    applyColourScheme();

    const StartPlace start =
        startPlaceOf(readStartFileAt(QDir::current().filePath(START_FILE_NAME)));

    vars_.dayNightFlag = NIGHT_FLAG;
    fillDateAndTimeFromClock();

    for (const City& city : cityTable()) {
        auto* item = new QListWidgetItem(fromUtf8(city.name), lstCITY);
        item->setToolTip(item->text());
    }
    lstCITY->setCurrentRow(start.listPosition);
    Label10->setText(lstCITY->currentItem()->text());
    txtIDO->setText(fromUtf8(coordinateText(start.latitude)));
    txtKEIDO->setText(fromUtf8(coordinateText(start.longitude)));
    Command4_Click();
}

void Form1::fillDateAndTimeFromClock() {
    // Every entered time is read as Japan Standard Time, so the present instant is shown
    // in it, whatever the computer's own time zone.
    const QDateTime japan = clock_().toUTC().addSecs(9 * 3600);
    const QDate date = japan.date();
    const QTime time = japan.time();
    const std::array<int, 6> fields = {date.year(), date.month(),  date.day(),
                                       time.hour(), time.minute(), time.second()};
    for (int i = 0; i < 6; ++i) txtYMD[i]->setText(QString::number(fields[i]));
}

void Form1::putCoordinatesOfListPosition(int listPosition) {
    const std::optional<City> city = cityAtListPosition(listPosition);
    if (!city) return;
    txtIDO->setText(fromUtf8(coordinateText(city->latitude)));
    txtKEIDO->setText(fromUtf8(coordinateText(city->longitude)));
}

void Form1::Command3_Click() {
    const int position = lstCITY->currentRow();
    if (position == TYPED_COORDINATES_POSITION || !cityAtListPosition(position)) return;
    putCoordinatesOfListPosition(position);
    Label10->setText(lstCITY->item(position)->text());
}

void Form1::Command1_Click() {
    const QByteArray latitude = txtIDO->text().toUtf8();
    const QByteArray longitude = txtKEIDO->text().toUtf8();
    const std::string line = startFileLine(
        lstCITY->currentRow(),
        std::string_view(latitude.constData(), static_cast<std::size_t>(latitude.size())),
        std::string_view(longitude.constData(), static_cast<std::size_t>(longitude.size())));
    const std::optional<StartFileWriteFailure> failure =
        writeStartFileAt(QDir::current().filePath(START_FILE_NAME), line);
    if (!failure) {
        close();
        return;
    }
    // The system's own words for the failure go to the log; the user reads the reason in
    // Japanese. The program ends in any case, once the user has read why the place was not
    // kept.
    qWarning("%s", qUtf8Printable(failure->detail));
    connect(messageBox_, &QMessageBox::finished, this, &QWidget::close, Qt::UniqueConnection);
    showMessage(startFileFailureMessage(*failure));
}

DateBoxValues Form1::enteredDateAndTime() const {
    DateBoxValues values{};
    for (int i = 0; i < DATE_BOX_COUNT; ++i)
        values[static_cast<std::size_t>(i)] = readBox(txtYMD[i]);
    return values;
}

void Form1::calculateAt(const astro::CivilTime& instant, astro::EnteredField firstBox) {
    const int fields[] = {instant.year, instant.month,  instant.day,
                          instant.hour, instant.minute, instant.second};
    for (int i = firstBox; i < DATE_BOX_COUNT; ++i) {
        QLineEdit* box = txtYMD[static_cast<std::size_t>(i)];
        const QString text = QString::number(fields[i]);
        if (box->text() != text) box->setText(text);
    }
    Command4_Click();
}

astro::EnteredValues Form1::enteredValues() const {
    astro::EnteredValues entered{};
    for (int i = 0; i < 6; ++i) entered[static_cast<std::size_t>(i)] = readBox(txtYMD[i]);
    entered[astro::LATITUDE] = readBox(txtIDO);
    entered[astro::LONGITUDE] = readBox(txtKEIDO);
    return entered;
}

void Form1::applyColourScheme() {
    takeColourScheme(vars_);
    if (const std::optional<ColourScheme> scheme = colourSchemeFor(vars_.dayNightFlag)) {
        setRoleColour(Label18, QPalette::WindowText, scheme->title);
    }
    const Rgb background{vars_.backRed, vars_.backGreen, vars_.backBlue};
    setRoleColour(this, QPalette::Window, background);
    for (QPushButton* button : {Command1, Command4, Command3}) {
        setRoleColour(button, QPalette::Button, BUTTON_BACKGROUND);
    }
    // Every label fills its background in the client area's colour, which it takes from the
    // client area: one change of palette there reaches all 31 of them.
    setRoleColour(clientArea_, QPalette::Window, background);
}

void Form1::Command4_Click() {
    const CalculationOutcome outcome = runCalculation(vars_, enteredValues());
    if (outcome.refusal) {
        clearResults();
        const QString message = fromUtf8(refusalMessage(*outcome.refusal));
        showMessage(message);
        emit door_->calculationRefused(message);
        return;
    }
    applyColourScheme();
    showCalculation(outcome.shown);
    emit door_->calculated();
}

void Form1::showCalculation(const CalculationShown& shown) {
    const QByteArray separator = QLocale().decimalPoint().toUtf8();
    const ResultTexts texts = resultTexts(
        shown, std::string_view(separator.constData(), static_cast<std::size_t>(separator.size())));
    Label11[0]->setText(fromUtf8(texts[SUN_RIGHT_ASCENSION]));
    Label12[0]->setText(fromUtf8(texts[SUN_DECLINATION]));
    Label15[0]->setText(fromUtf8(texts[SUN_ALTITUDE]));
    Label16[0]->setText(fromUtf8(texts[SUN_AZIMUTH]));
    Label11[1]->setText(fromUtf8(texts[MOON_RIGHT_ASCENSION]));
    Label12[1]->setText(fromUtf8(texts[MOON_DECLINATION]));
    Label15[1]->setText(fromUtf8(texts[MOON_ALTITUDE]));
    Label16[1]->setText(fromUtf8(texts[MOON_AZIMUTH]));
    Label32->setText(fromUtf8(texts[EQUATION_OF_TIME]));
    clientArea_->clear();
    for (QLabel* label : {Label22, Label21, Label30, Label23, Label24}) label->clear();
    if (!shown.moonUp) return;
    clientArea_->addLines(shown.moonDrawing);
    Label22->setText(QStringLiteral("月の位相"));
    Label21->setText(QStringLiteral("輝面率 ： "));
    Label23->setText(QStringLiteral("天頂方向角 ： "));
    Label30->setText(fromUtf8(texts[ILLUMINATED_FRACTION]));
    Label24->setText(fromUtf8(texts[LIMB_ZENITH_ANGLE]));
}

void Form1::clearResults() {
    for (QLabel* label :
         {Label11[0], Label12[0], Label15[0], Label16[0], Label11[1], Label12[1], Label15[1],
          Label16[1], Label32, Label22, Label21, Label30, Label23, Label24}) {
        label->clear();
    }
    clientArea_->clear();
}

void Form1::showMessage(const QString& text) {
    messageBox_->setText(text);
    messageBox_->open();
}

QString Form1::lastMessage() const {
    return messageBox_->isVisible() ? messageBox_->text() : QString();
}

QString Form1::windowText() const {
    QString text;
    for (const NamedControl& named : namedControls()) {
        if (!named.copied) continue;
        const auto* box = qobject_cast<const QLineEdit*>(named.control);
        QString value =
            box != nullptr ? box->text() : qobject_cast<const QLabel*>(named.control)->text();
        // A listed place's name only beside that place's own coordinates; "入力", the entry
        // for typed coordinates, names none and is copied as shown.
        if (named.control == Label10 && value.toStdString() != typedCoordinatesName() &&
            !placeIsAt(value.toStdString(), readBox(txtIDO), readBox(txtKEIDO))) {
            value.clear();
        }
        text += named.name + QLatin1Char('\t') + value + QLatin1Char('\n');
    }
    return text;
}

void Form1::copyWindowText() const {
    QGuiApplication::clipboard()->setText(windowText());
}

}  // namespace app
