// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {

const QLatin1String catalogueFolder(":/i18n");
const QLatin1String catalogueStem("quorvel_");

struct InstalledLanguage
{
    QString name;
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> toolkit;
};

InstalledLanguage &installed()
{
    static InstalledLanguage language;
    return language;
}

} // namespace

QString chosenLanguage(const QStringList &uiLanguages, const QStringList &available)
{
    for (QString wanted : uiLanguages) {
        wanted.replace(QLatin1Char('-'), QLatin1Char('_'));
        for (const QString &candidate : {wanted, wanted.section(QLatin1Char('_'), 0, 0)}) {
            for (const QString &language : available) {
                if (language.compare(candidate, Qt::CaseInsensitive) == 0)
                    return language;
            }
        }
    }
    return {};
}

QStringList availableLanguages()
{
    QStringList languages;
    for (const QString &file :
         QDir(catalogueFolder).entryList({catalogueStem + QLatin1String("*.qm")}))
        languages << file.mid(catalogueStem.size()).chopped(3);
    return languages;
}

QString installLanguage(const QStringList &uiLanguages)
{
    InstalledLanguage &language = installed();
    for (std::unique_ptr<QTranslator> *translator : {&language.program, &language.toolkit}) {
        if (*translator)
            QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
    language.name = chosenLanguage(uiLanguages, availableLanguages());
    if (language.name.isEmpty())
        return {};
    language.program = std::make_unique<QTranslator>();
    if (language.program->load(catalogueStem + language.name, catalogueFolder))
        QCoreApplication::installTranslator(language.program.get());
    // The boxes' context menus and the dialogs' standard buttons speak Qt's own catalogue.
    language.toolkit = std::make_unique<QTranslator>();
    if (language.toolkit->load(QLocale(language.name), QStringLiteral("qtbase"),
                               QStringLiteral("_"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(language.toolkit.get());
    return language.name;
}

QString installedLanguage()
{
    return installed().name;
}

QString compiledInGuide()
{
    const QString translated = QStringLiteral(":/guide/guide_%1.md").arg(installedLanguage());
    QFile guide(QFile::exists(translated) ? translated : QStringLiteral(":/guide.md"));
    guide.open(QIODevice::ReadOnly);
    return QString::fromUtf8(guide.readAll());
}
