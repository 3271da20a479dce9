// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a user meets it, going from page to page. How the screen is read: sizes
// from the window system (the client geometry plus the frame extents the window manager
// reports), the caption from the window's name property, the tabs by the ink of their
// captions and the grey face of the selected one, the width buttons by the figures of their
// captions as ScreenText reads them.
#include "screentext.h"
#include "story.h"
#include "tabcaptions.h"

#include <QTest>

namespace {

constexpr QSize narrowWindow(442, 356);
constexpr int tableWidth = 857;

// The figures that begin the captions of the two width buttons of the top bar ("1 Byte"
// and "2 bytes"), as they read on the screen; the letters of the small font touch.
QString widthButtonFigures(const QImage &shot)
{
    static const ScreenText reader(programFont("Tahoma", 11, false), QStringLiteral("12"));
    return reader.read(shot, QRect(393, 4, 8, 17)) + reader.read(shot, QRect(393, 20, 8, 17));
}

} // namespace

class PagesStory : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void captionIsExactlyTheWindowName();
    void desktopKnowsTheWindowByItsMenuEntryAndIcon();
    void startsAt442By356AndHoldsItAgainstResizing();
    void tablePageIsWideWithAFreeHeight();
    void calculatePageIsNarrowWithoutTheWidthButtons();
    void odometerPageIsNarrowWithTheWidthButtons();
    void tablePageComesBackWideAtTheHeightItFinds();
    void f1OpensHelpAndItsAboutWindow();
    void narrowPagesRefuseAMaximiseWhereTheyStand();

private:
    QString property(const QStringList &arguments);
    QSize outerSizeSoon(QSize expected);
    void openPage(Tab tab, const QString &shotName);
    bool shows(const QString &title);

    Story story{QStringLiteral("pages")};
    QImage shot;
};

void PagesStory::initTestCase()
{
    const QString failure = story.start();
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

QSize PagesStory::outerSizeSoon(QSize expected)
{
    QSize size;
    waitUntil([&] { return (size = story.outerSize()) == expected; }, 5000);
    return size;
}

void PagesStory::openPage(Tab tab, const QString &shotName)
{
    QVERIFY(story.openPage(tab));
    shot = story.shot(shotName);
}

void PagesStory::captionIsExactlyTheWindowName()
{
    const QString name = story.session().run(
        QStringLiteral("xprop"),
        {QStringLiteral("-id"), QString::number(story.window()), QStringLiteral("_NET_WM_NAME")});
    QCOMPARE(name.trimmed(), QStringLiteral("_NET_WM_NAME(UTF8_STRING) = \"Numeric Formats\""));
}

QString PagesStory::property(const QStringList &arguments)
{
    return story.session()
        .run(QStringLiteral("xprop"),
             QStringList{QStringLiteral("-id"), QString::number(story.window())} + arguments)
        .trimmed();
}

void PagesStory::desktopKnowsTheWindowByItsMenuEntryAndIcon()
{
    QCOMPARE(property({QStringLiteral("WM_CLASS")}),
             QStringLiteral("WM_CLASS(STRING) = \"org.quorvel.Quorvel\", \"Quorvel\""));
    // The first icon's width and height; openbox puts in none of its own.
    QCOMPARE(property({QStringLiteral("-f"), QStringLiteral("_NET_WM_ICON"), QStringLiteral("32c"),
                       QStringLiteral(" = $0, $1\n"), QStringLiteral("_NET_WM_ICON")}),
             QStringLiteral("_NET_WM_ICON(CARDINAL) = 48, 48"));
}

void PagesStory::startsAt442By356AndHoldsItAgainstResizing()
{
    QCOMPARE(outerSizeSoon(narrowWindow), narrowWindow);
    shot = story.shot(QStringLiteral("odometer.png"));
    QCOMPARE(selectedTabOnScreen(shot, findTabCaptions(shot)), int(Tab::Odometer));
    QCOMPARE(widthButtonFigures(shot), QStringLiteral("12"));
    story.session().resizeClient(story.window(), {640, 520});
    QCOMPARE(outerSizeSoon(narrowWindow), narrowWindow);
    story.session().resizeClient(story.window(), {300, 200});
    QCOMPARE(outerSizeSoon(narrowWindow), narrowWindow);
}

void PagesStory::tablePageIsWideWithAFreeHeight()
{
    openPage(Tab::Table, QStringLiteral("table.png"));
    QCOMPARE(outerSizeSoon({tableWidth, 356}), QSize(tableWidth, 356));
    const QRect before = story.session().clientGeometry(story.window());
    story.session().resizeClient(story.window(), {600, before.height() + 150});
    QCOMPARE(outerSizeSoon({tableWidth, 356 + 150}), QSize(tableWidth, 356 + 150));
    shot = story.shot(QStringLiteral("table-taller.png"));
    QCOMPARE(widthButtonFigures(shot), QStringLiteral("12"));
}

void PagesStory::calculatePageIsNarrowWithoutTheWidthButtons()
{
    openPage(Tab::Calculate, QStringLiteral("calculate.png"));
    QCOMPARE(outerSizeSoon(narrowWindow), narrowWindow);
    QVERIFY(waitUntil(
        [&] { return widthButtonFigures(story.shot(QStringLiteral("calculate.png"))).isEmpty(); },
        5000));
}

void PagesStory::odometerPageIsNarrowWithTheWidthButtons()
{
    openPage(Tab::Odometer, QStringLiteral("odometer-again.png"));
    QCOMPARE(outerSizeSoon(narrowWindow), narrowWindow);
    QVERIFY(waitUntil(
        [&] {
            return widthButtonFigures(story.shot(QStringLiteral("odometer-again.png"))) ==
                   QLatin1String("12");
        },
        5000));
}

void PagesStory::tablePageComesBackWideAtTheHeightItFinds()
{
    openPage(Tab::Table, QStringLiteral("table-again.png"));
    QCOMPARE(outerSizeSoon({tableWidth, 356}), QSize(tableWidth, 356));
}

bool PagesStory::shows(const QString &title)
{
    return !story.session()
                .run(QStringLiteral("xdotool"),
                     {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                      QStringLiteral("--name"), QLatin1Char('^') + title + QLatin1Char('$')})
                .trimmed()
                .isEmpty();
}

void PagesStory::f1OpensHelpAndItsAboutWindow()
{
    const QString helpTitle = QStringLiteral("Quorvel Help");
    const QString aboutTitle = QStringLiteral("About Quorvel");
    QVERIFY(!shows(helpTitle));
    const QSize before = story.outerSize();
    story.pressKey(QStringLiteral("F1"));
    const qulonglong help = story.session().waitForWindow(helpTitle);
    QVERIFY2(help != 0, "F1 showed no help window");
    story.session().screenshot(help, story.folder() + QStringLiteral("/help.png"));
    story.session().pressKey(help, QStringLiteral("alt+a"));
    const qulonglong about = story.session().waitForWindow(aboutTitle);
    QVERIFY2(about != 0, "the About button showed no About window");
    story.session().screenshot(about, story.folder() + QStringLiteral("/about.png"));

    story.session().pressKey(about, QStringLiteral("Escape"));
    QVERIFY(waitUntil([&] { return !shows(aboutTitle); }, 5000));
    story.session().pressKey(help, QStringLiteral("Escape"));
    QVERIFY(waitUntil([&] { return !shows(helpTitle); }, 5000));
    QCOMPARE(story.outerSize(), before);
}

void PagesStory::narrowPagesRefuseAMaximiseWhereTheyStand()
{
    for (Tab tab : {Tab::Calculate, Tab::Odometer}) {
        QVERIFY(story.openPage(tab));
        QCOMPARE(outerSizeSoon(narrowWindow), narrowWindow);
        const QString window = QString::number(story.window());
        story.session().run(
            QStringLiteral("xdotool"),
            {QStringLiteral("windowmove"), window, QStringLiteral("200"), QStringLiteral("150")});
        QVERIFY(waitUntil([&] { return story.session().clientGeometry(story.window()).x() > 150; },
                          5000));
        const QRect before = story.session().clientGeometry(story.window());
        story.session().run(QStringLiteral("wmctrl"),
                            {QStringLiteral("-i"), QStringLiteral("-r"), window,
                             QStringLiteral("-b"),
                             QStringLiteral("add,maximized_vert,maximized_horz")});
        QTest::qWait(1000); // the maximise and its refusal have come and gone by now
        QCOMPARE(story.session().clientGeometry(story.window()), before);
        QCOMPARE(story.outerSize(), narrowWindow);
    }
}

QTEST_MAIN(PagesStory)
#include "tst_story_pages.moc"
