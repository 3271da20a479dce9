// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader learns of the window: the accessibility tree of every page and the
// names and values it carries as the pages change. (The offscreen platform has no
// accessibility bridge, so the update events are heard in the AT-SPI test instead.)
#include "app/basesu.h"
#include "quicktimers.h"
#include "windowpart.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

namespace {

QString name(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
}

QString description(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Description);
}

// Every control reachable from the root, the grid's cells left out (they are checked
// through the table).
void walk(QAccessibleInterface *node, QList<QAccessibleInterface *> &found)
{
    found << node;
    if (node->role() == QAccessible::Table)
        return;
    for (int i = 0; i < node->childCount(); ++i) {
        if (QAccessibleInterface *child = node->child(i))
            walk(child, found);
    }
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyShownControlHasANameAndARole();
    void topBarReadsItsTabsButtonsAndBox();
    void odometersReadTheirRadixAndDigits();
    void boardCellsReadTheirPlaceAndDigit();
    void tableReadsItsCellsThroughTheTable();
    void odometersReadEveryChange();
    void countingButtonsReadPressedWhileTheirDirectionRuns();
    void boardReadsLeftToRightAndTellsTheWorking();
    void logoIsALinkThatCanBePressed();
    void everyStepIsSaidWhereverTheFocusStands();

private:
    template <typename T = QWidget> T *child(const char *name)
    {
        return windowPart<T>(window, name);
    }
    void selectTab(int index) { child<QTabBar>("tabs")->setCurrentIndex(index); }

    Tfbases *window = nullptr;
};

void TestAccessibility::init()
{
    window = new Tfbases;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

void TestAccessibility::cleanup()
{
    delete window;
}

void TestAccessibility::everyShownControlHasANameAndARole()
{
    const QSet<QAccessible::Role> controls = {QAccessible::Button, QAccessible::RadioButton,
                                              QAccessible::PageTab, QAccessible::EditableText,
                                              QAccessible::Table};
    for (int tab : {0, 1, 2}) {
        selectTab(tab);
        QList<QAccessibleInterface *> nodes;
        walk(QAccessible::queryAccessibleInterface(window), nodes);
        int checked = 0;
        for (QAccessibleInterface *node : nodes) {
            if (node->state().invisible || !controls.contains(node->role()))
                continue;
            ++checked;
            QVERIFY2(!node->text(QAccessible::Name).isEmpty(),
                     qPrintable(QStringLiteral("unnamed %1 on page %2")
                                    .arg(node->object() ? node->object()->objectName() : "?")
                                    .arg(tab)));
        }
        QVERIFY2(checked >= 5, qPrintable(QStringLiteral("page %1: %2").arg(tab).arg(checked)));
    }
}

void TestAccessibility::topBarReadsItsTabsButtonsAndBox()
{
    QAccessibleInterface *tabs = QAccessible::queryAccessibleInterface(child("tabs"));
    QStringList tabNames;
    for (int i = 0; i < tabs->childCount(); ++i) {
        if (tabs->child(i)->role() == QAccessible::PageTab)
            tabNames << tabs->child(i)->text(QAccessible::Name);
    }
    QCOMPARE(tabNames, (QStringList{"Odometer", "Calculate", "Table"}));
    QCOMPARE(name(child("RadioButton2")), QStringLiteral("2 bytes"));
    QCOMPARE(QAccessible::queryAccessibleInterface(child("RadioButton1"))->state().checked, 1);
    QCOMPARE(name(child("Image1")), QStringLiteral("Quorvel web page"));

    // The window reads its top bar and the one page in view.
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(window);
    QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(child("Panel1"));
    for (const char *page : {"pan2", "pan3", "pan1"}) {
        const int tab = QByteArray(page).back() - '1';
        selectTab(tab);
        QCOMPARE(root->childCount(), 2);
        QCOMPARE(root->child(0)->object(), child("Panel1"));
        QCOMPARE(root->child(1)->object(), child(page));
        QCOMPARE(root->indexOfChild(root->child(1)), 1);
        // The jump-to box beyond the narrow window's edge is not read as part of the bar.
        QList<QObject *> barChildren;
        for (int i = 0; i < bar->childCount(); ++i)
            barChildren << bar->child(i)->object();
        QCOMPARE(barChildren.contains(child("center")), tab == 2);
        QVERIFY(barChildren.contains(child("tabs")));
        QCOMPARE(bar->role(), QAccessible::Client);
    }

    selectTab(2);
    QAccessibleInterface *center = QAccessible::queryAccessibleInterface(child("center"));
    QCOMPARE(center->text(QAccessible::Name), QStringLiteral("Jump to value"));
    QCOMPARE(center->text(QAccessible::Value), QStringLiteral("0"));
}

void TestAccessibility::odometersReadTheirRadixAndDigits()
{
    QCOMPARE(name(child("Od1")), QStringLiteral("Binary, 0 0 0 0 0 0 0 0"));
    QCOMPARE(name(child("Od4")), QStringLiteral("Hexadecimal, 0 0"));
    QCOMPARE(QAccessible::queryAccessibleInterface(child("Od4"))->role(), QAccessible::StaticText);
    // Each caption is read just before its counter, the buttons before them all.
    QAccessibleInterface *page = QAccessible::queryAccessibleInterface(child("pan1"));
    int last = -1;
    for (const char *part : {"W7SpeedButton1", "W7SpeedButton4", "Label1", "Od1", "Label3", "Od2",
                             "Label4", "Od3", "Label2", "Od4", "Label5"}) {
        const int place = page->indexOfChild(QAccessible::queryAccessibleInterface(child(part)));
        QVERIFY2(place > last, part);
        last = place;
    }
    for (int press = 0; press < 11; ++press)
        child<QAbstractButton>("W7SpeedButton1")->click();
    QCOMPARE(name(child("Od1")), QStringLiteral("Binary, 0 0 0 0 1 0 1 1"));
    QCOMPARE(name(child("Od2")), QStringLiteral("Octal, 0 1 3"));
    QCOMPARE(name(child("Od3")), QStringLiteral("Decimal, 0 1 1"));
    QCOMPARE(name(child("Od4")), QStringLiteral("Hexadecimal, 0 B"));
    QVERIFY(description(child("Od3")).contains(QStringLiteral("Enter")));
    QCOMPARE(name(child("W7SpeedButton3")), QStringLiteral("Count up automatically"));

    // The decimal entry box reads its value.
    child<QAbstractButton>("W7SpeedButton4")->click();
    QAccessibleInterface *entry = QAccessible::queryAccessibleInterface(child("decenter"));
    QCOMPARE(entry->text(QAccessible::Name), QStringLiteral("Decimal value"));
    const auto labels = entry->relations(QAccessible::Label);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.first().first->text(QAccessible::Name), QStringLiteral("Decimal:"));
    QCOMPARE(entry->text(QAccessible::Value), QStringLiteral("11"));

    // In two bytes the binary odometer reads sixteen digits.
    child<QRadioButton>("RadioButton2")->click();
    QCOMPARE(name(child("Od1")), QStringLiteral("Binary, 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0"));
}

void TestAccessibility::boardCellsReadTheirPlaceAndDigit()
{
    selectTab(1);
    const auto checked = [this](const char *button) {
        return bool(QAccessible::queryAccessibleInterface(child(button))->state().checked);
    };
    QVERIFY(checked("W7SpeedButton9"));
    QVERIFY(!checked("W7SpeedButton5"));
    QCOMPARE(name(child("hint1")), QStringLiteral("Enter first number"));

    for (QChar key : QStringLiteral("FFFF1\r"))
        window->FormKeyPress(key);
    child<QAbstractButton>("W7SpeedButton6")->click();

    QCOMPARE(name(child("c35")), QStringLiteral("Result, column 5"));
    QCOMPARE(description(child("c35")), QStringLiteral("1"));
    QCOMPARE(description(child("c31")), QStringLiteral("0"));
    QCOMPARE(name(child("c24")), QStringLiteral("Second number, column 4"));
    QCOMPARE(description(child("c24")), QStringLiteral("blank"));
    QCOMPARE(name(child("r5")), QStringLiteral("Mark above column 5"));
    QCOMPARE(description(child("r5")), QStringLiteral("1"));
    QCOMPARE(description(child("op")), QStringLiteral("+"));

    // Choosing octal moves the lit state.
    child<QAbstractButton>("W7SpeedButton5")->click();
    QVERIFY(checked("W7SpeedButton5"));
    QVERIFY(!checked("W7SpeedButton9"));
    QVERIFY(QAccessible::queryAccessibleInterface(child("W7SpeedButton9"))->state().checkable);
    QCOMPARE(description(child("W7SpeedButton5")),
             QStringLiteral("Start a problem in octal (Alt+O)"));
}

void TestAccessibility::tableReadsItsCellsThroughTheTable()
{
    selectTab(2);
    QWidget *grid = child("grid");
    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(grid);
    QCOMPARE(node->role(), QAccessible::Table);
    QAccessibleTableInterface *table = node->tableInterface();
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 256);
    QCOMPARE(table->columnCount(), 6);
    QCOMPARE(table->columnDescription(5), QStringLiteral("Char"));
    QCOMPARE(table->selectedRows(), QList<int>{128});
    QCOMPARE(table->cellAt(128, 0)->text(QAccessible::Name), QStringLiteral("00000000"));
    QCOMPARE(table->cellAt(193, 5)->text(QAccessible::Name), QStringLiteral("'A'"));
    QAccessibleTableCellInterface *cell = table->cellAt(193, 2)->tableCellInterface();
    QCOMPARE(cell->columnHeaderCells().value(0)->text(QAccessible::Name), QStringLiteral("Hex"));
    QCOMPARE(cell->rowIndex(), 193);
    QVERIFY(table->cellAt(128, 0)->state().selected);
    QVERIFY(!table->cellAt(128, 0)->rect().isEmpty());
    QVERIFY(table->cellAt(0, 0)->state().invisible);

    QVERIFY(table->selectRow(130));
    QCOMPARE(table->selectedRows(), QList<int>{130});

    child<QRadioButton>("RadioButton2")->click();
    QCOMPARE(table->rowCount(), 65536);
    QCOMPARE(table->cellAt(65535, 4)->text(QAccessible::Name), QStringLiteral("32767"));
    QCOMPARE(table->columnDescription(5), QString());
}

// The names follow every step, the wrap back into the byte and automatic counting.
void TestAccessibility::odometersReadEveryChange()
{
    child<QAbstractButton>("W7SpeedButton2")->click();
    QCOMPARE(name(child("Od2")), QStringLiteral("Octal, 3 7 7"));
    QCOMPARE(name(child("Od3")), QStringLiteral("Decimal, 2 5 5"));
    child<QAbstractButton>("W7SpeedButton1")->click();
    QCOMPARE(name(child("Od2")), QStringLiteral("Octal, 0 0 0"));
    QCOMPARE(name(child("Od3")), QStringLiteral("Decimal, 0 0 0"));

    quickenTimers(window);
    child<QAbstractButton>("W7SpeedButton3")->click();
    QTRY_COMPARE(child("Od3")->property("Value").toUInt(), 1u);
    child<QAbstractButton>("W7SpeedButton3")->click();
    QCOMPARE(name(child("Od2")), QStringLiteral("Octal, 0 0 1"));
    QCOMPARE(name(child("Od4")), QStringLiteral("Hexadecimal, 0 1"));
}

void TestAccessibility::countingButtonsReadPressedWhileTheirDirectionRuns()
{
    auto *up = child<QAbstractButton>("W7SpeedButton3");
    auto *down = child<QAbstractButton>("W7SpeedButton10");
    const auto pressed = [](QAbstractButton *button) {
        return QAccessible::queryAccessibleInterface(button)->state().checked == 1;
    };
    QVERIFY(!pressed(up) && !pressed(down));
    for (auto [button, upRuns, downRuns] : {std::tuple{up, true, false},
                                            {down, false, true},
                                            {up, true, false},
                                            {up, false, false},
                                            {down, false, true},
                                            {down, false, false}}) {
        button->click();
        QCOMPARE(pressed(up), upRuns);
        QCOMPARE(pressed(down), downRuns);
        QCOMPARE(up->text(), QStringLiteral("^"));
        QCOMPARE(down->text(), QStringLiteral("v"));
    }
}

void TestAccessibility::boardReadsLeftToRightAndTellsTheWorking()
{
    selectTab(1);
    QAccessibleInterface *page = QAccessible::queryAccessibleInterface(child("pan2"));
    const auto place = [page, this](const char *cell) {
        return page->indexOfChild(QAccessible::queryAccessibleInterface(child(cell)));
    };
    QVERIFY(place("c14") < place("c11"));
    QVERIFY(place("c24") < place("c21"));
    QVERIFY(place("c35") < place("c34"));
    QVERIFY(place("c34") < place("c31"));
    QVERIFY(place("c21") < place("c35"));
    // Marks are read where they stand once they show: above or before their digit.
    const auto inOrder = [&place](std::initializer_list<const char *> parts) {
        int last = -1;
        for (const char *part : parts) {
            if (place(part) <= last)
                return false;
            last = place(part);
        }
        return true;
    };

    const auto work = [this](const QString &keys, const char *button) {
        for (QChar key : keys)
            window->FormKeyPress(key);
        child<QAbstractButton>(button)->click();
        return description(child("hint1"));
    };
    QCOMPARE(description(child("hint1")), QString());
    QCOMPARE(work(QStringLiteral("FFFF1\r"), "W7SpeedButton6"),
             QStringLiteral("F F F F plus 1 equals 1 0 0 0 0; carried into columns 2, 3, 4 and 5"));
    QVERIFY(inOrder({"r5", "r2", "c14", "c11", "op", "c24", "c21", "c35", "c31", "hint1"}));
    QCOMPARE(work(QString(), "W7SpeedButton7"), QStringLiteral("F F F F minus 1 equals F F F E"));
    child<QAbstractButton>("W7SpeedButton5")->click();
    QCOMPARE(description(child("hint1")), QString());
    QCOMPARE(work(QStringLiteral("100\r1\r"), "W7SpeedButton7"),
             QStringLiteral("1 0 0 minus 1 equals 7 7; borrowed from columns 2 and 3"));
    QVERIFY(inOrder({"x3", "c13", "x2", "b2", "c12", "b1", "c11", "op"}));
    child<QAbstractButton>("W7SpeedButton8")->click();
    QCOMPARE(
        work(QStringLiteral("5\r123\r"), "W7SpeedButton7"),
        QStringLiteral("5 minus 1 2 3: the second number is larger, so 1 2 3 minus 5 equals "
                       "1 1 8, and the result is negative: minus 1 1 8; borrowed from column 2"));
    QCOMPARE(work(QString(), "W7SpeedButton7"),
             QStringLiteral("0 1 2 3 minus 0 0 0 5 equals 1 1 8; borrowed from column 2"));
}

void TestAccessibility::logoIsALinkThatCanBePressed()
{
    QAccessibleInterface *logo = QAccessible::queryAccessibleInterface(child("Image1"));
    QCOMPARE(logo->role(), QAccessible::Link);
    QVERIFY(logo->actionInterface());
    QVERIFY(
        logo->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QCOMPARE(logo->text(QAccessible::Name), QStringLiteral("Quorvel web page"));
}

// A screen reader speaks the window's notification each time it shows; its name is the
// last thing said.
void TestAccessibility::everyStepIsSaidWhereverTheFocusStands()
{
    const auto said = [this] {
        const auto *announcement = window->findChild<QWidget *>(QStringLiteral("announcement"));
        return announcement ? name(const_cast<QWidget *>(announcement)) : QString();
    };
    const auto press = [this](const QString &keys) {
        for (QChar key : keys)
            QTest::keyClick(window->focusWidget(), key.toLatin1());
    };
    child<QAbstractButton>("W7SpeedButton1")->click();
    QTRY_COMPARE(said(), QStringLiteral("Decimal, 0 0 1"));
    child("Od1")->setFocus();
    press(QStringLiteral("+"));
    QTRY_COMPARE(said(), QStringLiteral("Binary, 0 0 0 0 0 0 1 0"));
    press(QStringLiteral("="));
    QTRY_COMPARE(said(), QStringLiteral("Binary, 0 0 0 0 0 0 1 0. Octal, 0 0 2. Decimal, 0 0 2. "
                                        "Hexadecimal, 0 2"));
    press(QStringLiteral("^"));
    QTRY_COMPARE(said(), QStringLiteral("Counting up"));
    press(QStringLiteral("^"));
    QTRY_COMPARE(said(), QStringLiteral("Stopped"));
    for (int step = 0; step < 12; ++step)
        child<QAbstractButton>("W7SpeedButton1")->click();
    QTRY_VERIFY(said().endsWith(QStringLiteral("Binary, 0 0 0 0 1 1 1 0")));
    child("Od4")->setFocus();
    QTest::keyClick(window->focusWidget(), Qt::Key_Right);
    QTRY_COMPARE(said(), QStringLiteral("Hexadecimal digit 0, binary 0 0 0 0"));
    QTest::keyClick(window->focusWidget(), Qt::Key_Right);
    QTRY_COMPARE(said(), QStringLiteral("Hexadecimal digit E, binary 1 1 1 0"));

    selectTab(1);
    QTRY_COMPARE(said(), QStringLiteral("Hexadecimal numbers. Enter first number"));
    const auto type = [this](const QString &keys) {
        for (QChar key : keys)
            window->FormKeyPress(key);
    };
    for (auto [keys, expected] : {std::pair{"1", "First number: 1"},
                                  {"2", "First number: 1 2"},
                                  {"\b", "First number: 1"},
                                  {"\r", "First number: 1. Enter second number"},
                                  {"FF", "Second number: F. Second number: F F"},
                                  {"F", "Second number: F F F"},
                                  {"F", "Second number: F F F F. Press + or -"}}) {
        type(QString::fromLatin1(keys));
        QTRY_COMPARE(said(), QString::fromLatin1(expected));
    }
    press(QStringLiteral("+"));
    QTRY_COMPARE(said(), QStringLiteral("1 plus F F F F equals 1 0 0 0 0; carried into columns "
                                        "2, 3, 4 and 5"));
    child<QAbstractButton>("W7SpeedButton8")->click();
    QTRY_COMPARE(said(), QStringLiteral("Decimal numbers. Enter first number"));
    type(QStringLiteral("7"));
    press(QStringLiteral("="));
    QTRY_COMPARE(said(), QStringLiteral("First number: 7. Enter first number"));

    selectTab(2);
    auto *box = child("center");
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("65"));
    QTest::keyClick(box, Qt::Key_Return);
    QTRY_COMPARE(said(), QStringLiteral("Binary: 01000001, Octal: 101, Hex: 41, Unsigned: 65, "
                                        "Signed: 65, Char: 'A'"));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
