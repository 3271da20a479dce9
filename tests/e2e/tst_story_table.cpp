// SPDX-License-Identifier: GPL-3.0-or-later
// The Table page as a user meets it: the width buttons, the jump-to box typed into, the
// wheel turned over the grid and the scroll bar's thumb dragged to the top. How the screen
// is read:
// - the texts of the grid's cells and of the jump-to box by ScreenText, which matches each
//   glyph against the characters drawn in the grid's and the box's font;
// - the selected row by the selection fill at the left end of each row in view;
// - the view's movement by comparing rows of two screenshots;
// - the scroll bar's thumb as the part of the bar's middle column unlike its track.
#include "screentext.h"
#include "story.h"

#include <QProcess>
#include <QTest>

namespace {

constexpr int gridTop = 41; // below the top bar
constexpr int rowHeight = 30;
constexpr int columnWidths[] = {293, 118, 89, 112, 125, 91};
const QRect centerBox(682, 13, 60, 21);
const QPoint oneByteButton(384, 12);
const QPoint twoBytesButton(384, 28);
const QColor selectionFill(0xB7, 0xDB, 0xFF);

QImage gridArea(const QImage &shot)
{
    return shot.copy(0, gridTop, shot.width(), shot.height() - gridTop);
}

// The texts of a row of the view (0 for the header, 1 for the first data row below it).
QStringList rowInView(const QImage &shot, int row)
{
    static const ScreenText data(programFont("Tahoma", 19, false),
                                 QStringLiteral("0123456789ABCDEF-'\\"));
    // Drawn here with full hinting, the bold face's glyphs stand apart as on the screen.
    static const ScreenText header(
        [] {
            QFont font = programFont("Tahoma", 19, true);
            font.setHintingPreference(QFont::PreferFullHinting);
            return font;
        }(),
        QStringLiteral("BinaryOctalHexUnsignedSignedChar"));
    QStringList texts;
    int left = 0;
    for (int width : columnWidths) {
        const QRect cell(left + 2, gridTop + rowHeight * row + 1, width - 4, rowHeight - 2);
        texts << (row == 0 ? header : data).read(shot, cell);
        left += width;
    }
    return texts;
}

QString centerBoxText(const QImage &shot)
{
    static const ScreenText reader(programFont("Tahoma", 11, false), QStringLiteral("0123456789-"));
    return reader.read(shot, centerBox.adjusted(2, 2, -2, -2));
}

QStringList texts(std::initializer_list<const char *> texts)
{
    QStringList list;
    for (const char *text : texts)
        list << QString::fromLatin1(text);
    return list;
}

// The middle of the scroll bar's thumb: the run of the bar's middle column between its two
// end buttons that is not the colour of the track.
QPoint scrollThumb(const QImage &shot)
{
    const int x = shot.width() - 8;
    const int top = gridTop + 16;
    const int bottom = shot.height() - 16;
    QHash<QRgb, int> colours;
    for (int y = top; y < bottom; ++y)
        ++colours[shot.pixel(x, y)];
    const QRgb track = std::max_element(colours.cbegin(), colours.cend(), [](int a, int b) {
                           return a < b;
                       }).key();
    int first = -1;
    int last = -1;
    for (int y = top; y < bottom; ++y) {
        if (shot.pixel(x, y) != track && shot.pixel(x, y - 1) == track && first < 0)
            first = y;
        if (shot.pixel(x, y) != track && shot.pixel(x, y + 1) == track && first >= 0)
            last = y;
    }
    return {x, (first + last) / 2};
}

} // namespace

class TableStory : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void opensOnTheOneByteTableAtZero();
    void twoBytesAndBackToOneByte();
    void typingAloneMovesNothing();
    void enterJumpsWithTheValueFourthInView();
    void wheelMovesTheSelectionThenTheView();
    void thumbDraggedToTheTopShowsTheFirstRows();
    void dropFromAnotherApplicationKeepsTheLimits();

private:
    // The row of the view filled with the selection colour, or 0 when none is.
    int selectedRowInView(const QImage &image) const;
    int wholeRowsInView() const;

    Story story{QStringLiteral("table")};
    QImage opening;
};

int TableStory::selectedRowInView(const QImage &image) const
{
    for (int row = 1; row <= wholeRowsInView(); ++row) {
        const int y = gridTop + rowHeight * row + rowHeight / 2;
        if (image.pixelColor(5, y) == selectionFill)
            return row;
    }
    return 0;
}

int TableStory::wholeRowsInView() const
{
    return (opening.height() - gridTop - rowHeight) / rowHeight;
}

void TableStory::initTestCase()
{
    const QString failure = story.start();
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void TableStory::opensOnTheOneByteTableAtZero()
{
    QVERIFY(story.openPage(Tab::Table));
    // The first paint of the wider window may lag behind its new size.
    QVERIFY(story.waitForScreen(
        QStringLiteral("opening.png"),
        [&](const QImage &shot) {
            opening = shot;
            return shot.width() > 800 && selectedRowInView(shot) != 0;
        },
        opening));
    QVERIFY(wholeRowsInView() >= 5);
    QCOMPARE(selectedRowInView(opening), 4);
    QCOMPARE(rowInView(opening, 0),
             texts({"Binary", "Octal", "Hex", "Unsigned", "Signed", "Char"}));
    QCOMPARE(rowInView(opening, 3), texts({"11111111", "377", "FF", "255", "-1", "'\\377'"}));
    QCOMPARE(rowInView(opening, 4), texts({"00000000", "0", "00", "0", "0", "'\\000'"}));
    QCOMPARE(centerBoxText(opening), QStringLiteral("0"));
}

void TableStory::twoBytesAndBackToOneByte()
{
    story.click(twoBytesButton);
    QImage shot;
    QVERIFY(story.waitForScreen(
        QStringLiteral("two-bytes.png"),
        [](const QImage &s) {
            return rowInView(s, 4).value(0) == QLatin1String("0000000000000000");
        },
        shot));
    QCOMPARE(selectedRowInView(shot), 4);
    QCOMPARE(rowInView(shot, 0), texts({"Binary", "Octal", "Hex", "Unsigned", "Signed", ""}));
    QCOMPARE(rowInView(shot, 3), texts({"1111111111111111", "177777", "FFFF", "65535", "-1", ""}));
    QCOMPARE(rowInView(shot, 4), texts({"0000000000000000", "0", "0000", "0", "0", ""}));
    QCOMPARE(centerBoxText(shot), QStringLiteral("0"));

    story.click(oneByteButton);
    QVERIFY(story.waitForScreen(
        QStringLiteral("one-byte-again.png"),
        [&](const QImage &s) { return gridArea(s) == gridArea(opening); }, shot));
    QCOMPARE(centerBoxText(shot), QStringLiteral("0"));
}

void TableStory::typingAloneMovesNothing()
{
    story.click(centerBox.center());
    story.typeText(QStringLiteral("65"));
    QImage typed;
    QVERIFY(story.waitForScreen(
        QStringLiteral("typed-65.png"),
        [](const QImage &s) { return centerBoxText(s) == QLatin1String("65"); }, typed));
    QCOMPARE(gridArea(typed), gridArea(opening));
}

void TableStory::enterJumpsWithTheValueFourthInView()
{
    story.pressKey(QStringLiteral("Return"));
    QImage jumped;
    QVERIFY(story.waitForScreen(
        QStringLiteral("after-enter.png"),
        [](const QImage &s) { return rowInView(s, 4).value(4) == QLatin1String("65"); }, jumped));
    QCOMPARE(selectedRowInView(jumped), 4);
    QCOMPARE(rowInView(jumped, 4), texts({"01000001", "101", "41", "65", "65", "'A'"}));
    QCOMPARE(centerBoxText(jumped), QStringLiteral("65"));
}

void TableStory::wheelMovesTheSelectionThenTheView()
{
    const QPoint overGrid(400, gridTop + rowHeight * 2);
    const int lastRow = wholeRowsInView();
    story.session().scrollWheel(story.window(), overGrid, lastRow - 4);
    QImage inside;
    QVERIFY(story.waitForScreen(
        QStringLiteral("wheel-inside.png"),
        [&](const QImage &s) { return selectedRowInView(s) == lastRow; }, inside));
    QCOMPARE(centerBoxText(inside), QStringLiteral("65"));

    story.session().scrollWheel(story.window(), overGrid, 1);
    QImage past;
    QVERIFY(story.waitForScreen(
        QStringLiteral("wheel-past-edge.png"),
        [](const QImage &s) { return centerBoxText(s) == QLatin1String("66"); }, past));
    QCOMPARE(selectedRowInView(past), 4);
    QCOMPARE(rowInView(past, 4).value(4), QStringLiteral("66"));
    // The view moved by one row: what was the second row in view is now the first.
    QCOMPARE(past.copy(0, gridTop + rowHeight, 280, rowHeight),
             inside.copy(0, gridTop + rowHeight * 2, 280, rowHeight));
}

void TableStory::thumbDraggedToTheTopShowsTheFirstRows()
{
    const QImage before = story.shot(QStringLiteral("before-drag.png"));
    const QPoint thumb = scrollThumb(before);
    story.session().drag(story.window(), thumb, {thumb.x(), 0});
    QImage top;
    QVERIFY(story.waitForScreen(
        QStringLiteral("dragged-to-top.png"),
        [](const QImage &s) { return centerBoxText(s) == QLatin1String("-125"); }, top));
    QCOMPARE(rowInView(top, 1), texts({"10000000", "200", "80", "128", "-128", "'\\200'"}));
    QCOMPARE(rowInView(top, 4), texts({"10000011", "203", "83", "131", "-125", "'\\203'"}));
    QCOMPARE(selectedRowInView(top), 4);
}

// Text dragged from another application reaches the window while that application is the
// active one, so the box cannot take the focus: the value is held within the limits at once
// and the table jumps once, to the row of the value kept. The box shows -125 here, and "200"
// dropped anywhere among its digits gives a number below -128.
void TableStory::dropFromAnotherApplicationKeepsTheLimits()
{
    XSession &session = story.session();
    QProcess source;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), session.display());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    source.setProcessEnvironment(environment);
    source.start(QStringLiteral(DRAG_SOURCE), {QStringLiteral("200")});
    const qulonglong sourceWindow = session.waitForWindow(QStringLiteral("Drag source"));
    QVERIFY(sourceWindow != 0);
    session.run(QStringLiteral("xdotool"),
                {QStringLiteral("windowmove"), QString::number(sourceWindow), QStringLiteral("40"),
                 QStringLiteral("700")});
    session.click(sourceWindow, {30, 30}); // the other application is the active one

    session.run(QStringLiteral("xdotool"), {QStringLiteral("mousedown"), QStringLiteral("1")});
    for (const QPoint step : {QPoint(50, 30), QPoint(70, 30)})
        session.moveMouse(sourceWindow, step);
    for (const QPoint step : {centerBox.center() - QPoint(20, 0), centerBox.center()})
        story.moveMouse(step);
    session.run(QStringLiteral("xdotool"), {QStringLiteral("mouseup"), QStringLiteral("1")});

    QImage dropped;
    QVERIFY(story.waitForScreen(
        QStringLiteral("dropped-from-outside.png"),
        [](const QImage &s) { return centerBoxText(s) == QLatin1String("-128"); }, dropped));
    QCOMPARE(selectedRowInView(dropped), 1);
    QCOMPARE(rowInView(dropped, 1).value(4), QStringLiteral("-128"));
    stopProcess(&source);
}

QTEST_MAIN(TableStory)
#include "tst_story_table.moc"
