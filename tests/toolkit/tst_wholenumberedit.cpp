// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/wholenumberedit.h"

#include "contextmenu.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

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

private:
    // Sends what an input method sends: a text being composed, or a text committed.
    void compose(const QString &preedit);
    void commit(const QString &text);

    // Puts text into the focused box with the caret at a position.
    void start(const QString &text, int caret);

    std::unique_ptr<QWidget> window;
    WholeNumberEdit *box = nullptr;
    QLineEdit *other = nullptr;
};

void TestWholeNumberEdit::init()
{
    window = std::make_unique<QWidget>();
    auto *layout = new QVBoxLayout(window.get());
    box = new WholeNumberEdit;
    other = new QLineEdit;
    layout->addWidget(box);
    layout->addWidget(other);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->activateWindow();
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void TestWholeNumberEdit::cleanup()
{
    window.reset();
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

void TestWholeNumberEdit::compose(const QString &preedit)
{
    QInputMethodEvent event(preedit, {});
    QApplication::sendEvent(box, &event);
}

void TestWholeNumberEdit::commit(const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(box, &event);
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
    const QPoint end(box->width() - 3, box->height() / 2);
    QDragEnterEvent enter(end, Qt::CopyAction, &dragged, Qt::LeftButton, {});
    QApplication::sendEvent(box, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(end, Qt::CopyAction, &dragged, Qt::LeftButton, {});
    QApplication::sendEvent(box, &drop);
    QCOMPARE(box->text(), QStringLiteral("-42"));

    QMimeData picture;
    picture.setImageData(QImage(2, 2, QImage::Format_RGB32));
    QDropEvent imageDrop(end, Qt::CopyAction, &picture, Qt::LeftButton, {});
    QApplication::sendEvent(box, &imageDrop);
    QCOMPARE(box->text(), QStringLiteral("-42"));
}

void TestWholeNumberEdit::undoAndRedoStepThroughTheEdits()
{
    start(QStringLiteral("0"), 1);
    QTest::keyClicks(box, QStringLiteral("12-"));
    QCOMPARE(box->text(), QStringLiteral("-12"));
    QTest::keySequence(box, QKeySequence::Undo);
    QCOMPARE(box->text(), QStringLiteral("12"));
    QTest::keySequence(box, QKeySequence::Undo);
    QCOMPARE(box->text(), QStringLiteral("1"));
    QTest::keySequence(box, QKeySequence::Redo);
    QCOMPARE(box->text(), QStringLiteral("12"));
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
    QVERIFY(chooseFromContextMenu(box, QStringLiteral("&Undo")));
    QTRY_COMPARE(box->text(), QStringLiteral("8"));
}

QTEST_MAIN(TestWholeNumberEdit)
#include "tst_wholenumberedit.moc"
