// Up and Down in the date and time boxes of the real window: one unit of the box the key is
// pressed in, then a calculation; nothing for boxes that cannot be calculated or other keys.
#include "tests/app/window_fixture.h"

namespace {

using DateBoxKeys = WindowTest;

TEST_F(DateBoxKeys, UpAndDownStepTheBoxesAndCalculate) {
    open();
    struct Case {
        const char* before;
        int box;
        Qt::Key key;
        const char* after;
    };
    const Case cases[] = {
        {"2024 12 31 23 0 0", 3, Qt::Key_Up, "2025 1 1 0 0 0"},
        {"2024 1 31 12 0 0", 2, Qt::Key_Up, "2024 2 1 12 0 0"},
        {"2024 3 1 0 0 0", 3, Qt::Key_Down, "2024 2 29 23 0 0"},
        {"2024 3 1 0 0 0", 2, Qt::Key_Down, "2024 2 29 0 0 0"},
        {"2024 6 30 23 59 59", 5, Qt::Key_Up, "2024 7 1 0 0 0"},
        {"2024 6 30 10 0 0", 4, Qt::Key_Down, "2024 6 30 9 59 0"},
        {"2024 1 31 8 0 0", 1, Qt::Key_Up, "2024 2 29 8 0 0"},
        {"2024 12 15 8 0 0", 1, Qt::Key_Up, "2025 1 15 8 0 0"},
        {"2024 1 15 8 0 0", 1, Qt::Key_Down, "2023 12 15 8 0 0"},
        {"2024 2 29 8 0 0", 0, Qt::Key_Up, "2025 2 28 8 0 0"},
        {"2023 5 10 8 0 0", 0, Qt::Key_Down, "2022 5 10 8 0 0"},
        {"1582 10 4 12 0 0", 2, Qt::Key_Up, "1582 10 15 12 0 0"},
        // Out-of-range and unusual texts, read by the number-reading rule.
        {"2024 12 8 25 0 0", 3, Qt::Key_Up, "2024 12 9 2 0 0"},
        {"２０２４ 12 8日 12 abc 0", 4, Qt::Key_Up, "2024 12 8 12 1 0"},
    };
    for (const Case& c : cases) {
        const QStringList before = QString::fromUtf8(c.before).split(' ');
        enter(before[0], before[1], before[2], before[3], before[4], before[5], "35.65", "139.75");
        form().Label15[0]->clear();
        pressKey(c.box, c.key);
        EXPECT_EQ(boxes(), c.after) << c.before;
        // It calculated: the captions are those of the stepped instant.
        const QString shown = form().Label15[0]->text();
        EXPECT_FALSE(shown.isEmpty()) << c.before;
        const QStringList after = QString::fromUtf8(c.after).split(' ');
        enter(after[0], after[1], after[2], after[3], after[4], after[5], "35.65", "139.75");
        calculate();
        EXPECT_EQ(form().Label15[0]->text(), shown) << c.before;
    }
}

TEST_F(DateBoxKeys, UpAndDownLeaveUncalculableBoxesAndOtherKeysAlone) {
    open();
    enter("32767", "12", "31", "23", "59", "59", "35.65", "139.75");
    calculate();
    pressKey(5, Qt::Key_Up);
    EXPECT_EQ(boxes(), "32767 12 31 23 59 59");
    EXPECT_TRUE(form().lastMessage().isEmpty());
    enter("40000", "1", "1", "0", "0", "0", "35.65", "139.75");
    pressKey(2, Qt::Key_Up);
    EXPECT_EQ(boxes(), "40000 1 1 0 0 0");
    // With a modifier, or in the coordinate boxes, the arrows are not steps.
    enter("2024", "1", "1", "0", "0", "0", "35.65", "139.75");
    QTest::keyClick(form().txtYMD[3], Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(boxes(), "2024 1 1 0 0 0");
    QTest::keyClick(form().txtIDO, Qt::Key_Up);
    EXPECT_EQ(form().txtIDO->text(), "35.65");
    // The keypad's arrows step as well.
    QTest::keyClick(form().txtYMD[3], Qt::Key_Up, Qt::KeypadModifier);
    EXPECT_EQ(boxes(), "2024 1 1 1 0 0");
}

}  // namespace
