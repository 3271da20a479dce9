// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/valuegrid.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

// The grid alone, with a callback that names each cell, in a view of ten whole rows.
class TestValueGrid : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cellsComeFromTheCallbackAndHeadersAreStored();
    void topRowIsTakenAnywhereInsideTheTable();
    void scrollBarReportsAtOnceAndReachesACodeSetTopRow();
    void keysMoveTheRowAndScrollOnlyPastTheEdge();
    void mouseSelectsRunsOfWholeRows();
    void aGrowingViewAtTheEndKeepsTheLastRowAtTheBottom();
    void fewerRowsPullTheViewAndSelectionBack();
    void paintsTheLook();
    void aTopRowPastTheEndOutlastsTheViewsOwnLayout();
    void paintedRowsFollowTheTopRow();
    void otherKeysAndButtonsLeaveTheSelection();

private:
    ValueGrid *grid = nullptr;
};

namespace {

constexpr int rowHeight = 30;
const QColor headerFill(218, 231, 245);
const QColor headerLines(160, 176, 199);
const QColor gridLines(192, 192, 192);
const QColor selectionFill(183, 219, 255);

ValueGrid::Look testLook()
{
    ValueGrid::Look look;
    look.rowHeight = rowHeight;
    look.columnWidths = {100, 60};
    look.headerFill = headerFill;
    look.headerLines = headerLines;
    look.gridLines = gridLines;
    look.selectionFill = selectionFill;
    look.selectionText = Qt::black;
    return look;
}

} // namespace

void TestValueGrid::init()
{
    grid = new ValueGrid(testLook());
    grid->setHeaderText(0, QStringLiteral("First"));
    grid->setHeaderText(1, QStringLiteral("Second"));
    grid->SetRowCount(101);
    grid->setCellTextSource([](int column, int row, QString &text) {
        if (row > 0)
            text = QStringLiteral("%1:%2").arg(column).arg(row);
    });
    grid->resize(200, rowHeight * 11 + 10);
    grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(grid));
    QCOMPARE(grid->fullyVisibleRowCount(), 10);
}

void TestValueGrid::cleanup()
{
    delete grid;
}

void TestValueGrid::cellsComeFromTheCallbackAndHeadersAreStored()
{
    QCOMPARE(grid->Cells(0, 0), QStringLiteral("First"));
    QCOMPARE(grid->Cells(1, 100), QStringLiteral("1:100"));
    QCOMPARE(grid->Cells(2, 5), QString());
    QCOMPARE(grid->Cells(0, 101), QString());
    QCOMPARE(grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(grid->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

void TestValueGrid::topRowIsTakenAnywhereInsideTheTable()
{
    QSignalSpy moved(grid, &ValueGrid::topRowChanged);
    for (int refused : {0, -3, 101, 5000})
        grid->SetTopRow(refused);
    QCOMPARE(moved.count(), 0);
    QCOMPARE(grid->TopRow(), 1);
    grid->SetTopRow(100); // rows past the last come into view
    QCOMPARE(grid->TopRow(), 100);
    QCOMPARE(moved.count(), 1);
    grid->SetTopRow(100);
    QCOMPARE(moved.count(), 1);
}

void TestValueGrid::scrollBarReportsAtOnceAndReachesACodeSetTopRow()
{
    QScrollBar *bar = grid->verticalScrollBar();
    // The bar counts top rows from 0.
    const auto lastTopRow = [bar] { return bar->maximum() + 1; };
    QCOMPARE(lastTopRow(), 91);
    int reported = 0;
    connect(grid, &ValueGrid::topRowChanged, this, [&] { reported = grid->TopRow(); });
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(reported, 2);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(reported, 12);
    grid->SetTopRow(97);
    QCOMPARE(lastTopRow(), 97);
    QCOMPARE(bar->value() + 1, 97);
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    QCOMPARE(reported, 1);
    QCOMPARE(lastTopRow(), 91);
}

void TestValueGrid::keysMoveTheRowAndScrollOnlyPastTheEdge()
{
    QSignalSpy moved(grid, &ValueGrid::topRowChanged);
    grid->SetRow(9);
    QTest::keyClick(grid, Qt::Key_Down);
    QCOMPARE(grid->Row(), 10);
    QCOMPARE(moved.count(), 0);
    QTest::keyClick(grid, Qt::Key_Down);
    QCOMPARE(grid->Row(), 11);
    QCOMPARE(grid->TopRow(), 2);
    QTest::keyClick(grid, Qt::Key_End);
    QCOMPARE(grid->Row(), 100);
    QCOMPARE(grid->TopRow(), 91);
    QTest::keyClick(grid, Qt::Key_Down);
    QCOMPARE(grid->Row(), 100);
    QTest::keyClick(grid, Qt::Key_Up, Qt::ShiftModifier);
    QVERIFY(grid->isRowSelected(99) && grid->isRowSelected(100));
    QTest::keyClick(grid, Qt::Key_Home);
    QCOMPARE(grid->TopRow(), 1);
    QVERIFY(grid->isRowSelected(1) && !grid->isRowSelected(100));
}

void TestValueGrid::mouseSelectsRunsOfWholeRows()
{
    // Points are given in the grid's own coordinates, the header row at the top.
    const auto at = [this](int x, int rowInView) {
        return grid->viewport()->mapFrom(grid, QPoint(x, rowHeight * rowInView + rowHeight / 2));
    };
    QWidget *view = grid->viewport();
    QTest::mouseClick(view, Qt::LeftButton, {}, at(150, 3));
    QCOMPARE(grid->Row(), 3);
    QTest::mouseClick(view, Qt::LeftButton, Qt::ShiftModifier, at(10, 6));
    for (int row = 1; row <= 8; ++row)
        QCOMPARE(grid->isRowSelected(row), row >= 3 && row <= 6);

    QTest::mousePress(view, Qt::LeftButton, {}, at(10, 8));
    QMouseEvent drag(QEvent::MouseMove, at(10, 5), view->mapToGlobal(at(10, 5)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &drag);
    QTest::mouseRelease(view, Qt::LeftButton, {}, at(10, 5));
    for (int row = 1; row <= 9; ++row)
        QCOMPARE(grid->isRowSelected(row), row >= 5 && row <= 8);
    QCOMPARE(grid->Row(), 5);

    const QPoint onHeader(10, rowHeight / 2);
    QWidget *header = grid->childAt(onHeader);
    QTest::mouseClick(header, Qt::LeftButton, {}, header->mapFrom(grid, onHeader));
    QCOMPARE(grid->Row(), 5);
}

void TestValueGrid::aGrowingViewAtTheEndKeepsTheLastRowAtTheBottom()
{
    QSignalSpy moved(grid, &ValueGrid::topRowChanged);
    grid->SetTopRow(91);
    grid->resize(200, rowHeight * 13 + 10);
    QCOMPARE(grid->TopRow(), 89);
    QCOMPARE(moved.count(), 2);

    grid->SetTopRow(99); // set past the end on purpose: a resize leaves it there
    grid->resize(200, rowHeight * 15 + 10);
    QCOMPARE(grid->TopRow(), 99);
}

void TestValueGrid::fewerRowsPullTheViewAndSelectionBack()
{
    grid->SetTopRow(80);
    grid->SetRow(95);
    QSignalSpy moved(grid, &ValueGrid::topRowChanged);
    grid->SetRowCount(31);
    QCOMPARE(grid->TopRow(), 21);
    QCOMPARE(grid->Row(), 30);
    QCOMPARE(moved.count(), 1);
}

void TestValueGrid::paintsTheLook()
{
    grid->SetRow(3);
    const QImage shot = grid->grab().toImage();
    QCOMPARE(shot.pixelColor(5, 5), headerFill);
    QCOMPARE(shot.pixelColor(99, 5), headerLines);
    QCOMPARE(shot.pixelColor(5, rowHeight * 3 + 5), selectionFill);
    QCOMPARE(shot.pixelColor(159, rowHeight * 3 + 5), gridLines);
    QCOMPARE(shot.pixelColor(5, rowHeight * 2 + 5), grid->palette().color(QPalette::Base));
    QCOMPARE(shot.pixelColor(5, rowHeight * 2 - 1), gridLines);
}

void TestValueGrid::aTopRowPastTheEndOutlastsTheViewsOwnLayout()
{
    grid->SetTopRow(99);
    QSignalSpy moved(grid, &ValueGrid::topRowChanged);
    grid->setHeaderText(1, QStringLiteral("Other"));
    grid->resize(240, grid->height());
    grid->doItemsLayout();
    QApplication::processEvents();
    QCOMPARE(grid->TopRow(), 99);
    QCOMPARE(grid->verticalScrollBar()->value() + 1, 99);
    QCOMPARE(moved.count(), 0);
    QCOMPARE(grid->Cells(1, 0), QStringLiteral("Other"));
}

void TestValueGrid::paintedRowsFollowTheTopRow()
{
    const auto selectedRowInView = [this] {
        const QImage shot = grid->grab().toImage();
        for (int rowInView = 1; rowInView <= 10; ++rowInView) {
            if (shot.pixelColor(5, rowHeight * rowInView + 5) == selectionFill)
                return rowInView;
        }
        return 0;
    };
    grid->SetTopRow(50);
    grid->SetRow(52);
    QCOMPARE(selectedRowInView(), 3);
    grid->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(grid->TopRow(), 51);
    QCOMPARE(selectedRowInView(), 2);
    grid->SetTopRow(99); // past the last filled view: the last row is the second in view
    grid->SetRow(100);
    QCOMPARE(selectedRowInView(), 2);
    grid->SetRowCount(101); // unchanged: nothing moves
    grid->SetRowCount(202);
    QCOMPARE(grid->TopRow(), 99);
    QCOMPARE(selectedRowInView(), 2);
}

void TestValueGrid::otherKeysAndButtonsLeaveTheSelection()
{
    grid->SetRow(4);
    QSignalSpy moved(grid, &ValueGrid::topRowChanged);
    // Neither type-ahead search, column moves, select-all nor the context button.
    QTest::keyClicks(grid, QStringLiteral("0:9"));
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
    const QPoint sixthRow = grid->viewport()->mapFrom(grid, QPoint(10, rowHeight * 6 + 5));
    QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, sixthRow);
    QCOMPARE(grid->Row(), 4);
    QCOMPARE(grid->currentIndex().column(), 0);
    for (int row = 1; row <= 10; ++row)
        QCOMPARE(grid->isRowSelected(row), row == 4);
    QCOMPARE(moved.count(), 0);
}

QTEST_MAIN(TestValueGrid)
#include "tst_valuegrid.moc"
