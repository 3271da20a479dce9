#include "calculateboardreader.h"

CalculateBoardReader::CalculateBoardReader(CalculatePage &page) : m_page(page)
{
    for (unsigned row = 1; row <= 3; ++row) {
        for (unsigned column = 1; column <= (row == 3 ? 5u : 4u); ++column)
            m_cells[row][column] = Label(QStringLiteral("c%1%2").arg(row).arg(column));
    }
    for (unsigned column = 2; column <= 5; ++column)
        m_topMarks[column] = Label(QStringLiteral("r%1").arg(column));
    for (unsigned column = 1; column <= 3; ++column)
        m_borrowMarks[column] = Label(QStringLiteral("b%1").arg(column));
    for (unsigned column = 2; column <= 4; ++column)
        m_strikes[column] = Label(QStringLiteral("x%1").arg(column));
    m_minus = Label(QStringLiteral("minus"));
    m_minus2 = page.findChild<QWidget *>(QStringLiteral("minus2"));
    m_op = Label(QStringLiteral("op"));
    m_hint = Label(QStringLiteral("hint1"));
}

QLabel *CalculateBoardReader::Label(const QString &name) const
{
    auto *label = m_page.findChild<QLabel *>(name);
    Q_ASSERT_X(label, "CalculateBoardReader", qPrintable(name));
    return label;
}

QString CalculateBoardReader::Row(unsigned row) const
{
    QString text;
    for (unsigned column = row == 3 ? 5 : 4; column >= 1; --column)
        text += m_cells[row][column]->text();
    return text;
}

QChar CalculateBoardReader::TopMark(unsigned column) const
{
    const QLabel *mark = m_topMarks[column];
    return mark->isVisibleTo(&m_page) ? mark->text().at(0) : QChar(u' ');
}

QChar CalculateBoardReader::BorrowMark(unsigned column) const
{
    return m_borrowMarks[column]->text().at(0);
}

bool CalculateBoardReader::Struck(unsigned column) const
{
    return m_strikes[column]->isVisibleTo(&m_page) && m_strikes[column]->text() == "/";
}

bool CalculateBoardReader::MinusShown() const
{
    return m_minus->isVisibleTo(&m_page);
}

bool CalculateBoardReader::BracketShown() const
{
    return m_minus2->isVisibleTo(&m_page);
}

QString CalculateBoardReader::Operator() const
{
    return m_op->text();
}

QString CalculateBoardReader::Hint() const
{
    return m_hint->text();
}

SpeedButton *CalculateBoardReader::Button(const char *name) const
{
    return m_page.findChild<SpeedButton *>(QLatin1String(name));
}

void CalculateBoardReader::Type(const QString &keys) const
{
    for (QChar key : keys)
        m_page.FormKeyPress(key);
}

void CalculateBoardReader::Click(const char *name) const
{
    Button(name)->click();
}
