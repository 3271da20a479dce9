// SPDX-License-Identifier: GPL-3.0-or-later
#include "tablewindow.h"

#include <QWheelEvent>

// The jump-to box and the grid kept in step: the fourth row in view is the selected row
// and the box shows its value after every jump and scroll.
class TestTableNavigation : public QObject
{
    Q_OBJECT

private slots:
    void opensOnTheRowOfZero();
    void widthButtonsRebuildTheTableAtZero();
    void typingMovesNothingUntilEnter();
    void enterJumpsToTheTypedValue_data();
    void enterJumpsToTheTypedValue();
    void leavingTheBoxJumpsToo();
    void scrollBarMovesTheBoxWithTheView();
    void keysAndWheelMoveTheSelectionInsideTheView();
    void aClickSelectsWithoutMovingTheBox();
    void aShortViewNeverSelectsPastTheEnd();
    void enterOnAnotherPageKeepsTheBox();

private:
    // The rule that holds after every jump and scroll.
    static void checkFourthRowSelected(const TableWindow &table);
};

void TestTableNavigation::checkFourthRowSelected(const TableWindow &table)
{
    QCOMPARE(table.Row(), table.TopRow() + 3);
    QCOMPARE(table.center->text(), table.cell(4, table.Row()));
    QVERIFY(table.grid->isRowSelected(table.Row()));
    QVERIFY(!table.grid->isRowSelected(table.Row() - 1));
    QVERIFY(!table.grid->isRowSelected(table.Row() + 1));
}

void TestTableNavigation::opensOnTheRowOfZero()
{
    TableWindow table;
    QCOMPARE(table.RowCount(), 257);
    QCOMPARE(table.center->text(), QStringLiteral("0"));
    QCOMPARE(table.Row(), 129);
    QCOMPARE(table.TopRow(), 126);
    checkFourthRowSelected(table);
}

void TestTableNavigation::widthButtonsRebuildTheTableAtZero()
{
    TableWindow table;
    table.twoBytes->click();
    QCOMPARE(table.RowCount(), 65537);
    QCOMPARE(table.center->text(), QStringLiteral("0"));
    QCOMPARE(table.Row(), 32769);
    QCOMPARE(table.TopRow(), 32766);
    QCOMPARE(table.cell(5, table.Row()), QString());

    table.typeAndEnter(QStringLiteral("-30000"));
    QCOMPARE(table.Row(), 2769);
    table.oneByte->click();
    QCOMPARE(table.RowCount(), 257);
    QCOMPARE(table.center->text(), QStringLiteral("0"));
    QCOMPARE(table.Row(), 129);
    QCOMPARE(table.TopRow(), 126);
}

void TestTableNavigation::typingMovesNothingUntilEnter()
{
    TableWindow table;
    table.center->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(table.center, QStringLiteral("65"));
    QCOMPARE(table.center->text(), QStringLiteral("65"));
    QCOMPARE(table.TopRow(), 126);
    QCOMPARE(table.Row(), 129);
    QTest::keyClick(table.center, Qt::Key_Return);
    QVERIFY(table.grid->hasFocus());
    QCOMPARE(table.TopRow(), 191);
    QCOMPARE(table.Row(), 194);
    QCOMPARE(table.center->text(), QStringLiteral("65"));
}

void TestTableNavigation::enterJumpsToTheTypedValue_data()
{
    QTest::addColumn<bool>("twoBytes");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("topRow");
    QTest::addColumn<int>("row");
    QTest::newRow("largest one-byte value") << false << "127"
                                            << "127" << 253 << 256;
    QTest::newRow("past the largest is brought back") << false << "500"
                                                      << "127" << 253 << 256;
    QTest::newRow("negative") << false << "-5"
                              << "-5" << 121 << 124;
    QTest::newRow("largest two-byte value") << true << "32767"
                                            << "32767" << 65533 << 65536;
    QTest::newRow("past the smallest two-byte value") << true << "-99999"
                                                      << "-32768" << 32766 << 1;
    // The three smallest values cannot be fourth in view: the view stays, the row is selected.
    QTest::newRow("smallest one-byte value") << false << "-128"
                                             << "-128" << 126 << 1;
}

void TestTableNavigation::enterJumpsToTheTypedValue()
{
    QFETCH(bool, twoBytes);
    QFETCH(QString, typed);
    TableWindow table;
    if (twoBytes)
        table.twoBytes->click();
    table.typeAndEnter(typed);
    QTEST(table.center->text(), "shown");
    QTEST(table.TopRow(), "topRow");
    QTEST(table.Row(), "row");
}

void TestTableNavigation::leavingTheBoxJumpsToo()
{
    TableWindow table;
    table.center->setFocus(Qt::TabFocusReason);
    QVERIFY(table.center->hasSelectedText()); // entered by keyboard: the next digit replaces
    QTest::keyClicks(table.center, QStringLiteral("-7"));
    QCOMPARE(table.center->text(), QStringLiteral("-7"));
    table.oneByte->setFocus(Qt::BacktabFocusReason);
    QCOMPARE(table.Row(), 122);
    checkFourthRowSelected(table);
}

void TestTableNavigation::scrollBarMovesTheBoxWithTheView()
{
    TableWindow table;
    QScrollBar *bar = table.grid->verticalScrollBar();
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    QCOMPARE(table.TopRow(), 1);
    QCOMPARE(table.center->text(), QStringLiteral("-125"));
    QCOMPARE(table.Row(), 4);

    for (int step = 1; step <= 3; ++step) {
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(table.center->value(), -125 + step);
        checkFourthRowSelected(table);
    }
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    checkFourthRowSelected(table);
    QCOMPARE(table.TopRow(), 257 - table.grid->fullyVisibleRowCount());
}

void TestTableNavigation::keysAndWheelMoveTheSelectionInsideTheView()
{
    TableWindow table;
    table.grid->setFocus();
    const int lastInView = table.TopRow() + table.grid->fullyVisibleRowCount() - 1;
    QVERIFY(lastInView > 129);
    for (int row = 130; row <= lastInView; ++row) {
        QTest::keyClick(table.grid, Qt::Key_Down);
        QCOMPARE(table.Row(), row);
        QCOMPARE(table.TopRow(), 126);
        QCOMPARE(table.center->text(), QStringLiteral("0"));
    }
    QTest::keyClick(table.grid, Qt::Key_Down); // past the last row in view
    QCOMPARE(table.TopRow(), 127);
    checkFourthRowSelected(table);
    QCOMPARE(table.center->text(), QStringLiteral("1"));

    const auto turnWheel = [&](int notches) {
        const QPoint inside(40, 100);
        QWheelEvent wheel(inside, table.grid->viewport()->mapToGlobal(inside), QPoint(),
                          QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(table.grid->viewport(), &wheel);
    };
    turnWheel(-1);
    QCOMPARE(table.Row(), 131);
    QCOMPARE(table.TopRow(), 127);
    QCOMPARE(table.center->text(), QStringLiteral("1"));
    turnWheel(5); // up past the top row in view
    QCOMPARE(table.TopRow(), 126);
    checkFourthRowSelected(table);
    QCOMPARE(table.center->text(), QStringLiteral("0"));
}

void TestTableNavigation::aClickSelectsWithoutMovingTheBox()
{
    TableWindow table;
    // The second data row in view, below the header row.
    const QPoint secondRow = table.grid->viewport()->mapFrom(table.grid, QPoint(100, 30 + 30 + 15));
    QTest::mouseClick(table.grid->viewport(), Qt::LeftButton, {}, secondRow);
    QCOMPARE(table.Row(), 127);
    QCOMPARE(table.TopRow(), 126);
    QCOMPARE(table.center->text(), QStringLiteral("0"));
    table.grid->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(table.TopRow(), 125);
    checkFourthRowSelected(table);
}

void TestTableNavigation::aShortViewNeverSelectsPastTheEnd()
{
    TableWindow table;
    // The window keeps the Table page at four rows or more; the grid's own rules for a
    // shorter view still hold.
    table.window->setMinimumHeight(0);
    table.window->resize(table.window->width(), 41 + 30 + 2 * 30);
    QCOMPARE(table.grid->fullyVisibleRowCount(), 2);
    table.grid->setFocus();
    QTest::keyClick(table.grid, Qt::Key_End);
    QCOMPARE(table.TopRow(), 255);
    QCOMPARE(table.Row(), 256);
    QCOMPARE(table.center->text(), QStringLiteral("127"));
}

void TestTableNavigation::enterOnAnotherPageKeepsTheBox()
{
    TableWindow table;
    table.tabs->setCurrentIndex(0);
    table.typeAndEnter(QStringLiteral("42"));
    QVERIFY(table.center->hasFocus());
    QCOMPARE(table.center->text(), QStringLiteral("42"));
    table.tabs->setCurrentIndex(2);
    QCOMPARE(table.center->text(), QStringLiteral("0"));
    QCOMPARE(table.Row(), 129);
}

QTEST_MAIN(TestTableNavigation)
#include "tst_tablenavigation.moc"
