// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/numberformat.h"
#include "toolkit/rangednumberedit.h"

#include "contextmenu.h"
#include "numberboxwindow.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include <limits>

namespace {

const QString separatedFormat = QStringLiteral(",0;(,0)");

} // namespace

class TestRangedNumberEdit : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void formatGroupsThousandsAndBracketsNegatives_data();
    void formatGroupsThousandsAndBracketsNegatives();
    void readingTakesEveryShapeTheBoxAllows_data();
    void readingTakesEveryShapeTheBoxAllows();
    void typingLetsOnlyIntegersIn_data();
    void typingLetsOnlyIntegersIn();
    void separatorsOfTheFormatStayButNoneCanBeAdded();
    void pastedTextKeepsTheSameRules_data();
    void pastedTextKeepsTheSameRules();
    void receivingTheFocusShowsTheDisplayFormat();
    void leavingHoldsTheValueWithinTheLimits_data();
    void leavingHoldsTheValueWithinTheLimits();
    void withoutRangeCheckLeavingOnlyRewritesTheText();
    void menusAndWindowSwitchesAreNoExit();
    void everyTypedCharacterIsReportedRefusedOnesToo();
    void everyOtherRouteKeepsTheSameRules_data();
    void everyOtherRouteKeepsTheSameRules();
    void primarySelectionKeepsTheSameRules();
    void undoAndRedoKeepTheSameRules();
    void contextMenuPasteKeepsTheSameRules();
    void compositionKeepsTheValueItWillReplace();
    void changesWithoutTheFocusHoldTheLimitsAtOnce();

private:
    // Puts text into the box by one of the routes other than keys and the clipboard.
    void enter(const QString &route, const QString &text);

    void focusBox();
    void leaveBox();

    NumberBoxWindow<RangedNumberEdit> window;
    RangedNumberEdit *box = nullptr;
    QLineEdit *other = nullptr;
};

void TestRangedNumberEdit::init()
{
    QVERIFY(window.show());
    box = window.box();
    other = window.other();
    box->SetDisplayFormat(separatedFormat);
    box->SetCheckRange(true);
    box->setMinimum(0);
    box->setMaximum(255);
    box->SetMaxLength(3);
    other->setFocus();
}

void TestRangedNumberEdit::cleanup()
{
    window.close();
}

void TestRangedNumberEdit::focusBox()
{
    box->setFocus();
    QVERIFY(box->hasFocus());
}

void TestRangedNumberEdit::leaveBox()
{
    other->setFocus();
    QVERIFY(other->hasFocus());
}

void TestRangedNumberEdit::formatGroupsThousandsAndBracketsNegatives_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("shown");
    QTest::newRow("zero") << qint64(0) << separatedFormat << "0";
    QTest::newRow("three digits") << qint64(255) << separatedFormat << "255";
    QTest::newRow("one group") << qint64(1234) << separatedFormat << "1,234";
    QTest::newRow("two groups") << qint64(65535000) << separatedFormat << "65,535,000";
    QTest::newRow("negative") << qint64(-1234) << separatedFormat << "(1,234)";
    QTest::newRow("most negative")
        << std::numeric_limits<qint64>::min() << separatedFormat << "(9,223,372,036,854,775,808)";
    QTest::newRow("no negative section") << qint64(-5) << ",0"
                                         << "-5";
    QTest::newRow("leading zeros") << qint64(5) << "000"
                                   << "005";
    QTest::newRow("optional digits only") << qint64(0) << "#"
                                          << "";
    QTest::newRow("literal text") << qint64(12) << "x0 units"
                                  << "x12 units";
}

void TestRangedNumberEdit::formatGroupsThousandsAndBracketsNegatives()
{
    QFETCH(qint64, value);
    QFETCH(QString, format);
    QTEST(formatWholeNumber(value, format), "shown");
}

void TestRangedNumberEdit::readingTakesEveryShapeTheBoxAllows_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("holdsNumber");
    QTest::addColumn<qint64>("number");
    QTest::newRow("digits") << "300" << true << qint64(300);
    QTest::newRow("plus") << "+7" << true << qint64(7);
    QTest::newRow("minus") << "-5" << true << qint64(-5);
    QTest::newRow("parentheses") << "(1,234)" << true << qint64(-1234);
    QTest::newRow("separators") << "65,535" << true << qint64(65535);
    QTest::newRow("too large") << "99999999999999999999" << true
                               << std::numeric_limits<qint64>::max();
    QTest::newRow("too small") << "(99999999999999999999)" << true
                               << std::numeric_limits<qint64>::min();
    QTest::newRow("blank") << "" << false << qint64(0);
    QTest::newRow("sign alone") << "-" << false << qint64(0);
    QTest::newRow("open parenthesis") << "(12" << false << qint64(0);
    QTest::newRow("sign inside") << "1-2" << false << qint64(0);
    QTest::newRow("letters") << "12ab" << false << qint64(0);
    QTest::newRow("fraction") << "1.5" << false << qint64(0);
}

void TestRangedNumberEdit::readingTakesEveryShapeTheBoxAllows()
{
    QFETCH(QString, text);
    QFETCH(bool, holdsNumber);
    QFETCH(qint64, number);
    const std::optional<qint64> read = readWholeNumber(text);
    QCOMPARE(read.has_value(), holdsNumber);
    if (holdsNumber)
        QCOMPARE(*read, number);
}

void TestRangedNumberEdit::typingLetsOnlyIntegersIn_data()
{
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("digits") << 3 << "255"
                            << "255";
    QTest::newRow("letters between digits") << 3 << "1a2Z3"
                                            << "123";
    QTest::newRow("only letters") << 3 << "abc"
                                  << "";
    QTest::newRow("sign at the start") << 3 << "-5"
                                       << "-5";
    QTest::newRow("second sign") << 3 << "--5"
                                 << "-5";
    QTest::newRow("sign after a digit") << 3 << "5-+"
                                        << "5";
    QTest::newRow("parentheses") << 5 << "(123)"
                                 << "(123)";
    QTest::newRow("closing parenthesis alone") << 5 << "12)"
                                               << "12";
    QTest::newRow("point and space") << 5 << "1. 5"
                                     << "15";
    QTest::newRow("typed separator") << 5 << "1,234"
                                     << "1234";
    QTest::newRow("beyond the length") << 3 << "30012"
                                       << "300";
    QTest::newRow("longer length") << 5 << "6553512"
                                   << "65535";
}

void TestRangedNumberEdit::typingLetsOnlyIntegersIn()
{
    QFETCH(int, maxLength);
    QFETCH(QString, typed);
    box->SetMaxLength(maxLength);
    box->clear();
    focusBox();
    QTest::keyClicks(box, typed);
    QTEST(box->text(), "shown");
}

void TestRangedNumberEdit::separatorsOfTheFormatStayButNoneCanBeAdded()
{
    box->setMaximum(65535);
    box->SetMaxLength(5);
    box->setText(QStringLiteral("65535"));
    focusBox();
    QCOMPARE(box->text(), QStringLiteral("65,535"));
    box->setCursorPosition(box->text().size());
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QStringLiteral("65,53"));
    QTest::keyClicks(box, QStringLiteral(",9"));
    QCOMPARE(box->text(), QStringLiteral("65,539"));
    QTest::keyClick(box, '1');
    QCOMPARE(box->text(), QStringLiteral("65,539"));
    QCOMPARE(box->value(), qint64(65539));
}

void TestRangedNumberEdit::pastedTextKeepsTheSameRules_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");
    QTest::newRow("digits") << "42"
                            << "42";
    QTest::newRow("negative") << "-7"
                              << "-7";
    QTest::newRow("letters") << "4x2"
                             << "";
    QTest::newRow("a word") << "hello"
                            << "";
    QTest::newRow("separator") << "1,2"
                               << "";
    QTest::newRow("too long") << "1234"
                              << "";
    QTest::newRow("fraction") << "2.5"
                              << "";
}

void TestRangedNumberEdit::pastedTextKeepsTheSameRules()
{
    QFETCH(QString, pasted);
    box->clear();
    focusBox();
    QApplication::clipboard()->setText(pasted);
    QTest::keySequence(box, QKeySequence::Paste);
    QTEST(box->text(), "shown");
}

void TestRangedNumberEdit::receivingTheFocusShowsTheDisplayFormat()
{
    box->setMinimum(-99999);
    box->setMaximum(99999);
    box->SetMaxLength(6);
    box->setText(QStringLiteral("1234"));
    focusBox();
    QCOMPARE(box->text(), QStringLiteral("1,234"));
    QCOMPARE(box->selectedText(), box->text());

    leaveBox();
    box->setText(QStringLiteral("-1234"));
    focusBox();
    QCOMPARE(box->text(), QStringLiteral("(1,234)"));
    QCOMPARE(box->value(), qint64(-1234));

    // Typing replaces the whole value the box showed.
    QTest::keyClicks(box, QStringLiteral("77"));
    QCOMPARE(box->text(), QStringLiteral("77"));
}

void TestRangedNumberEdit::leavingHoldsTheValueWithinTheLimits_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shownOnExit");
    QTest::newRow("within") << "200"
                            << "200";
    QTest::newRow("above the maximum") << "300"
                                       << "255";
    QTest::newRow("below the minimum") << "-5"
                                       << "0";
    QTest::newRow("bracketed negative") << "(9)"
                                        << "0";
    QTest::newRow("blank") << ""
                           << "0";
    QTest::newRow("sign alone") << "-"
                                << "0";
}

void TestRangedNumberEdit::leavingHoldsTheValueWithinTheLimits()
{
    QFETCH(QString, typed);
    QFETCH(QString, shownOnExit);
    box->SetMaxLength(4);
    focusBox();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, typed);
    QString textAtExit;
    connect(box, &RangedNumberEdit::exited, this, [&] { textAtExit = box->text(); });
    leaveBox();
    QCOMPARE(textAtExit, shownOnExit);
    QCOMPARE(box->text(), shownOnExit);
}

void TestRangedNumberEdit::withoutRangeCheckLeavingOnlyRewritesTheText()
{
    box->SetCheckRange(false);
    box->SetMaxLength(5);
    focusBox();
    QTest::keyClicks(box, QStringLiteral("-1200"));
    leaveBox();
    QCOMPARE(box->text(), QStringLiteral("(1,200)"));
    QCOMPARE(box->value(), qint64(-1200));
}

void TestRangedNumberEdit::menusAndWindowSwitchesAreNoExit()
{
    focusBox();
    QTest::keyClicks(box, QStringLiteral("300"));
    QSignalSpy exits(box, &RangedNumberEdit::exited);
    for (Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
        QFocusEvent focusOut(QEvent::FocusOut, reason);
        QApplication::sendEvent(box, &focusOut);
    }
    QCOMPARE(exits.size(), 0);
    QCOMPARE(box->text(), QStringLiteral("300"));
    leaveBox();
    QCOMPARE(exits.size(), 1);
}

void TestRangedNumberEdit::everyTypedCharacterIsReportedRefusedOnesToo()
{
    focusBox();
    QSignalSpy keys(box, &RangedNumberEdit::keyPressed);
    QTest::keyClicks(box, QStringLiteral("4q"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(keys.size(), 3);
    QCOMPARE(keys[0][0].value<QChar>(), QLatin1Char('4'));
    QCOMPARE(keys[1][0].value<QChar>(), QLatin1Char('q'));
    QCOMPARE(keys[2][0].value<QChar>(), QChar(13));
    QCOMPARE(box->text(), QStringLiteral("4"));
}

void TestRangedNumberEdit::enter(const QString &route, const QString &text)
{
    if (route == QLatin1String("input method")) {
        sendComposition(box, text);
        sendCommit(box, text);
    } else if (route == QLatin1String("drop")) {
        QMimeData dragged;
        dragged.setText(text);
        dropOnto(box, dragged);
    } else {
        QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(box);
        if (route == QLatin1String("assistive insert"))
            reader->editableTextInterface()->insertText(int(box->text().size()), text);
        else
            reader->setText(QAccessible::Value, text);
    }
}

void TestRangedNumberEdit::everyOtherRouteKeepsTheSameRules_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    const QStringList routes = {"input method", "drop", "assistive insert", "assistive value"};
    for (const QString &route : routes) {
        const auto row = [&](const char *name) {
            return &QTest::newRow(qPrintable(route + QLatin1Char(' ') + QLatin1String(name)));
        };
        *row("digits") << "25"
                       << "25";
        *row("dead-key results") << "\u00b2\u00e9'^"
                                 << "";
        *row("other digits") << "\uff15\u0665"
                             << "";
        *row("line break") << "7\n"
                           << "";
        *row("beyond the length") << "12345"
                                  << "";
        *row("parentheses") << "(12)"
                            << "(12)";
    }
}

void TestRangedNumberEdit::everyOtherRouteKeepsTheSameRules()
{
    QFETCH(QString, text);
    box->SetMaxLength(4);
    box->clear();
    focusBox();
    enter(QString::fromLatin1(QTest::currentDataTag()).section(QLatin1Char(' '), 0, 1), text);
    QTEST(box->text(), "shown");
}

void TestRangedNumberEdit::primarySelectionKeepsTheSameRules()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard->supportsSelection())
        QSKIP("this platform has no primary selection; the X11 run of this test covers it");
    box->clear();
    focusBox();
    for (const QString &selected : {QStringLiteral("4\u00b2"), QStringLiteral("42")}) {
        clipboard->setText(selected, QClipboard::Selection);
        QTest::mouseClick(box, Qt::MiddleButton, {}, box->rect().center());
    }
    QCOMPARE(box->text(), QStringLiteral("42"));
}

void TestRangedNumberEdit::undoAndRedoKeepTheSameRules()
{
    box->setMaximum(65535);
    box->SetMaxLength(5);
    box->setText(QStringLiteral("65535"));
    focusBox();
    box->setCursorPosition(box->text().size());
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QStringLiteral("65,5"));
    QTest::keySequence(box, QKeySequence::Undo);
    QCOMPARE(box->text(), QStringLiteral("65,535"));
    QTest::keySequence(box, QKeySequence::Redo);
    QCOMPARE(box->text(), QStringLiteral("65,5"));
    QTest::keyClicks(box, QStringLiteral("12"));
    QCOMPARE(box->text(), QStringLiteral("65,512"));
    QTest::keyClick(box, '9'); // beyond the length: refused, so nothing to undo
    QTest::keySequence(box, QKeySequence::Undo);
    QVERIFY(box->text() != QStringLiteral("65,5129"));
    leaveBox();
    QVERIFY(box->value() <= 65535);
}

void TestRangedNumberEdit::contextMenuPasteKeepsTheSameRules()
{
    box->clear();
    focusBox();
    QApplication::clipboard()->setText(QStringLiteral("1\u00b2"));
    QVERIFY(chooseFromContextMenu(box, QStringLiteral("&Paste")));
    QApplication::clipboard()->setText(QStringLiteral("12"));
    QVERIFY(chooseFromContextMenu(box, QStringLiteral("&Paste")));
    QTRY_COMPARE(box->text(), QStringLiteral("12"));
}

void TestRangedNumberEdit::compositionKeepsTheValueItWillReplace()
{
    box->setText(QStringLiteral("200"));
    focusBox();
    QCOMPARE(box->selectedText(), QStringLiteral("200"));
    sendComposition(box, QStringLiteral("7"));
    QCOMPARE(box->text(), QStringLiteral("200"));
    QCOMPARE(box->value(), qint64(200));
    sendCommit(box, QStringLiteral("7"));
    QCOMPARE(box->text(), QStringLiteral("7"));
    QTest::keySequence(box, QKeySequence::Undo);
    QCOMPARE(box->text(), QStringLiteral("200"));
}

void TestRangedNumberEdit::changesWithoutTheFocusHoldTheLimitsAtOnce()
{
    QVERIFY(!box->hasFocus());
    QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(box);
    reader->setText(QAccessible::Value, QStringLiteral("300"));
    QCOMPARE(box->text(), QStringLiteral("255"));
    box->setText(QStringLiteral("-5"));
    QCOMPARE(box->text(), QStringLiteral("0"));
    box->SetCheckRange(false);
    box->setText(QStringLiteral("300"));
    QCOMPARE(box->text(), QStringLiteral("300"));
}

QTEST_MAIN(TestRangedNumberEdit)
#include "tst_rangednumberedit.moc"
