// The Table page as a user meets it: the real program in a real X session, the jump-to
// box typed into with xdotool, the wheel turned over the grid, and the selected row found
// on screenshots by its fill.
#include "tabcaptions.h"
#include "xsession.h"

#include <QTest>

class TestTablePageInARealSession : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void typingAloneMovesNothing();
    void enterJumpsWithTheValueFourthInView();
    void wheelMovesTheSelectionThenTheView();

private:
    QImage shot(const QString &name);
    // The row of the view (1 for the first data row below the header) filled with the
    // selection colour, or 0 when none is.
    int selectedRowInView(const QImage &image) const;
    int wholeRowsInView() const;

    XSession session;
    qulonglong window = 0;
    QImage opening;
};

namespace {

constexpr int gridTop = 41; // below the top bar
constexpr int rowHeight = 30;
const QPoint centerBox(682 + 30, 13 + 10);
const QColor selectionFill(0xB7, 0xDB, 0xFF);

QImage GridArea(const QImage &image)
{
    return image.copy(0, gridTop, image.width(), image.height() - gridTop);
}

} // namespace

QImage TestTablePageInARealSession::shot(const QString &name)
{
    QTest::qWait(300);
    return session.screenshot(window, ScreenshotFolder() + QStringLiteral("/table-") + name);
}

int TestTablePageInARealSession::selectedRowInView(const QImage &image) const
{
    for (int row = 1; row <= wholeRowsInView(); ++row) {
        const int y = gridTop + rowHeight * row + rowHeight / 2;
        if (image.pixelColor(5, y) == selectionFill)
            return row;
    }
    return 0;
}

int TestTablePageInARealSession::wholeRowsInView() const
{
    return (opening.height() - gridTop - rowHeight) / rowHeight;
}

void TestTablePageInARealSession::initTestCase()
{
    QVERIFY2(session.failure().isEmpty(), qPrintable(session.failure()));
    QVERIFY(session.startProgram(QStringLiteral(QUORVEL_PROGRAM)));
    window = session.waitForWindow(QStringLiteral("Numeric Formats"));
    QVERIFY2(window != 0, "the window Numeric Formats did not appear");
    QList<QRect> captions;
    WaitUntil([&] { return (captions = FindTabCaptions(session.screenshot(window))).size() == 3; },
              5000);
    QCOMPARE(captions.size(), 3);
    session.click(window, captions[2].center());
    QVERIFY(WaitUntil([&] { return session.clientGeometry(window).width() > 800; }, 5000));
    // The first paint of the wider window may lag behind its new size.
    WaitUntil([&] { return selectedRowInView(opening = session.screenshot(window)) != 0; }, 5000);
    opening = shot(QStringLiteral("opening.png"));
    QVERIFY(wholeRowsInView() >= 5);
    QCOMPARE(selectedRowInView(opening), 4);
}

void TestTablePageInARealSession::typingAloneMovesNothing()
{
    session.click(window, centerBox);
    session.typeText(window, QStringLiteral("65"));
    const QImage typed = shot(QStringLiteral("typed-65.png"));
    QCOMPARE(GridArea(typed), GridArea(opening));
    QVERIFY(typed.copy(682, 13, 60, 21) != opening.copy(682, 13, 60, 21));
}

void TestTablePageInARealSession::enterJumpsWithTheValueFourthInView()
{
    session.pressKey(window, QStringLiteral("Return"));
    const QImage jumped = shot(QStringLiteral("after-enter.png"));
    QVERIFY(GridArea(jumped) != GridArea(opening));
    QCOMPARE(selectedRowInView(jumped), 4);
}

void TestTablePageInARealSession::wheelMovesTheSelectionThenTheView()
{
    const QPoint overGrid(400, gridTop + rowHeight * 2);
    const int lastRow = wholeRowsInView();
    session.scrollWheel(window, overGrid, lastRow - 4);
    const QImage inside = shot(QStringLiteral("wheel-inside.png"));
    QCOMPARE(selectedRowInView(inside), lastRow);

    session.scrollWheel(window, overGrid, 1);
    const QImage past = shot(QStringLiteral("wheel-past-edge.png"));
    QCOMPARE(selectedRowInView(past), 4);
    // The view moved by one row: what was the second row in view is now the first.
    QCOMPARE(past.copy(0, gridTop + rowHeight, 280, rowHeight),
             inside.copy(0, gridTop + rowHeight * 2, 280, rowHeight));
}

QTEST_GUILESS_MAIN(TestTablePageInARealSession)
#include "tst_e2e_table.moc"
