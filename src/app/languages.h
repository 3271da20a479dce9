// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The first of the desktop's languages, most wanted first ("de-DE", "de"), that one of the
// available catalogues serves: the language itself or, failing that, its main language
// ("fr_CA" is served by "fr"). Empty where none is: the program then speaks English.
QString chosenLanguage(const QStringList &uiLanguages, const QStringList &available);

// The languages the program carries catalogues for, as their files name them ("pt_BR").
QStringList availableLanguages();

// Puts the program, and Qt's own texts, into the first of these languages that the program
// is translated into, replacing the language installed before; English where none is.
// Returns the language chosen, or an empty string for English.
QString installLanguage(const QStringList &uiLanguages);

// The language installed last, or an empty string for English.
QString installedLanguage();

// The guide the help window shows, in the installed language: the README's guide for English.
QString compiledInGuide();
