// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/helpwindow.h"

#include "app/aboutwindow.h"
#include "app/guidesection.h"
#include "app/languages.h"
#include "toolkit/focusmark.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// The window's first size, in average characters and lines of its font.
constexpr int charactersPerLine = 72;
constexpr int linesInView = 26;

} // namespace

HelpWindow::HelpWindow(QTabBar *pageTabs, QWidget *parent)
    : QDialog(parent), m_pageTabs(pageTabs), m_guideText(compiledInGuide())
{
    setObjectName(QStringLiteral("help"));
    setWindowTitle(tr("Quorvel Help"));

    m_guide = new QTextBrowser(this);
    m_guide->setObjectName(QStringLiteral("guide"));
    (new FocusMark(this))->follow(m_guide);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *about = buttons->addButton(tr("&About Quorvel"), QDialogButtonBox::ActionRole);
    about->setObjectName(QStringLiteral("aboutButton"));
    connect(about, &QPushButton::clicked, this, &HelpWindow::showAbout);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *rows = new QVBoxLayout(this);
    rows->addWidget(m_guide);
    rows->addWidget(buttons);

    connect(m_pageTabs, &QTabBar::currentChanged, this, &HelpWindow::showPage);
    showPage(m_pageTabs->currentIndex());
    fitToFont();
    if (parent)
        placeBeside(parent->window());
}

void HelpWindow::fitToFont()
{
    ensurePolished();
    const QFontMetrics metrics = fontMetrics();
    const QSize comfortable(metrics.averageCharWidth() * charactersPerLine,
                            metrics.lineSpacing() * linesInView);
    const QSize room = screen()->availableGeometry().size();
    resize(comfortable.expandedTo(minimumSizeHint()).boundedTo(room));
}

void HelpWindow::placeBeside(const QWidget *mainWindow)
{
    constexpr int gap = 8;
    const QRect frame = mainWindow->frameGeometry();
    const QRect room = mainWindow->screen()->availableGeometry();
    const QRect right(frame.topRight() + QPoint(gap + 1, 0), size());
    const QRect left(frame.topLeft() - QPoint(gap + width(), 0), size());
    for (const QRect &place : {right, left}) {
        if (room.contains(place)) {
            move(place.topLeft());
            return;
        }
    }
}

void HelpWindow::showPage(int index)
{
    // The guide's own heading, whose opening text serves every page.
    const QString title = tr("Using Quorvel");
    m_guide->setMarkdown(guideSection(m_guideText, m_pageTabs->tabText(index)) +
                         QLatin1String("\n\n### ") + title + QLatin1String("\n\n") +
                         guideIntroduction(m_guideText, title));
}

void HelpWindow::showAbout()
{
    if (!m_about)
        m_about = new AboutWindow(this);
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}
