// SPDX-License-Identifier: GPL-3.0-or-later
#include "tablewindow.h"

#include <cstdio>
#include <string>

// Every data cell of both tables against texts worked out here with the C library.
class TestTableCells : public QObject
{
    Q_OBJECT

private slots:
    void everyCellOfTheOneByteTable();
    void everyCellOfTheTwoByteTable();
    void charColumnHeaderFollowsTheWidth();

private:
    void checkEveryCell(const TableWindow &table, int width);
};

namespace {

std::string binary(unsigned pattern, int digits)
{
    std::string text;
    for (int bit = digits - 1; bit >= 0; --bit)
        text += (pattern >> bit) & 1 ? '1' : '0';
    return text;
}

std::string characterText(unsigned code)
{
    char text[16];
    if (code >= 7 && code <= 13)
        std::snprintf(text, sizeof text, "'\\%c'", "abtnvfr"[code - 7]);
    else if (code == '\'' || code == '\\')
        std::snprintf(text, sizeof text, "'\\%c'", code);
    else if (code >= 32 && code < 127)
        std::snprintf(text, sizeof text, "'%c'", code);
    else
        std::snprintf(text, sizeof text, "'\\%03o'", code);
    return text;
}

QString expected(int column, int value, int width)
{
    const unsigned pattern = unsigned(value) & (width == 1 ? 0xFFu : 0xFFFFu);
    char text[40] = "";
    switch (column) {
    case 0:
        return QString::fromStdString(binary(pattern, 8 * width));
    case 1:
        std::snprintf(text, sizeof text, "%o", pattern);
        break;
    case 2:
        std::snprintf(text, sizeof text, "%0*X", 2 * width, pattern);
        break;
    case 3:
        std::snprintf(text, sizeof text, "%u", pattern);
        break;
    case 4:
        std::snprintf(text, sizeof text, "%d", value);
        break;
    case 5:
        return width == 1 ? QString::fromStdString(characterText(pattern)) : QString();
    }
    return QString::fromLatin1(text);
}

const QStringList fixedHeaders{"Binary", "Octal", "Hex", "Unsigned", "Signed"};

} // namespace

void TestTableCells::checkEveryCell(const TableWindow &table, int width)
{
    const int valueCount = 1 << (8 * width);
    QCOMPARE(table.RowCount(), valueCount + 1);
    // Signed order: the most negative value on the first data row.
    int value = -valueCount / 2;
    for (int row = 1; row <= valueCount; ++row, ++value) {
        for (int column = 0; column < 6; ++column) {
            const QString shown = table.cell(column, row);
            if (shown != expected(column, value, width))
                QFAIL(qPrintable(QStringLiteral("row %1 column %2: \"%3\", expected \"%4\"")
                                     .arg(row)
                                     .arg(column)
                                     .arg(shown, expected(column, value, width))));
        }
    }
    for (int column = 0; column < 5; ++column)
        QCOMPARE(table.cell(column, 0), fixedHeaders[column]);
}

void TestTableCells::everyCellOfTheOneByteTable()
{
    TableWindow table;
    checkEveryCell(table, 1);
}

void TestTableCells::everyCellOfTheTwoByteTable()
{
    TableWindow table;
    table.twoBytes->click();
    checkEveryCell(table, 2);
}

void TestTableCells::charColumnHeaderFollowsTheWidth()
{
    TableWindow table;
    QCOMPARE(table.cell(5, 0), QStringLiteral("Char"));
    table.twoBytes->click();
    QCOMPARE(table.cell(5, 0), QString());
    table.oneByte->click();
    QCOMPARE(table.cell(5, 0), QStringLiteral("Char"));
}

QTEST_MAIN(TestTableCells)
#include "tst_tablecells.moc"
