// SPDX-License-Identifier: GPL-3.0-or-later
#include "tablewindow.h"

#include <QTranslator>

namespace {

// Puts each Table page text in brackets, so that a header shown untranslated stands out.
class BracketingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (!source || qstrcmp(context, "TablePage") != 0)
            return {};
        return QLatin1Char('[') + QString::fromUtf8(source) + QLatin1Char(']');
    }
};

QStringList headers(const TableWindow &table)
{
    QStringList texts;
    for (int column = 0; column < table.grid->model()->columnCount(); ++column)
        texts << table.grid->model()->headerData(column, Qt::Horizontal).toString();
    return texts;
}

} // namespace

// The Table page's column headers come in the user's language, also after the width
// buttons have taken the character column away and given it back.
class TestTableHeader : public QObject
{
    Q_OBJECT

private slots:
    void headersFollowTheLanguageAcrossWidths();
};

void TestTableHeader::headersFollowTheLanguageAcrossWidths()
{
    BracketingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    TableWindow table;
    const QStringList oneByte{QStringLiteral("[Binary]"), QStringLiteral("[Octal]"),
                              QStringLiteral("[Hex]"),    QStringLiteral("[Unsigned]"),
                              QStringLiteral("[Signed]"), QStringLiteral("[Char]")};
    QStringList twoBytes = oneByte;
    twoBytes.last().clear();

    QCOMPARE(headers(table), oneByte);
    table.twoBytes->click();
    QCOMPARE(headers(table), twoBytes);
    table.oneByte->click();
    QCOMPARE(headers(table), oneByte);
}

QTEST_MAIN(TestTableHeader)
#include "tst_tableheader.moc"
