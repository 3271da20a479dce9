#include "toolkit/wholenumberedit.h"

#include <QApplication>
#include <QClipboard>
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

private:
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

QTEST_MAIN(TestWholeNumberEdit)
#include "tst_wholenumberedit.moc"
