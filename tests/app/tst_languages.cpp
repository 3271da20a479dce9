// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/basesu.h"
#include "app/guidesection.h"
#include "app/languages.h"
#include "captionfaults.h"
#include "windowpart.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QTranslator>
#include <QXmlStreamReader>

#include <memory>

namespace {

const QStringList translatedLanguages =
    QString::fromLatin1(QUORVEL_LANGUAGES).split(QLatin1Char(' '));

// Every text of the program marked at both ends and made a third longer, as the longer
// languages make it: a text shown without the marks never went through the catalogue.
class PseudoTranslator : public QTranslator
{
public:
    static constexpr QChar opening = u'\u00ab';
    static constexpr QChar closing = u'\u00bb';

    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char *, int) const override
    {
        if (!source || !*source)
            return {};
        const QString text = QString::fromUtf8(source);
        return opening + text + QString(int(text.size()) / 3, u'~') + closing;
    }
};

// Digits, signs, the hexadecimal letters and a button's one-letter arrow ("v") are the same
// in every language.
bool isLanguageFree(const QString &text)
{
    static const QRegularExpression data(QStringLiteral(R"(^[0-9A-F\s\p{P}\p{S}]*$)"));
    return text.size() == 1 || data.match(text).hasMatch();
}

// The texts a user sees or hears from the widgets under this one, and their accessible
// names and descriptions, that the pseudo-translation did not mark.
QStringList unmarkedTexts(const QWidget *top)
{
    QStringList unmarked;
    const auto check = [&unmarked](const QObject *part, const QString &text) {
        if (!isLanguageFree(text) && !text.contains(PseudoTranslator::opening))
            unmarked << part->objectName() + QLatin1String(": ") + text;
    };
    QList<const QWidget *> parts{top};
    for (const QWidget *part : top->findChildren<QWidget *>())
        parts << part;
    for (const QWidget *part : std::as_const(parts)) {
        if (part->isWindow())
            check(part, part->windowTitle());
        check(part, part->toolTip());
        check(part, part->accessibleName());
        check(part, part->accessibleDescription());
        if (const auto *label = qobject_cast<const QLabel *>(part))
            check(part, label->text());
        if (const auto *button = qobject_cast<const QAbstractButton *>(part))
            check(part, button->text());
        if (const auto *view = qobject_cast<const QAbstractItemView *>(part)) {
            for (int column = 0; column < view->model()->columnCount(); ++column)
                check(part, view->model()->headerData(column, Qt::Horizontal).toString());
        }
        if (const auto *tabs = qobject_cast<const QTabBar *>(part)) {
            for (int index = 0; index < tabs->count(); ++index)
                check(part, tabs->tabText(index));
        }
        if (QAccessibleInterface *reading =
                QAccessible::queryAccessibleInterface(const_cast<QWidget *>(part))) {
            check(part, reading->text(QAccessible::Name));
            check(part, reading->text(QAccessible::Description));
        }
    }
    return unmarked;
}

// Where a message's placeholders differ between its source and its translation, and
// where a language other than British English leaves a message untranslated.
QStringList catalogueFaults(const QString &language)
{
    QFile file(QStringLiteral(QUORVEL_TRANSLATIONS_DIR "/quorvel_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return {file.fileName() + QLatin1String(" cannot be read")};
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    const auto placeholders = [](const QString &text) {
        QStringList found;
        for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
            found << match.captured();
        found.sort();
        found.removeDuplicates();
        return found;
    };
    QStringList faults;
    QXmlStreamReader catalogue(&file);
    QString source;
    while (!catalogue.atEnd()) {
        if (catalogue.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (catalogue.name() == u"source") {
            source = catalogue.readElementText();
        } else if (catalogue.name() == u"translation") {
            const bool unfinished =
                catalogue.attributes().value(QLatin1String("type")) == u"unfinished";
            const QString translation = catalogue.readElementText();
            if (unfinished || translation.isEmpty()) {
                if (language != u"en_GB")
                    faults << QLatin1String("untranslated: ") + source;
            } else if (placeholders(translation) != placeholders(source)) {
                faults << QLatin1String("placeholders differ: ") + translation;
            }
        }
    }
    return faults;
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void desktopLanguageChoosesTheCatalogue_data();
    void desktopLanguageChoosesTheCatalogue();
    void everyCatalogueIsCompiledInAndComplete();
    void everyCaptionShowsWholeInEveryLanguage_data();
    void everyCaptionShowsWholeInEveryLanguage();
    void helpShowsEachPageInEveryLanguage_data();
    void helpShowsEachPageInEveryLanguage();
    void everyTextComesThroughTheCatalogue();
};

void TestLanguages::cleanup()
{
    installLanguage({});
}

void TestLanguages::desktopLanguageChoosesTheCatalogue_data()
{
    QTest::addColumn<QStringList>("desktop");
    QTest::addColumn<QString>("chosen");
    const auto add = [](const char *row, const char *desktop, const char *chosen) {
        QTest::newRow(row) << QString::fromLatin1(desktop).split(QLatin1Char(' '))
                           << QString::fromLatin1(chosen);
    };
    add("German of Germany", "de-DE de", "de");
    add("Canadian French by its main language", "fr-CA fr", "fr");
    add("main language alone", "ru", "ru");
    add("Brazilian Portuguese", "pt-BR pt", "pt_BR");
    add("British English", "en-GB en", "en_GB");
    add("American English is the source", "en-US en", "");
    add("the first served of several", "sv-SE sv it-IT it", "it");
    add("none served", "ja-JP ja", "");
}

void TestLanguages::desktopLanguageChoosesTheCatalogue()
{
    QFETCH(QStringList, desktop);
    QFETCH(QString, chosen);
    QCOMPARE(chosenLanguage(desktop, availableLanguages()), chosen);
    QCOMPARE(installLanguage(desktop), chosen);
    QCOMPARE(installedLanguage(), chosen);
    // Qt's own texts, such as the boxes' context menus, come in the same language.
    const bool qtInEnglish =
        QCoreApplication::translate("QLineEdit", "&Undo") == QLatin1String("&Undo");
    QCOMPARE(qtInEnglish, chosen.isEmpty() || chosen == u"en_GB");
}

void TestLanguages::everyCatalogueIsCompiledInAndComplete()
{
    QStringList available = availableLanguages();
    QStringList expected = translatedLanguages;
    available.sort();
    expected.sort();
    QCOMPARE(available, expected);
    for (const QString &language : translatedLanguages)
        QVERIFY2(catalogueFaults(language).isEmpty(),
                 qPrintable(language + QLatin1String(": ") +
                            catalogueFaults(language).join(QLatin1String("\n"))));
}

void TestLanguages::everyCaptionShowsWholeInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << QString();
    for (const QString &language : translatedLanguages)
        QTest::newRow(qPrintable(language)) << language;
}

void TestLanguages::everyCaptionShowsWholeInEveryLanguage()
{
    QFETCH(QString, language);
    QCOMPARE(installLanguage({language}), language);
    Tfbases window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(captionsNotWholeInEveryState(&window), QStringList());
}

void TestLanguages::helpShowsEachPageInEveryLanguage_data()
{
    everyCaptionShowsWholeInEveryLanguage_data();
}

// Each language's guide has a part for every page, found by the page's tab caption, and
// the opening part that serves them all.
void TestLanguages::helpShowsEachPageInEveryLanguage()
{
    QFETCH(QString, language);
    installLanguage({language});
    const QString guide = compiledInGuide();
    installLanguage({});
    QCOMPARE(guide == compiledInGuide(), language.isEmpty());
    installLanguage({language});
    Tfbases window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *tabs = windowPart<QTabBar>(&window, "tabs");
    QVERIFY(!guideIntroduction(guide, QCoreApplication::translate("HelpWindow", "Using Quorvel"))
                 .isEmpty());
    for (int index = 0; index < tabs->count(); ++index) {
        tabs->setCurrentIndex(index);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        auto *help = windowPart<QDialog>(&window, "help");
        const QString shown = windowPart<QTextBrowser>(help, "guide")->toPlainText();
        QVERIFY2(shown.startsWith(tabs->tabText(index) + QLatin1Char('\n')), qPrintable(shown));
        QVERIFY2(shown.count(QLatin1Char('\n')) > 3, qPrintable(shown));
    }
}

void TestLanguages::everyTextComesThroughTheCatalogue()
{
    PseudoTranslator pseudo;
    QCoreApplication::installTranslator(&pseudo);
    Tfbases window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QStringList unmarked;
    const auto look = [&unmarked](const QWidget *top, const char *state) {
        for (const QString &text : unmarkedTexts(top))
            unmarked << QLatin1String(state) + QLatin1String(": ") + text;
    };
    auto *tabs = windowPart<QTabBar>(&window, "tabs");
    QTest::keyClick(&window, Qt::Key_Plus);
    look(&window, "a step");
    QTest::keyClick(&window, Qt::Key_Right);
    look(&window, "a pointed digit");
    QTest::keyClick(&window, Qt::Key_AsciiCircum);
    look(&window, "counting");
    QTest::keyClick(&window, Qt::Key_Equal);
    look(&window, "every counter");
    tabs->setCurrentIndex(1);
    look(&window, "a new problem");
    for (const char key : {'1', '\r', '2'}) {
        window.FormKeyPress(QLatin1Char(key));
        look(&window, "numbers typed");
    }
    window.FormKeyPress(QLatin1Char('-'));
    look(&window, "a negative working");
    window.FormKeyPress(QLatin1Char('+'));
    look(&window, "a sum");
    tabs->setCurrentIndex(2);
    look(&window, "the table");
    QTest::keyClick(&window, Qt::Key_F1);
    auto *help = windowPart<QDialog>(&window, "help");
    look(help, "help");
    windowPart<QAbstractButton>(help, "aboutButton")->click();
    look(windowPart<QDialog>(help, "about"), "about");
    QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(u'\n')));

    // Where a text a third longer no longer fits its place, a translation must be shorter.
    const QStringList tight = captionsNotWholeInEveryState(&window);
    if (!tight.isEmpty())
        qInfo("Captions that cannot grow by a third:\n%s", qPrintable(tight.join(u'\n')));
    QCoreApplication::removeTranslator(&pseudo);
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
