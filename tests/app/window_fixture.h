// A real window on the offscreen platform, started in a temporary working directory of
// its own with a fixed clock, and the means to type into it and press its buttons.
#pragma once

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <memory>

#include "app/main_window/form1.h"

// Shows texts as text in test failures.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
// And rectangles as "x,y wxh".
inline void PrintTo(const QRect& r, std::ostream* out) {
    *out << r.x() << ',' << r.y() << ' ' << r.width() << 'x' << r.height();
}
QT_END_NAMESPACE

class WindowTest : public ::testing::Test {
  protected:
    // 2024-12-08 11:29:30 JST, given in UTC.
    static QDateTime fixedNow() { return QDateTime(QDate(2024, 12, 8), QTime(2, 29, 30), Qt::UTC); }

    void SetUp() override {
        ASSERT_TRUE(workDir_.isValid());
        previousDir_ = QDir::currentPath();
        QDir::setCurrent(workDir_.path());
        QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    }

    void TearDown() override {
        form_.reset();
        QDir::setCurrent(previousDir_);
        QLocale::setDefault(QLocale::c());
    }

    // Starts the window (start-up included) and shows it.
    app::Form1& open(app::Form1::Clock clock = &WindowTest::fixedNow) {
        return showWindow(std::make_unique<app::Form1>(std::move(clock)));
    }

    // Starts the window as the program does, on the clock it chooses itself, and shows it.
    app::Form1& openOnItsOwnClock() { return showWindow(std::make_unique<app::Form1>()); }

    // Closes the window as the frame's close control would, and forgets it.
    void closeWindow() {
        if (form_) form_->close();
        form_.reset();
    }

    app::Form1& form() { return *form_; }

    // Replaces a box's text by typing, as a user would: ASCII by key presses, anything
    // else committed by an input method, as a Japanese input method delivers it.
    static void type(QLineEdit* box, const QString& text) {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        for (const QChar ch : text) {
            if (ch.unicode() < 0x80) {
                QTest::keyClick(box, ch.toLatin1());
            } else {
                QInputMethodEvent commit;
                commit.setCommitString(QString(ch));
                QCoreApplication::sendEvent(box, &commit);
            }
        }
    }

    // Types the date, time and place into their boxes.
    void enter(const QString& year, const QString& month, const QString& day, const QString& hour,
               const QString& minute, const QString& second, const QString& latitude,
               const QString& longitude) {
        const QString texts[] = {year, month, day, hour, minute, second};
        for (int i = 0; i < 6; ++i) type(form_->txtYMD[i], texts[i]);
        type(form_->txtIDO, latitude);
        type(form_->txtKEIDO, longitude);
    }

    // The six date and time boxes' texts, joined by blanks.
    QString boxes() {
        QStringList texts;
        for (QLineEdit* box : form_->txtYMD) texts << box->text();
        return texts.join(' ');
    }

    // Presses `key` in date or time box `box` (0 the year ... 5 the second).
    void pressKey(int box, Qt::Key key) { QTest::keyClick(form_->txtYMD[box], key); }

    // Makes `window` the one the keys go to. (activateWindow() would do nothing to the main
    // window while a side window, its transient, is active.)
    static void makeActive(QWidget* window) {
        window->windowHandle()->requestActivate();
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return QGuiApplication::focusWindow() == window->windowHandle(); }));
    }

    void press(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void calculate() { press(form_->Command4); }

    const QTemporaryDir& workDir() const { return workDir_; }

  private:
    app::Form1& showWindow(std::unique_ptr<app::Form1> form) {
        form_ = std::move(form);
        form_->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
        return *form_;
    }

    QTemporaryDir workDir_;
    QString previousDir_;
    std::unique_ptr<app::Form1> form_;
};
