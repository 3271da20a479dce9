// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/basesu.h"
#include "toolkit/look.h"
#include "windowpart.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QRadioButton>
#include <QRawFont>
#include <QTabBar>

// The characters of a caption that its face has no glyph for: the toolkit would borrow
// them from another face, out of the look.
inline QString missingGlyphs(const QFont &font, const QString &caption)
{
    const QRawFont face = QRawFont::fromFont(font);
    QString missing;
    for (const QChar character : caption) {
        if (!character.isSpace() && !face.supportsCharacter(character))
            missing += character;
    }
    return missing;
}

// The components in view in the window itself, not its dialogs, whose caption runs past their
// place, whose face lacks one of its characters, or whose face is not the scalable, truly bold or
// regular one its font asks for; and tabs that run into the width buttons.
inline QStringList captionsNotWhole(const QWidget *window)
{
    QStringList faults;
    const auto checkGlyphs = [&faults](const QWidget *part, const QFont &font,
                                       const QString &caption) {
        if (const QString missing = missingGlyphs(font, caption); !missing.isEmpty())
            faults << part->objectName() + QLatin1String(" has no glyph for ") + missing;
    };
    const auto check = [&](const QWidget *part, const QString &caption, int room) {
        if (caption.trimmed().isEmpty() || !part->isVisible() || part->window() != window)
            return;
        const QFont font = part->font();
        const QFontInfo face(font);
        const bool boldDrawn = QRawFont::fromFont(font).weight() >= QFont::DemiBold;
        if (part->fontMetrics().horizontalAdvance(caption) > room)
            faults << part->objectName() + QLatin1String(" cut: ") + caption;
        if (!QFontDatabase::isSmoothlyScalable(face.family(), face.styleName()))
            faults << part->objectName() + QLatin1String(" not scalable: ") + face.family();
        if (boldDrawn != font.bold())
            faults << part->objectName() + QLatin1String(" wrong weight: ") + face.family();
        checkGlyphs(part, font, caption);
    };
    for (const QLabel *label : window->findChildren<QLabel *>())
        check(label, label->text(), label->contentsRect().width());
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        const bool radio = qobject_cast<const QRadioButton *>(button);
        // A radio button's mark comes before its caption; the style says how wide both are.
        const int room =
            radio ? button->width() - (button->sizeHint().width() -
                                       button->fontMetrics().horizontalAdvance(button->text()))
                  : button->width();
        check(button, button->text(), room);
    }
    const auto *tabs = windowPart<QTabBar>(window, "tabs");
    for (int index = 0; index < tabs->count(); ++index) {
        for (const FontRole role : {FontRole::TabCaption, FontRole::SelectedTabCaption})
            checkGlyphs(tabs, roleFont(role), tabs->tabText(index));
    }
    const int stripEnd = tabs->mapTo(window, tabs->tabRect(tabs->count() - 1).topRight()).x();
    const int widthButtons = windowPart(window, "RadioButton1")->mapTo(window, QPoint()).x();
    if (stripEnd >= widthButtons)
        faults << QStringLiteral("tabs end at %1, under the width buttons").arg(stripEnd);
    return faults;
}

// Each state a caption can change in: both widths on every page, and on the Calculate page
// each prompt, a negative working and every radix. Returns each fault once, named by the
// first state it shows in.
inline QStringList captionsNotWholeInEveryState(Tfbases *window)
{
    QStringList faults;
    QStringList seen;
    const auto look = [&faults, &seen, window](const QString &state) {
        for (const QString &fault : captionsNotWhole(window)) {
            if (!seen.contains(fault))
                faults << state + QLatin1String(": ") + fault;
            seen << fault;
        }
    };
    auto *tabs = windowPart<QTabBar>(window, "tabs");
    const auto type = [window](const char *keys) {
        for (const char *key = keys; *key; ++key)
            window->FormKeyPress(QLatin1Char(*key));
    };
    tabs->setCurrentIndex(0);
    for (const char *width : {"RadioButton1", "RadioButton2"}) {
        windowPart<QRadioButton>(window, width)->click();
        look(QLatin1String(width));
    }
    tabs->setCurrentIndex(1);
    look(QStringLiteral("the first number"));
    type("FFFF");
    look(QStringLiteral("the second number"));
    type("1\r");
    look(QStringLiteral("the choice of + or -"));
    windowPart<QAbstractButton>(window, "W7SpeedButton7")->click();
    look(QStringLiteral("a negative working"));
    for (const char *radix : {"W7SpeedButton5", "W7SpeedButton8"}) {
        windowPart<QAbstractButton>(window, radix)->click();
        look(QLatin1String(radix));
    }
    tabs->setCurrentIndex(2);
    for (const char *width : {"RadioButton2", "RadioButton1"}) {
        windowPart<QRadioButton>(window, width)->click();
        look(QLatin1String("Table ") + QLatin1String(width));
    }
    return faults;
}
