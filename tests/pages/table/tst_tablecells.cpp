// SPDX-License-Identifier: GPL-3.0-or-later
#include "tablewindow.h"

#include <QTranslator>

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
    void translatedCharHeaderComesBackWithOneByte();

private:
    void checkEveryCell(const TableWindow &table, int width);
    void checkCharHeaderFollowsTheWidth(const TableWindow &table, const QString &header);
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

// A catalogue that brackets every text of the table page, so that a text shown untranslated
// stands out.
class BracketingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "TablePage") != 0)
            return {};
        return QLatin1Char('[') + QString::fromUtf8(sourceText) + QLatin1Char(']');
    }
    bool isEmpty() const override { return false; }
};

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

// The character column has its header only while the table is one byte wide.
void TestTableCells::checkCharHeaderFollowsTheWidth(const TableWindow &table, const QString &header)
{
    QCOMPARE(table.cell(5, 0), header);
    table.twoBytes->click();
    QCOMPARE(table.cell(5, 0), QString());
    table.oneByte->click();
    QCOMPARE(table.cell(5, 0), header);
}

void TestTableCells::charColumnHeaderFollowsTheWidth()
{
    TableWindow table;
    checkCharHeaderFollowsTheWidth(table, QStringLiteral("Char"));
}

void TestTableCells::translatedCharHeaderComesBackWithOneByte()
{
    BracketingTranslator catalogue;
    QCoreApplication::installTranslator(&catalogue);
    TableWindow table;
    checkCharHeaderFollowsTheWidth(table, QStringLiteral("[Char]"));
    for (int column = 0; column < 5; ++column)
        QCOMPARE(table.cell(column, 0), QLatin1Char('[') + fixedHeaders[column] + QLatin1Char(']'));
    QCoreApplication::removeTranslator(&catalogue);
}

QTEST_MAIN(TestTableCells)
#include "tst_tablecells.moc"
