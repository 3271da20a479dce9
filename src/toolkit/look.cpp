// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/look.h"

#include <QFont>
#include <QPalette>

namespace {

// Debian's scalable faces for the families the layout names. FreeSans keeps every Tahoma
// caption within the place the layout gives it and has a drawn bold; Comic Neue has the
// rounded hand of Comic Sans and a bold of its own. A real face of the named family, where
// one is installed, is still used first.
struct StandIn
{
    const char *family; // the name the layout asks for
    const char *face;
};

constexpr StandIn standIns[] = {
    {"Tahoma", "FreeSans"},
    {"MS Sans Serif", "FreeSans"},
    {"Comic Sans MS", "Comic Neue"},
};

} // namespace

void registerStandInFonts()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    for (const StandIn &standIn : standIns)
        QFont::insertSubstitution(QString::fromLatin1(standIn.family),
                                  QString::fromLatin1(standIn.face));
}

namespace {

QFont pixelFont(const char *family, int pixelSize, bool bold = false)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace

QFont roleFont(FontRole role)
{
    registerStandInFonts();
    switch (role) {
    case FontRole::WindowText:
    case FontRole::SelectedTabCaption:
        return pixelFont("Tahoma", 11);
    case FontRole::ValueLabel:
        return pixelFont("Tahoma", 13, true);
    case FontRole::PushButtonCaption:
        return pixelFont("Tahoma", 19, true);
    case FontRole::RadixButtonCaption:
        return pixelFont("Tahoma", 15, true);
    case FontRole::BoardDigit:
        return pixelFont("Comic Sans MS", 48, true);
    case FontRole::BoardMark:
        return pixelFont("Comic Sans MS", 24, true);
    case FontRole::BoardStrike:
        return pixelFont("Comic Sans MS", 48);
    case FontRole::BoardHint:
        return pixelFont("Tahoma", 13);
    case FontRole::GridData:
        return pixelFont("Tahoma", 19);
    case FontRole::GridHeader:
        return pixelFont("Tahoma", 19, true);
    case FontRole::TabCaption:
        break;
    }
    return pixelFont("MS Sans Serif", 11);
}

QPalette windowPalette()
{
    using namespace palette;
    QPalette colors;
    const auto pin = [&colors](QPalette::ColorRole role, QRgb rgb) {
        colors.setColor(role, QColor(rgb));
    };
    pin(QPalette::Window, page);
    pin(QPalette::WindowText, windowText);
    pin(QPalette::Base, page);
    pin(QPalette::AlternateBase, alternateBase);
    pin(QPalette::Text, windowText);
    pin(QPalette::PlaceholderText, disabledCaption);
    pin(QPalette::Button, controlFace);
    pin(QPalette::ButtonText, windowText);
    pin(QPalette::BrightText, page);
    pin(QPalette::Light, page);
    pin(QPalette::Midlight, controlMidlight);
    pin(QPalette::Mid, controlMid);
    pin(QPalette::Dark, controlDark);
    pin(QPalette::Shadow, controlShadow);
    pin(QPalette::Highlight, editSelection);
    pin(QPalette::HighlightedText, page);
    pin(QPalette::Link, linkText);
    pin(QPalette::LinkVisited, visitedLinkText);
    pin(QPalette::ToolTipBase, toolTip);
    pin(QPalette::ToolTipText, windowText);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        colors.setColor(QPalette::Disabled, role, QColor(disabledCaption));
    return colors;
}
