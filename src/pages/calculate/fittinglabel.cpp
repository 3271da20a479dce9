// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/calculate/fittinglabel.h"

#include <QEvent>

FittingLabel::FittingLabel(QWidget *parent) : QLabel(parent) {}

void FittingLabel::setCaption(QChar character)
{
    const QString current = text();
    if (current.size() == 1 && current.front() == character)
        return;
    setText(QString(character));
    // A named label is a place on the board; what it holds is read as its description.
    if (!accessibleName().isEmpty())
        setAccessibleDescription(character == u' ' ? tr("blank") : QString(character));
    fit();
}

// Measuring loads the font, which the start of the program can do without: a hidden
// label is fitted when it comes into view.
void FittingLabel::fit()
{
    if (!m_autoSize || !isVisible() || text().size() != 1)
        return;
    const QChar character = text().front();
    auto fitted = m_fittedSizes.constFind(character);
    if (fitted == m_fittedSizes.cend())
        fitted = m_fittedSizes.insert(character, sizeHint());
    resize(*fitted);
}

void FittingLabel::showEvent(QShowEvent *event)
{
    fit();
    QLabel::showEvent(event);
}

void FittingLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        m_fittedSizes.clear();
    QLabel::changeEvent(event);
}
