// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/wholenumberedit.h"

#include "contextmenu.h"
#include "numberboxwindow.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

// The box in a window beside a second control that the focus can move to.
class TestWholeNumberEdit : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void digitsReplaceALoneZero();
    void minusTogglesAtTheFront();
    void removingNeverLeavesItEmpty();
    void everythingElseIsDropped();
    void clipboardGoesThroughTheSameRules();
    void keyboardEntrySelectsTheWholeText();
    void leavingBringsTheValueToTheNearerLimit();
    void reportsChangesAndKeyReleases();
    void inputMethodTextGoesThroughTheRules();
    void primarySelectionGoesThroughTheRules();
    void dropsGoThroughTheRules();
    void undoAndRedoStepThroughTheEdits();
    void contextMenuPastesAndUndoesThroughTheRules();
    void assistiveToolsCannotBreakTheRules();
    void pasteOfAnyLengthIsOneEdit();
    void compositionKeepsTheValueItWillReplace();
    void changesOutsideTypingHoldTheLimitsAtOnce();

private:
    void compose(const QString &preedit) { sendComposition(box, preedit); }
    void commit(const QString &text) { sendCommit(box, text); }

    // Puts text into the focused box with the caret at a position.
    void start(const QString &text, int caret);

    NumberBoxWindow<WholeNumberEdit> window;
    WholeNumberEdit *box = nullptr;
    QLineEdit *other = nullptr;
};

void TestWholeNumberEdit::init()
{
    QVERIFY(window.show());
    box = window.box();
    other = window.other();
}

void TestWholeNumberEdit::cleanup()
{
    window.close();
}

void TestWholeNumberEdit::start(const QString &text, int caret)
{
    box->setFocus(Qt::MouseFocusReason);
    box->setText(text);
    box->setCursorPosition(caret);
}

void TestWholeNumberEdit::digitsReplaceALoneZero()
{
    QCOMPARE(box->text(), QStringLiteral("0"));
    start(QStringLiteral("0"), 1);
    QTest::keyClicks(box, QStringLiteral("503"));
    QCOMPARE(box->text(), QStringLiteral("503"));
    start(QStringLiteral("-0"), 0);
    QTest::keyClick(box, Qt::Key_4);
    QCOMPARE(box->text(), QStringLiteral("-4"));
    start(QStringLiteral("-12"), 0); // never in front of the sign
    QTest::keyClick(box, Qt::Key_9);
    QCOMPARE(box->text(), QStringLiteral("-912"));
}

void TestWholeNumberEdit::minusTogglesAtTheFront()
{
    start(QStringLiteral("5"), 1);
    QTest::keyClick(box, Qt::Key_Minus);
    QCOMPARE(box->text(), QStringLiteral("-5"));
    QCOMPARE(box->value(), -5);
    QTest::keyClick(box, Qt::Key_Minus);
    QCOMPARE(box->text(), QStringLiteral("5"));

    start(QStringLiteral("123"), 1);
    QTest::keyClick(box, Qt::Key_Minus);
    QCOMPARE(box->text(), QStringLiteral("-123"));
    QCOMPARE(box->cursorPosition(), 2);
    QTest::keyClick(box, Qt::Key_7);
    QCOMPARE(box->text(), QStringLiteral("-1723"));
}

void TestWholeNumberEdit::removingNeverLeavesItEmpty()
{
    start(QStringLiteral("7"), 1);
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QStringLiteral("0"));
    start(QStringLiteral("7"), 0);
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->text(), QStringLiteral("0"));
    start(QStringLiteral("-7"), 2);
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QStringLiteral("-0"));
    QCOMPARE(box->value(), 0);
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QStringLiteral("-0"));

    start(QStringLiteral("-25"), 0);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->text(), QStringLiteral("0"));
}

void TestWholeNumberEdit::everythingElseIsDropped()
{
    start(QStringLiteral("12"), 2);
    QTest::keyClicks(box, QStringLiteral("a.,+ e"));
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier); // no undo around the rules
    QCOMPARE(box->text(), QStringLiteral("12"));
}

void TestWholeNumberEdit::clipboardGoesThroughTheSameRules()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("1a-2.5"));
    start(QStringLiteral("0"), 1);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box->text(), QStringLiteral("-125"));

    box->setSelection(1, 2);
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), QStringLiteral("12"));
    QCOMPARE(box->text(), QStringLiteral("-5"));
    box->selectAll();
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(box->text(), QStringLiteral("0"));
    QCOMPARE(clipboard->text(), QStringLiteral("-5"));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box->text(), QStringLiteral("-5"));
}

void TestWholeNumberEdit::keyboardEntrySelectsTheWholeText()
{
    box->setText(QStringLiteral("-48"));
    other->setFocus();
    QTest::keyClick(other, Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(box->hasFocus());
    QCOMPARE(box->selectedText(), QStringLiteral("-48"));
    QTest::keyClick(box, Qt::Key_6);
    QCOMPARE(box->text(), QStringLiteral("6"));
}

void TestWholeNumberEdit::leavingBringsTheValueToTheNearerLimit()
{
    QSignalSpy exited(box, &WholeNumberEdit::exited);
    start(QStringLiteral("9000"), 4);
    other->setFocus(Qt::TabFocusReason);
    QCOMPARE(box->text(), QStringLiteral("9000")); // no limits yet
    QCOMPARE(exited.count(), 1);

    box->setLimits(-128, 127);
    start(QStringLiteral("9000"), 4);
    other->setFocus(Qt::TabFocusReason);
    QCOMPARE(box->text(), QStringLiteral("127"));
    start(QStringLiteral("-129"), 4);
    other->setFocus(Qt::MouseFocusReason);
    QCOMPARE(box->text(), QStringLiteral("-128"));
    QCOMPARE(exited.count(), 3);
}

void TestWholeNumberEdit::reportsChangesAndKeyReleases()
{
    QSignalSpy changed(box, &QLineEdit::textChanged);
    QSignalSpy released(box, &WholeNumberEdit::keyReleased);
    box->setValue(-32768);
    QCOMPARE(box->text(), QStringLiteral("-32768"));
    box->setValue(-32768);
    QCOMPARE(changed.count(), 1);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(released.count(), 1);
    QCOMPARE(released.first().first().toInt(), int(Qt::Key_Return));
}

void TestWholeNumberEdit::inputMethodTextGoesThroughTheRules()
{
    start(QStringLiteral("0"), 1);
    QTest::keyClick(box, Qt::Key_7);
    // Dead circumflex and 2, dead acute and e, dead acute and space, as a German keyboard
    // with the compose input method gives them.
    for (const QString &composed : {QStringLiteral("\u00b2"), QStringLiteral("\u00e9"),
                                    QStringLiteral("'"), QStringLiteral("^")})
        commit(composed);
    QCOMPARE(box->text(), QStringLiteral("7"));
    commit(QStringLiteral("4\u0301x-"));
    QCOMPARE(box->text(), QStringLiteral("-74"));
    start(QStringLiteral("0"), 1);
    commit(QStringLiteral("\uff15\u0665"));
    QCOMPARE(box->text(), QStringLiteral("0"));
    commit(QStringLiteral("5"));
    QCOMPARE(box->text(), QStringLiteral("5"));

    // A text being composed shows, but is not the box's text or value.
    compose(QStringLiteral("\u00b2"));
    QCOMPARE(box->text(), QStringLiteral("5"));
    QCOMPARE(box->value(), 5);
    commit(QStringLiteral("\u00b2"));
    QCOMPARE(box->text(), QStringLiteral("5"));
    other->setFocus(Qt::TabFocusReason);
    QCOMPARE(box->text(), QStringLiteral("5"));
}

void TestWholeNumberEdit::primarySelectionGoesThroughTheRules()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard->supportsSelection())
        QSKIP("this platform has no primary selection; the X11 run of this test covers it");
    clipboard->setText(QStringLiteral("3\u00b2x-1"), QClipboard::Selection);
    start(QStringLiteral("0"), 1);
    QTest::mouseClick(box, Qt::MiddleButton, {}, box->rect().center());
    QCOMPARE(box->text(), QStringLiteral("-31"));
}

void TestWholeNumberEdit::dropsGoThroughTheRules()
{
    start(QStringLiteral("0"), 1);
    QMimeData dragged;
    dragged.setText(QStringLiteral("4\u00b2,2-"));
    QVERIFY(dropOnto(box, dragged));
    QCOMPARE(box->text(), QStringLiteral("-42"));
    QTest::keySequence(box, QKeySequence::Undo); // the drop is one edit
    QCOMPARE(box->text(), QStringLiteral("0"));

    QMimeData picture;
    picture.setImageData(QImage(2, 2, QImage::Format_RGB32));
    dropOnto(box, picture);
    QCOMPARE(box->text(), QStringLiteral("0"));
}

void TestWholeNumberEdit::undoAndRedoStepThroughTheEdits()
{
    start(QStringLiteral("0"), 1);
    QTest::keyClicks(box, QStringLiteral("12-"));
    QCOMPARE(box->text(), QStringLiteral("-12"));
    QTest::keySequence(box, QKeySequence::Undo);
    QCOMPARE(box->text(), QStringLiteral("12"));
    QTest::keySequence(box, QKeySequence::Undo); // a run of typed digits is one step
    QCOMPARE(box->text(), QStringLiteral("0"));
    QTest::keySequence(box, QKeySequence::Redo);
    QCOMPARE(box->text(), QStringLiteral("12"));
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QStringLiteral("1"));
    QTest::keySequence(box, QKeySequence::Redo); // a new edit ends what could be redone
    QCOMPARE(box->text(), QStringLiteral("1"));
    for (int i = 0; i < 5; ++i)
        QTest::keySequence(box, QKeySequence::Undo);
    QCOMPARE(box->text(), QStringLiteral("0"));

    // A value written from code starts a new history.
    QTest::keyClick(box, Qt::Key_9);
    box->setValue(-3);
    QTest::keySequence(box, QKeySequence::Undo);
    QCOMPARE(box->text(), QStringLiteral("-3"));
}

void TestWholeNumberEdit::assistiveToolsCannotBreakTheRules()
{
    start(QStringLiteral("7"), 1);
    QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(box);
    QVERIFY(reader && reader->editableTextInterface());
    reader->editableTextInterface()->insertText(1, QStringLiteral("\u00b2\u00e9"));
    QCOMPARE(box->text(), QStringLiteral("7"));
    reader->editableTextInterface()->replaceText(0, 1, QStringLiteral("1.5"));
    QCOMPARE(box->text(), QStringLiteral("7"));
    reader->setText(QAccessible::Value, QStringLiteral("12abc"));
    QCOMPARE(box->text(), QStringLiteral("7"));
    reader->setText(QAccessible::Value, QStringLiteral("-42"));
    QCOMPARE(box->text(), QStringLiteral("-42"));
    reader->editableTextInterface()->deleteText(1, 3);
    QCOMPARE(box->text(), QStringLiteral("-0"));
    reader->editableTextInterface()->insertText(2, QStringLiteral("3"));
    QCOMPARE(box->value(), -3);
}

void TestWholeNumberEdit::contextMenuPastesAndUndoesThroughTheRules()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("8\u00b2-"));
    start(QStringLiteral("0"), 1);
    QVERIFY(chooseFromContextMenu(box, QStringLiteral("&Paste")));
    QTRY_COMPARE(box->text(), QStringLiteral("-8"));
    QVERIFY(chooseFromContextMenu(box, QStringLiteral("&Undo"))); // the paste is one edit
    QTRY_COMPARE(box->text(), QStringLiteral("0"));
    QVERIFY(chooseFromContextMenu(box, QStringLiteral("&Redo")));
    QTRY_COMPARE(box->text(), QStringLiteral("-8"));

    box->selectAll();
    QVERIFY(chooseFromContextMenu(box, QStringLiteral("Cu&t")));
    QCOMPARE(box->text(), QStringLiteral("0"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("-8"));
    box->setText(QStringLiteral("-5"));
    box->selectAll();
    QVERIFY(chooseFromContextMenu(box, QStringLiteral("Delete")));
    QCOMPARE(box->text(), QStringLiteral("0"));
}

void TestWholeNumberEdit::pasteOfAnyLengthIsOneEdit()
{
    QSignalSpy changed(box, &QLineEdit::textChanged);
    for (qsizetype length : {200'001, 1'000'001}) {
        QGuiApplication::clipboard()->setText(QString(length, QLatin1Char('-')) +
                                              QStringLiteral("3"));
        start(QStringLiteral("12"), 2);
        QTest::keyClick(box, Qt::Key_4);
        changed.clear();
        QElapsedTimer clock;
        clock.start();
        QTest::keySequence(box, QKeySequence::Paste);
        qInfo("pasting %lld characters took %lld ms", qlonglong(length + 1),
              qlonglong(clock.elapsed()));
        QCOMPARE(box->text(), QStringLiteral("-1243"));
        QCOMPARE(changed.count(), 1);
        QTest::keySequence(box, QKeySequence::Undo);
        QCOMPARE(box->text(), QStringLiteral("124"));
        QTest::keySequence(box, QKeySequence::Redo);
        QCOMPARE(box->text(), QStringLiteral("-1243"));
    }
    // Typing after a paste is a step of its own.
    QTest::keyClick(box, Qt::Key_7);
    QTest::keySequence(box, QKeySequence::Undo);
    QCOMPARE(box->text(), QStringLiteral("-1243"));
}

void TestWholeNumberEdit::compositionKeepsTheValueItWillReplace()
{
    start(QStringLiteral("-48"), 3);
    box->selectAll();
    compose(QStringLiteral("\u00b2"));
    QCOMPARE(box->text(), QStringLiteral("-48"));
    compose(QString()); // given up: the selection is back
    QCOMPARE(box->text(), QStringLiteral("-48"));
    QCOMPARE(box->selectedText(), QStringLiteral("-48"));

    compose(QStringLiteral("5"));
    QCOMPARE(box->text(), QStringLiteral("-48"));
    QCOMPARE(box->value(), -48);
    commit(QStringLiteral("5"));
    QCOMPARE(box->text(), QStringLiteral("5"));
    QTest::keySequence(box, QKeySequence::Undo);
    QCOMPARE(box->text(), QStringLiteral("-48"));
}

// A drop from another application reaches an inactive window, where the box cannot take
// the focus: such a change, and a write by an assistive tool or by code while the box has
// no focus, is held within the limits at once, in one change.
void TestWholeNumberEdit::changesOutsideTypingHoldTheLimitsAtOnce()
{
    box->setLimits(-128, 127);
    box->setValue(5);
    QWidget elsewhere; // another application's window is the active one
    elsewhere.show();
    QApplication::setActiveWindow(&elsewhere);
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    QSignalSpy changed(box, &QLineEdit::textChanged);
    QMimeData dragged;
    dragged.setText(QStringLiteral("-200"));
    QVERIFY(dropOnto(box, dragged));
    QVERIFY(!box->hasFocus());
    QCOMPARE(box->text(), QStringLiteral("-128"));
    QCOMPARE(changed.count(), 1);

    QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(box);
    reader->setText(QAccessible::Value, QStringLiteral("300"));
    QCOMPARE(box->text(), QStringLiteral("127"));
    box->setText(QStringLiteral("-9000"));
    QCOMPARE(box->text(), QStringLiteral("-128"));

    // Typing with the focus in the box is taken as it comes, until the focus leaves.
    QApplication::setActiveWindow(box->window());
    QVERIFY(QTest::qWaitForWindowActive(box->window()));
    start(QStringLiteral("0"), 1);
    QTest::keyClicks(box, QStringLiteral("300"));
    QCOMPARE(box->text(), QStringLiteral("300"));
    other->setFocus(Qt::TabFocusReason);
    QCOMPARE(box->text(), QStringLiteral("127"));
}

QTEST_MAIN(TestWholeNumberEdit)
#include "tst_wholenumberedit.moc"
