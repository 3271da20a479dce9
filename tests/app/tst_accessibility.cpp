// What a screen reader learns of the window: the accessibility tree of every page and the
// names and values it carries as the pages change. (The offscreen platform has no
// accessibility bridge, so the update events themselves cannot be observed here.)
#include "app/basesu.h"
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

    selectTab(2);
    QAccessibleInterface *center = QAccessible::queryAccessibleInterface(child("center"));
    QCOMPARE(center->text(QAccessible::Name), QStringLiteral("Jump to value"));
    QCOMPARE(center->text(QAccessible::Value), QStringLiteral("0"));
}

void TestAccessibility::odometersReadTheirRadixAndDigits()
{
    QCOMPARE(name(child("Od1")), QStringLiteral("Binary odometer"));
    QCOMPARE(name(child("Od4")), QStringLiteral("Hexadecimal odometer"));
    QCOMPARE(description(child("Od2")), QStringLiteral("000"));
    for (int press = 0; press < 11; ++press)
        child<QAbstractButton>("W7SpeedButton1")->click();
    QCOMPARE(description(child("Od1")), QStringLiteral("00001011"));
    QCOMPARE(description(child("Od2")), QStringLiteral("013"));
    QCOMPARE(description(child("Od3")), QStringLiteral("011"));
    QCOMPARE(description(child("Od4")), QStringLiteral("0B"));
    QCOMPARE(name(child("W7SpeedButton3")), QStringLiteral("Count up automatically"));

    // The decimal entry box reads its value.
    child<QAbstractButton>("W7SpeedButton4")->click();
    QAccessibleInterface *entry = QAccessible::queryAccessibleInterface(child("decenter"));
    QCOMPARE(entry->text(QAccessible::Name), QStringLiteral("Decimal value"));
    QCOMPARE(entry->text(QAccessible::Value), QStringLiteral("11"));

    // In two bytes the binary odometer reads sixteen digits.
    child<QRadioButton>("RadioButton2")->click();
    QCOMPARE(description(child("Od1")), QString(16, QLatin1Char('0')));
}

void TestAccessibility::boardCellsReadTheirPlaceAndDigit()
{
    selectTab(1);
    QCOMPARE(description(child("W7SpeedButton9")), QStringLiteral("selected"));
    QVERIFY(description(child("W7SpeedButton5")) != QStringLiteral("selected"));
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
    QCOMPARE(description(child("W7SpeedButton5")), QStringLiteral("selected"));
    QVERIFY(description(child("W7SpeedButton9")) != QStringLiteral("selected"));
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

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
