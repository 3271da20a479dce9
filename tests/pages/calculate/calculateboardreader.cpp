// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculateboardreader.h"

CalculateBoardReader::CalculateBoardReader(CalculatePage &page) : m_page(page)
{
    for (unsigned row = 1; row <= 3; ++row) {
        for (unsigned column = 1; column <= (row == 3 ? 5u : 4u); ++column)
            m_cells[row][column] = label(QStringLiteral("c%1%2").arg(row).arg(column));
    }
    for (unsigned column = 2; column <= 5; ++column)
        m_topMarks[column] = label(QStringLiteral("r%1").arg(column));
    for (unsigned column = 1; column <= 3; ++column)
        m_borrowMarks[column] = label(QStringLiteral("b%1").arg(column));
    for (unsigned column = 2; column <= 4; ++column)
        m_strikes[column] = label(QStringLiteral("x%1").arg(column));
    m_minus = label(QStringLiteral("minus"));
    m_minus2 = page.findChild<QWidget *>(QStringLiteral("minus2"));
    m_op = label(QStringLiteral("op"));
    m_hint = label(QStringLiteral("hint1"));
}

QLabel *CalculateBoardReader::label(const QString &name) const
{
    auto *label = m_page.findChild<QLabel *>(name);
    Q_ASSERT_X(label, "CalculateBoardReader", qPrintable(name));
    return label;
}

QString CalculateBoardReader::rowText(unsigned row) const
{
    QString text;
    for (unsigned column = row == 3 ? 5 : 4; column >= 1; --column)
        text += m_cells[row][column]->text();
    return text;
}

QChar CalculateBoardReader::topMark(unsigned column) const
{
    const QLabel *mark = m_topMarks[column];
    return mark->isVisibleTo(&m_page) ? mark->text().at(0) : QChar(u' ');
}

QChar CalculateBoardReader::borrowMark(unsigned column) const
{
    return m_borrowMarks[column]->text().at(0);
}

bool CalculateBoardReader::struck(unsigned column) const
{
    return m_strikes[column]->isVisibleTo(&m_page) && m_strikes[column]->text() == "/";
}

bool CalculateBoardReader::minusShown() const
{
    return m_minus->isVisibleTo(&m_page);
}

bool CalculateBoardReader::bracketShown() const
{
    return m_minus2->isVisibleTo(&m_page);
}

QString CalculateBoardReader::operatorSign() const
{
    return m_op->text();
}

QString CalculateBoardReader::hint() const
{
    return m_hint->text();
}

SpeedButton *CalculateBoardReader::speedButton(const char *name) const
{
    return m_page.findChild<SpeedButton *>(QLatin1String(name));
}

void CalculateBoardReader::type(const QString &keys) const
{
    for (QChar key : keys)
        m_page.FormKeyPress(key);
}

void CalculateBoardReader::click(const char *name) const
{
    speedButton(name)->click();
}
