// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/aboutwindow.h"

#include "app/basesu.h"
#include "app/shelllauncher.h"
#include "common/devicepicture.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const char *const licenceOnTheWeb = "https://www.gnu.org/licenses/gpl-3.0.html";
const char *const debianLicenceCopy = "/usr/share/common-licenses/GPL-3";
// The text's width in average characters: short lines at any font size.
constexpr int charactersPerLine = 58;

QString aboutText(const QString &licence)
{
    return AboutWindow::tr(
               "<h3>Quorvel %1</h3>"
               "<p>A teaching program that shows whole numbers in binary, octal, decimal "
               "and hexadecimal.</p>"
               "<p>Copyright &copy; 2026 The Quorvel developers</p>"
               "<p>Quorvel is free software: you may share and change it under the terms of "
               "the <a href=\"%2\">GNU General Public License</a>, version 3 or later. It "
               "comes with absolutely no warranty.</p>"
               "<p><a href=\"%3\">%3</a></p>")
        .arg(QStringLiteral(QUORVEL_VERSION), licence, QLatin1String(makerWebAddress));
}

} // namespace

QString licenceAddress(const QString &localCopy)
{
    if (QFileInfo(localCopy).isFile())
        return QUrl::fromLocalFile(localCopy).toString();
    return QString::fromLatin1(licenceOnTheWeb);
}

AboutWindow::AboutWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("about"));
    setWindowTitle(tr("About Quorvel"));

    auto *logo = new QLabel(this);
    logo->setPixmap(devicePicture(QStringLiteral(":/pictures/logo.jpg")));

    const QString licence = licenceAddress(QString::fromLatin1(debianLicenceCopy));
    auto *text = new QLabel(aboutText(licence), this);
    text->setObjectName(QStringLiteral("aboutText"));
    text->setWordWrap(true);
    // The links answer the pointer; the keyboard reaches them as the buttons below, which
    // a screen reader names where it would not name a link inside the text.
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse);

    m_launcher = new ShellLauncher(this);
    connect(text, &QLabel::linkActivated, m_launcher, &ShellLauncher::launch);

    auto *buttons = new QDialogButtonBox(this);
    for (const auto &[caption, address] :
         {std::pair{tr("&Licence"), licence},
          std::pair{tr("&Web Page"), QString::fromLatin1(makerWebAddress)}}) {
        QPushButton *link = buttons->addButton(caption, QDialogButtonBox::ActionRole);
        connect(link, &QPushButton::clicked, m_launcher,
                [launcher = m_launcher, address = address] { launcher->launch(address); });
    }
    // Added last, so that Tab reaches it after the links.
    buttons->addButton(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *rows = new QVBoxLayout(this);
    rows->addWidget(logo);
    rows->addWidget(text);
    rows->addWidget(buttons);
    fitToText();
}

void AboutWindow::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitToText();
}

void AboutWindow::fitToText()
{
    ensurePolished();
    const int textWidth = fontMetrics().averageCharWidth() * charactersPerLine;
    const int fullWidth = qMax(textWidth, minimumSizeHint().width());
    setFixedSize(fullWidth, heightForWidth(fullWidth));
}
