// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/aboutwindow.h"
#include "app/basesu.h"
#include "app/firstframe.h"
#include "app/guidesection.h"
#include "captionfaults.h"
#include "toolkit/debugtrace.h"
#include "toolkit/wholenumberedit.h"
#include "windowpart.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <memory>

namespace {

QStringList capturedTrace;

// The texts of a dialog that its window does not show whole: a label that is narrower than
// its longest word or shorter than its wrapped text, a button smaller than its caption, or
// a window smaller than its layout needs.
QStringList textsNotWhole(const QWidget *window)
{
    QStringList faults;
    const auto check = [&faults](const QWidget *part, QSize needed) {
        if (part->isVisible() && part->size().expandedTo(needed) != part->size())
            faults << QStringLiteral("%1 is %2 x %3, needs %4 x %5")
                          .arg(part->objectName())
                          .arg(part->width())
                          .arg(part->height())
                          .arg(needed.width())
                          .arg(needed.height());
    };
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        const bool wraps = label->hasHeightForWidth();
        check(label,
              wraps ? QSize(label->minimumSizeHint().width(), label->heightForWidth(label->width()))
                    : label->sizeHint());
    }
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>())
        check(button, button->sizeHint());
    QLayout *rows = window->layout();
    check(window,
          rows->hasHeightForWidth()
              ? QSize(rows->totalMinimumSize().width(), rows->totalHeightForWidth(window->width()))
              : rows->totalSizeHint().expandedTo(rows->totalMinimumSize()));
    return faults;
}

void captureTrace(QtMsgType, const QMessageLogContext &context, const QString &message)
{
    if (QLatin1String(context.category) == QLatin1String("quorvel.trace"))
        capturedTrace << message;
}

// Each style available here, as the desktop may choose it.
void addEveryStyleRow()
{
    QTest::addColumn<QString>("style");
    const QStringList available = QStyleFactory::keys();
    for (const char *style : {"Fusion", "Windows", "Adwaita", "Adwaita-Dark"}) {
        if (available.contains(QLatin1String(style), Qt::CaseInsensitive))
            QTest::newRow(style) << QString::fromLatin1(style);
    }
}

// The window under the style, built anew so that every part takes the style; the usual
// style comes back when it goes.
class WindowUnderStyle
{
public:
    explicit WindowUnderStyle(const QString &style) : m_usualStyle(QApplication::style()->name())
    {
        QApplication::setStyle(QStyleFactory::create(style));
        m_window = std::make_unique<Tfbases>();
        m_window->show();
        m_window->activateWindow();
        if (!QTest::qWaitForWindowActive(m_window.get()))
            qWarning("the window did not become active");
    }
    ~WindowUnderStyle()
    {
        m_window.reset();
        QApplication::setStyle(QStyleFactory::create(m_usualStyle));
    }
    WindowUnderStyle(const WindowUnderStyle &) = delete;
    WindowUnderStyle &operator=(const WindowUnderStyle &) = delete;

    Tfbases *get() const { return m_window.get(); }

private:
    QString m_usualStyle;
    std::unique_ptr<Tfbases> m_window;
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startsOnTheOdometerPage();
    void iconThemesDrawingTakesOverOnceTheWindowShows();
    void switchingPagesShowsOnePanelAndSetsTheSize_data();
    void switchingPagesShowsOnePanelAndSetsTheSize();
    void narrowPagesHoldTheirSizeAgainstResizing();
    void tablePageHoldsOnlyItsWidth();
    void radioIndicatorsStayInsideTheirButtons_data();
    void radioIndicatorsStayInsideTheirButtons();
    void tabFocusFrameLeavesTheCaptionClear_data();
    void tabFocusFrameLeavesTheCaptionClear();
    void tablePanelFillsTheClientAreaOnceEntered();
    void widthButtonsSetTheLimitsOfCenter();
    void enteringOdometerOrTableChecksOneByte();
    void hintLabelsGoAfterTenSecondsForGood();
    void timersKeepTheirIntervalsPrecisely();
    void everyCaptionShowsWholeInAScalableFace();
    void pagesLookTheSameUnderAnySystemColoursAndStyle_data();
    void pagesLookTheSameUnderAnySystemColoursAndStyle();
    void traceLinesAreCutAt255Characters();
    void guideSectionRunsToTheNextHeadingOfItsLevel();
    void f1ShowsTheHelpOfThePageInView();
    void aboutGivesVersionLicenceAndWebAddress();
    void aboutAndHelpShowTheirTextWholeAtAnyFontSize_data();
    void aboutAndHelpShowTheirTextWholeAtAnyFontSize();
    void helpAndAboutShowAndNameEveryFocus();
    void odometerKeysPressItsButtons();
    void arrowsOnAWidthButtonChooseTheWidth();
    void calculateKeysWorkTheBoardAndChooseTheRadix();
    void typedCharactersReachTheBoardOnceFromAnyControl();
    void controlKeysSwitchPagesAndClose();
    void focusStaysInSightAndShowsItsMark();

private:
    template <typename T = QWidget> T *child(const char *name)
    {
        return windowPart<T>(window, name);
    }
    QSize outerSize() const { return window->frameGeometry().size(); }
    void selectTab(int index) { child<QTabBar>("tabs")->setCurrentIndex(index); }
    QDialog *pressF1();
    QDialog *openAbout();
    // Keys go to whatever has the focus, as the user's keyboard would send them.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
    void type(const QString &text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    void activate()
    {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        child("tabs")->setFocus();
    }
    uint value(const char *odometer) { return child(odometer)->property("Value").toUInt(); }

    Tfbases *window = nullptr;
};

void TestMainWindow::init()
{
    window = new Tfbases;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

void TestMainWindow::cleanup()
{
    delete window;
    window = nullptr;
}

void TestMainWindow::startsOnTheOdometerPage()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("Numeric Formats"));
    QCOMPARE(child<QTabBar>("tabs")->currentIndex(), 0);
    QVERIFY(child<QWidget>("pan1")->isVisible());
    QVERIFY(!child<QWidget>("pan2")->isVisible());
    QVERIFY(!child<QWidget>("pan3")->isVisible());
    QCOMPARE(outerSize(), QSize(442, 356));
    QVERIFY(child<QRadioButton>("RadioButton1")->isChecked());
    QVERIFY(!child<QRadioButton>("RadioButton3")->isVisible());
    QVERIFY(child<QWidget>("pan3")->property("SuppressCenterChange").toBool());
    QCOMPARE(child<QTimer>("Timer2")->isActive(), true);
    QCOMPARE(window->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(window->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(window->font().pixelSize(), 11);
    QCOMPARE(child<QWidget>("Panel1")->palette().color(QPalette::Window), QColor(206, 241, 255));
}

void TestMainWindow::iconThemesDrawingTakesOverOnceTheWindowShows()
{
    QTemporaryDir themes;
    const QString apps = themes.filePath(QStringLiteral("testtheme/48x48/apps"));
    QVERIFY(QDir().mkpath(apps));
    QFile index(themes.filePath(QStringLiteral("testtheme/index.theme")));
    QVERIFY(index.open(QIODevice::WriteOnly));
    index.write("[Icon Theme]\nName=testtheme\nDirectories=48x48/apps\n\n"
                "[48x48/apps]\nSize=48\nType=Fixed\n");
    index.close();
    QImage red(48, 48, QImage::Format_ARGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(apps + QStringLiteral("/org.quorvel.Quorvel.png")));
    const QStringList searchPaths = QIcon::themeSearchPaths();
    const QString themeName = QIcon::themeName();
    const auto restoreTheme = qScopeGuard([&] {
        QIcon::setThemeSearchPaths(searchPaths);
        QIcon::setThemeName(themeName);
    });
    QIcon::setThemeSearchPaths({themes.path()});
    QIcon::setThemeName(QStringLiteral("testtheme"));

    const auto iconCentre = [](const QWidget &shown) {
        return shown.windowIcon().pixmap(QSize(48, 48), 1.0).toImage().pixelColor(24, 24);
    };
    Tfbases themed;
    QVERIFY(!themed.windowIcon().isNull());
    QVERIFY(iconCentre(themed) != QColor(Qt::red)); // built in until the first frame
    themed.show();
    finishStartAfterFirstFrame(&themed); // as the program's start does
    QVERIFY(QTest::qWaitForWindowExposed(&themed));
    QTRY_COMPARE(iconCentre(themed), QColor(Qt::red));
}

void TestMainWindow::switchingPagesShowsOnePanelAndSetsTheSize_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<int>("outerWidth");
    QTest::addColumn<bool>("radioButtonsShown");
    QTest::newRow("Calculate") << 1 << "pan2" << 442 << false;
    QTest::newRow("Table") << 2 << "pan3" << 857 << true;
    QTest::newRow("Odometer") << 0 << "pan1" << 442 << true;
}

void TestMainWindow::switchingPagesShowsOnePanelAndSetsTheSize()
{
    QFETCH(int, tab);
    QFETCH(QString, panel);
    QFETCH(int, outerWidth);
    QFETCH(bool, radioButtonsShown);

    // Come from another page so that the switch really happens.
    selectTab(tab == 1 ? 2 : 1);
    selectTab(tab);
    for (const char *name : {"pan1", "pan2", "pan3"})
        QCOMPARE(child<QWidget>(name)->isVisible(), panel == QLatin1String(name));
    QCOMPARE(outerSize().width(), outerWidth);
    if (tab != 2)
        QCOMPARE(outerSize().height(), 356);
    QCOMPARE(child<QRadioButton>("RadioButton1")->isVisible(), radioButtonsShown);
    QCOMPARE(child<QRadioButton>("RadioButton2")->isVisible(), radioButtonsShown);
    QVERIFY(!child<QRadioButton>("RadioButton3")->isVisible());

    // The jump-to box lies beyond the right edge except in the wide layout.
    auto *center = child<WholeNumberEdit>("center");
    const int centerLeft = center->mapTo(window, QPoint(0, 0)).x();
    QCOMPARE(centerLeft + center->width() <= window->width(), tab == 2);
    QVERIFY(!center->isHidden());

    const QPoint panelTopLeft = child<QWidget>(qPrintable(panel))->geometry().topLeft();
    QCOMPARE(panelTopLeft, tab == 2 ? QPoint(0, 41) : QPoint(1, 40));
}

void TestMainWindow::narrowPagesHoldTheirSizeAgainstResizing()
{
    for (int tab : {0, 1}) {
        selectTab(tab);
        window->resize(700, 600);
        QTRY_COMPARE(outerSize(), QSize(442, 356));
        window->resize(200, 100);
        QTRY_COMPARE(outerSize(), QSize(442, 356));
        const QRect page = child(tab == 0 ? "pan1" : "pan2")->geometry();
        QVERIFY(window->rect().contains(page));
    }
}

void TestMainWindow::tablePageHoldsOnlyItsWidth()
{
    selectTab(2);
    const int clientHeight = window->height();
    window->resize(500, clientHeight + 120);
    QTRY_COMPARE(outerSize().width(), 857);
    QCOMPARE(window->height(), clientHeight + 120);
    // Dragged down as far as it goes, it still shows its header and four rows.
    window->resize(857, 60);
    const auto *grid = child<QTableView>("grid");
    QTRY_VERIFY2(grid->viewport()->height() >= 4 * grid->verticalHeader()->defaultSectionSize(),
                 qPrintable(QStringLiteral("client %1, table %2, rows %3")
                                .arg(window->height())
                                .arg(grid->viewport()->height())
                                .arg(grid->verticalHeader()->defaultSectionSize())));
    QCOMPARE(outerSize().width(), 857);
    // Back on a narrow page the height is held again.
    selectTab(0);
    QCOMPARE(outerSize(), QSize(442, 356));
}

void TestMainWindow::radioIndicatorsStayInsideTheirButtons_data()
{
    addEveryStyleRow();
}

void TestMainWindow::radioIndicatorsStayInsideTheirButtons()
{
    QFETCH(QString, style);
    const WindowUnderStyle styled(style);
    QList<QRect> indicators;
    for (const char *name : {"RadioButton1", "RadioButton2"}) {
        const auto *button = windowPart<QRadioButton>(styled.get(), name);
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect indicator =
            button->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button);
        QVERIFY2(button->rect().contains(indicator),
                 qPrintable(QStringLiteral("%1: indicator %2 x %3 at %4, %5")
                                .arg(QLatin1String(name))
                                .arg(indicator.width())
                                .arg(indicator.height())
                                .arg(indicator.x())
                                .arg(indicator.y())));
        indicators << indicator.translated(button->pos());
    }
    QVERIFY(!indicators.first().intersects(indicators.last()));
}

void TestMainWindow::tabFocusFrameLeavesTheCaptionClear_data()
{
    addEveryStyleRow();
}

// The caption and the focus frame are drawn in the text colour: the pixels that change with
// it are theirs, and those that also come and go with the focus are the frame's.
void TestMainWindow::tabFocusFrameLeavesTheCaptionClear()
{
    QFETCH(QString, style);
    const WindowUnderStyle styled(style);
    auto *tabs = windowPart<QTabBar>(styled.get(), "tabs");
    const auto inkIn = [tabs](bool focused) {
        focused ? tabs->setFocus() : tabs->clearFocus();
        QList<QImage> shots;
        for (QColor text : {QColor(Qt::magenta), QColor(Qt::green)}) {
            QPalette colours = tabs->palette();
            colours.setColor(QPalette::WindowText, text);
            tabs->setPalette(colours);
            shots << tabs->grab(tabs->tabRect(tabs->currentIndex())).toImage();
        }
        QImage ink(shots.first().size(), QImage::Format_Mono);
        ink.fill(0);
        for (int y = 0; y < ink.height(); ++y)
            for (int x = 0; x < ink.width(); ++x)
                ink.setPixel(x, y, shots.first().pixel(x, y) != shots.last().pixel(x, y));
        return ink;
    };
    for (int tab : {0, 1, 2}) {
        tabs->setCurrentIndex(tab);
        const QImage caption = inkIn(false);
        const QImage withFrame = inkIn(true);
        QRect captionInk;
        for (int y = 0; y < caption.height(); ++y)
            for (int x = 0; x < caption.width(); ++x)
                if (caption.pixelIndex(x, y))
                    captionInk |= QRect(x, y, 1, 1);
        QVERIFY(!captionInk.isEmpty());
        int frame = 0;
        int crossing = 0;
        for (int y = 0; y < caption.height(); ++y) {
            for (int x = 0; x < caption.width(); ++x) {
                if (!withFrame.pixelIndex(x, y) || caption.pixelIndex(x, y))
                    continue;
                ++frame;
                crossing += captionInk.contains(x, y);
            }
        }
        QVERIFY2(frame > 0, "no focus frame drawn");
        QVERIFY2(crossing == 0, qPrintable(QStringLiteral("tab %1: %2 of the frame's %3 pixels "
                                                          "inside the caption")
                                               .arg(tab)
                                               .arg(crossing)
                                               .arg(frame)));
    }
}

void TestMainWindow::tablePanelFillsTheClientAreaOnceEntered()
{
    selectTab(2);
    window->resize(window->width(), 500);
    auto *pan3 = child<QWidget>("pan3");
    QTRY_COMPARE(pan3->geometry(), QRect(0, 41, window->width(), window->height() - 41));
    // It keeps filling the client area on later visits too.
    selectTab(1);
    selectTab(2);
    QCOMPARE(pan3->geometry(), QRect(0, 41, window->width(), window->height() - 41));
}

void TestMainWindow::widthButtonsSetTheLimitsOfCenter()
{
    auto *center = child<WholeNumberEdit>("center");
    child<QRadioButton>("RadioButton2")->click();
    QCOMPARE(center->minimum(), -32768);
    QCOMPARE(center->maximum(), 32767);
    child<QRadioButton>("RadioButton1")->click();
    QCOMPARE(center->minimum(), -128);
    QCOMPARE(center->maximum(), 127);
    selectTab(2);
    child<QRadioButton>("RadioButton2")->click();
    QCOMPARE(center->maximum(), 32767);
}

void TestMainWindow::enteringOdometerOrTableChecksOneByte()
{
    for (int tab : {0, 2}) {
        selectTab(tab);
        child<QRadioButton>("RadioButton2")->click();
        selectTab(1);
        selectTab(tab);
        QVERIFY(child<QRadioButton>("RadioButton1")->isChecked());
        QCOMPARE(child<WholeNumberEdit>("center")->maximum(), 127);
    }
}

void TestMainWindow::hintLabelsGoAfterTenSecondsForGood()
{
    auto *timer = child<QTimer>("Timer2");
    QCOMPARE(timer->interval(), 10000);
    QVERIFY(timer->isSingleShot());
    auto *label5 = child<QLabel>("Label5");
    auto *label6 = child<QLabel>("Label6");
    QCOMPARE(label5->text(), QStringLiteral("Hold cursor over Octal or"));
    QCOMPARE(label6->text(), QStringLiteral("Hex digits to see binary digits"));
    QVERIFY(label5->isVisible() && label6->isVisible());

    selectTab(2); // the labels go whichever page shows
    timer->setInterval(1);
    timer->start();
    QTRY_VERIFY(!timer->isActive());
    selectTab(0);
    QVERIFY(!label5->isVisible());
    QVERIFY(!label6->isVisible());
    QCOMPARE(label5->geometry(), QRect(160, 234, 120, 13));
    QCOMPARE(label6->geometry(), QRect(160, 248, 141, 13));
}

// Other tests quicken the timers; here they run at their real pace, each to the millisecond.
void TestMainWindow::timersKeepTheirIntervalsPrecisely()
{
    const struct
    {
        const char *name;
        int interval;
        bool running;
    } timers[] = {{"Timer1", 1000, false}, {"Timer2", 10000, true}, {"Timer3", 330, true}};
    for (const auto &timer : timers) {
        auto *found = child<QTimer>(timer.name);
        QCOMPARE(found->interval(), timer.interval);
        QCOMPARE(found->isActive(), timer.running);
        QCOMPARE(found->timerType(), Qt::PreciseTimer);
    }
    for (const char *odometer : {"Od1", "Od2", "Od3", "Od4"}) {
        const auto *frameTimer = child(odometer)->findChild<QTimer *>();
        QVERIFY(frameTimer);
        QCOMPARE(frameTimer->interval(), 30);
        QCOMPARE(frameTimer->timerType(), Qt::PreciseTimer);
    }
}

void TestMainWindow::everyCaptionShowsWholeInAScalableFace()
{
    QCOMPARE(captionsNotWholeInEveryState(window), QStringList());
}

void TestMainWindow::pagesLookTheSameUnderAnySystemColoursAndStyle_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<QPalette>("system");
    QPalette dark(QColor(53, 53, 53), QColor(42, 42, 42));
    dark.setColor(QPalette::WindowText, QColor(240, 240, 240));
    dark.setColor(QPalette::Text, QColor(240, 240, 240));
    dark.setColor(QPalette::ButtonText, QColor(240, 240, 240));
    QPalette highContrast(Qt::white, Qt::black);
    highContrast.setColor(QPalette::WindowText, Qt::yellow);
    highContrast.setColor(QPalette::Text, Qt::yellow);
    highContrast.setColor(QPalette::Highlight, Qt::cyan);
    for (const char *style : {"Fusion", "Windows"}) {
        const QString name = QString::fromLatin1(style);
        QTest::addRow("%s dark", style) << name << dark;
        QTest::addRow("%s high contrast", style) << name << highContrast;
    }
}

void TestMainWindow::pagesLookTheSameUnderAnySystemColoursAndStyle()
{
    QFETCH(QString, style);
    QFETCH(QPalette, system);
    const QPalette light = QApplication::palette();
    const QString usualStyle = QApplication::style()->name();
    const auto restore = qScopeGuard([&] {
        QApplication::setStyle(QStyleFactory::create(usualStyle));
        QApplication::setPalette(light);
    });
    QApplication::setStyle(QStyleFactory::create(style));
    QApplication::setPalette(light);
    const auto pageShots = [] {
        Tfbases shown;
        shown.show();
        QList<QImage> shots;
        for (int tab : {0, 1, 2}) {
            windowPart<QTabBar>(&shown, "tabs")->setCurrentIndex(tab);
            shots << shown.grab().toImage();
        }
        return shots;
    };
    const QList<QImage> designed = pageShots();
    QApplication::setPalette(system);
    const QList<QImage> underSystem = pageShots();
    for (int tab : {0, 1, 2}) {
        const QImage &expected = designed.at(tab);
        const QImage &actual = underSystem.at(tab);
        QCOMPARE(actual.size(), expected.size());
        int differing = 0;
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x)
                differing += expected.pixel(x, y) != actual.pixel(x, y);
        QVERIFY2(differing == 0,
                 qPrintable(QStringLiteral("page %1: %2 pixels differ").arg(tab).arg(differing)));
    }
}

void TestMainWindow::traceLinesAreCutAt255Characters()
{
    QLoggingCategory::setFilterRules(QStringLiteral("quorvel.trace.debug=true"));
    capturedTrace.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureTrace);
    DebugTrace("1   4:1");
    DebugTrace(QByteArray(300, 'x'));
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());
    QCOMPARE(capturedTrace.size(), 2);
    QCOMPARE(capturedTrace[0], QStringLiteral("1   4:1"));
    QCOMPARE(capturedTrace[1], QString(255, QLatin1Char('x')));

    // Off by default: nothing reaches the channel.
    capturedTrace.clear();
    qInstallMessageHandler(captureTrace);
    DebugTrace("14  0");
    qInstallMessageHandler(previous);
    QVERIFY(capturedTrace.isEmpty());
}

void TestMainWindow::guideSectionRunsToTheNextHeadingOfItsLevel()
{
    const QString guide = QStringLiteral("# Program\n\nIntro.\n\n## Using it\n\n"
                                         "<!-- A note. -->\n\nKeys for all.\n\n"
                                         "![Keys](docs/keys.png)\n\n"
                                         "### First page\n\n![A picture](docs/first.png)\n\n"
                                         "Steps.\n\n#### Detail\n\n```sh\n# a comment\n```\n\n"
                                         "More steps.\n\n### Second page\n\nThe board.\n\n"
                                         "## Layout\n\nSecond page folders.\n");

    const QString first = guideSection(guide, QStringLiteral("First page"));
    QVERIFY(first.startsWith(QLatin1String("### First page\n")));
    for (const char *part : {"Steps.", "#### Detail", "# a comment", "More steps."})
        QVERIFY2(first.contains(QLatin1String(part)), part);
    for (const char *part : {"docs/first.png", "Intro.", "The board."})
        QVERIFY2(!first.contains(QLatin1String(part)), part);

    const QString second = guideSection(guide, QStringLiteral("Second page"));
    QVERIFY(second.startsWith(QLatin1String("### Second page\n")));
    QVERIFY(second.endsWith(QLatin1String("The board.")));

    QVERIFY(guideSection(guide, QStringLiteral("Board")).isEmpty());
    QVERIFY(guideSection(guide, QStringLiteral("Steps.")).isEmpty());

    // The introduction runs to the first heading below it, and leaves its heading out.
    QCOMPARE(guideIntroduction(guide, QStringLiteral("Using it")), QStringLiteral("Keys for all."));
    QCOMPARE(guideIntroduction(guide, QStringLiteral("Program")), QStringLiteral("Intro."));
    QCOMPARE(guideIntroduction(guide, QStringLiteral("Second page")), QStringLiteral("The board."));
    QVERIFY(!guideSection(guide, QStringLiteral("Using it")).contains(QLatin1String("A note.")));
    QVERIFY(guideIntroduction(guide, QStringLiteral("Board")).isEmpty());
}

QDialog *TestMainWindow::pressF1()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    auto *help = window->findChild<QDialog *>(QStringLiteral("help"));
    return help && help->isVisible() ? help : nullptr;
}

void TestMainWindow::f1ShowsTheHelpOfThePageInView()
{
    QVERIFY(window->findChildren<QDialog *>().isEmpty());
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto *tabs = child<QTabBar>("tabs");
    QStringList helpTexts;
    for (int tab : {1, 2, 0}) {
        selectTab(tab);
        const QSize before = outerSize();
        QDialog *help = pressF1();
        QVERIFY(help);
        QCOMPARE(help->windowTitle(), QStringLiteral("Quorvel Help"));
        const QString text = windowPart<QTextBrowser>(help, "guide")->toPlainText();
        QVERIFY2(text.startsWith(tabs->tabText(tab) + QLatin1Char('\n')), qPrintable(text));
        QVERIFY(text.count(QLatin1Char('\n')) > 3);
        // The keys that serve every page come with each page's help.
        for (const char *key : {"Ctrl+Tab", "Ctrl+Page Down", "Ctrl+Q", "F1"})
            QVERIFY2(text.contains(QLatin1String(key)), key);
        helpTexts << text;
        // The window itself stays as it was.
        QCOMPARE(tabs->currentIndex(), tab);
        QCOMPARE(outerSize(), before);
        QCOMPARE(window->windowTitle(), QStringLiteral("Numeric Formats"));
        help->close();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    QCOMPARE(QSet<QString>(helpTexts.cbegin(), helpTexts.cend()).size(), 3);

    // An open help window follows the pages.
    QDialog *help = pressF1();
    QVERIFY(help);
    selectTab(2);
    QVERIFY(windowPart<QTextBrowser>(help, "guide")->toPlainText().startsWith(tabs->tabText(2)));
}

// F1 in the active window, then the help window's About button: the About window in view, a
// child of the help window, or null.
QDialog *TestMainWindow::openAbout()
{
    window->activateWindow();
    QDialog *help = QTest::qWaitForWindowActive(window) ? pressF1() : nullptr;
    if (!help)
        return nullptr;
    windowPart<QAbstractButton>(help, "aboutButton")->click();
    auto *about = help->findChild<QDialog *>(QStringLiteral("about"));
    return about && about->isVisible() ? about : nullptr;
}

void TestMainWindow::aboutGivesVersionLicenceAndWebAddress()
{
    QDialog *about = openAbout();
    QVERIFY(about);
    QCOMPARE(about->windowTitle(), QStringLiteral("About Quorvel"));
    const QString text = windowPart<QLabel>(about, "aboutText")->text();
    const QStringList parts{QStringLiteral("Quorvel " QUORVEL_VERSION),
                            QStringLiteral("GNU General Public License</a>, version 3 or later"),
                            QString::fromLatin1(makerWebAddress)};
    for (const QString &part : parts)
        QVERIFY2(text.contains(part), qPrintable(part));

    // The licence opens from the system's copy where there is one, so offline too.
    QVERIFY(text.contains(
        QStringLiteral("<a href=\"%1\">GNU General Public License")
            .arg(licenceAddress(QStringLiteral("/usr/share/common-licenses/GPL-3")))));
    QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("GPL-3"));
    QCOMPARE(licenceAddress(copy), QStringLiteral("https://www.gnu.org/licenses/gpl-3.0.html"));
    QFile file(copy);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QCOMPARE(licenceAddress(copy), QStringLiteral("file://") + copy);
    QCOMPARE(licenceAddress(folder.path()),
             QStringLiteral("https://www.gnu.org/licenses/gpl-3.0.html"));
}

void TestMainWindow::aboutAndHelpShowTheirTextWholeAtAnyFontSize_data()
{
    QTest::addColumn<int>("pointSize");
    for (int pointSize : {9, 12, 16})
        QTest::addRow("%d points", pointSize) << pointSize;
}

void TestMainWindow::aboutAndHelpShowTheirTextWholeAtAnyFontSize()
{
    QFETCH(int, pointSize);
    const QFont systemFont = QApplication::font();
    const auto restore = qScopeGuard([&systemFont] { QApplication::setFont(systemFont); });
    const auto setPointSize = [&systemFont](int size) {
        QFont font = systemFont;
        font.setPointSize(size);
        QApplication::setFont(font);
    };
    setPointSize(pointSize);
    QDialog *about = openAbout();
    QVERIFY(about);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    auto *help = qobject_cast<QDialog *>(about->parentWidget());
    QVERIFY(help);
    // The first size, and a larger desktop font while the windows are open.
    for (int size : {pointSize, pointSize + 4}) {
        setPointSize(size);
        QTest::qWait(100);
        for (const QDialog *dialog : {help, about}) {
            const QStringList faults = textsNotWhole(dialog);
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1String("; "))));
        }
    }
}

void TestMainWindow::helpAndAboutShowAndNameEveryFocus()
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QDialog *help = pressF1();
    QVERIFY(help);
    help->activateWindow();
    QTRY_VERIFY(help->isActiveWindow());

    // The help text marks its focus with the frame the pages use, also after a resize.
    QWidget *guide = windowPart<QWidget>(help, "guide");
    guide->setFocus();
    QWidget *mark = windowPart<QWidget>(help, "focusMark");
    QVERIFY(mark->isVisible());
    QVERIFY(mark->geometry().contains(guide->geometry()));
    QVERIFY(help->rect().contains(mark->geometry()));
    help->resize(help->size() + QSize(40, 30));
    QTRY_COMPARE(mark->geometry(), guide->geometry().adjusted(-2, -2, 2, 2));
    auto *aboutButton = windowPart<QAbstractButton>(help, "aboutButton");
    aboutButton->setFocus();
    QVERIFY(!mark->isVisible());

    // Every stop of Tab in the About window has a name a screen reader can say.
    aboutButton->click();
    auto *about = help->findChild<QDialog *>(QStringLiteral("about"));
    QVERIFY(about);
    about->activateWindow();
    QTRY_VERIFY(about->isActiveWindow());
    QSet<QWidget *> stops;
    for (int step = 0; step < 8; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focused = QApplication::focusWidget();
        QVERIFY(focused && focused->window() == about);
        stops << focused;
        const QString name =
            QAccessible::queryAccessibleInterface(focused)->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty(), focused->metaObject()->className());
        // A focused button is said with its name; text with links in it is not.
        QCOMPARE(QAccessible::queryAccessibleInterface(focused)->role(), QAccessible::Button);
    }
    QCOMPARE(stops.size(), 3);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

void TestMainWindow::odometerKeysPressItsButtons()
{
    activate();
    press(Qt::Key_Down);
    QCOMPARE(value("Od3"), 255u);
    QCOMPARE(value("Od2"), 255u);
    type(QStringLiteral("++"));
    press(Qt::Key_Plus, Qt::KeypadModifier);
    press(Qt::Key_Up);
    QCOMPARE(value("Od1"), 3u);
    type(QStringLiteral("-"));
    QCOMPARE(value("Od4"), 2u);
    QCOMPARE(child<QTabBar>("tabs")->currentIndex(), 0);

    // Counting: the keys follow the state table of "^" and "v", and "+", "-" and "#" do
    // nothing while it runs.
    auto *Timer1 = child<QTimer>("Timer1");
    press(Qt::Key_PageUp);
    QVERIFY(Timer1->isActive());
    QVERIFY(child("pan1")->property("CountUp").toBool());
    type(QStringLiteral("+#"));
    QCOMPARE(value("Od3"), 2u);
    QVERIFY(!child("decenter")->isVisible());
    // Enter is a click on the decimal odometer, which opens the entry even while counting.
    press(Qt::Key_Return);
    QVERIFY(child("decenter")->hasFocus());
    press(Qt::Key_Return);
    QVERIFY(!child("decenter")->isVisible());
    type(QStringLiteral("v"));
    QVERIFY(Timer1->isActive());
    QVERIFY(!child("pan1")->property("CountUp").toBool());
    press(Qt::Key_PageDown);
    QVERIFY(!Timer1->isActive());
    type(QStringLiteral("^^"));
    QVERIFY(!Timer1->isActive());

    // "#" opens the decimal entry; in the box the keys are its own but "#", Return commits,
    // and the focus stays on the page, where the next arrow steps rather than leaves.
    auto *decenter = child<QLineEdit>("decenter");
    type(QStringLiteral("#"));
    QVERIFY(decenter->hasFocus());
    decenter->selectAll();
    type(QStringLiteral("300"));
    press(Qt::Key_Up);
    QCOMPARE(value("Od3"), 2u);
    press(Qt::Key_Return);
    QVERIFY(!decenter->isVisible());
    QCOMPARE(value("Od1"), 255u);
    QCOMPARE(QApplication::focusWidget(), child("Od3"));
    press(Qt::Key_Right);
    press(Qt::Key_Up);
    QCOMPARE(child<QTabBar>("tabs")->currentIndex(), 0);
    QCOMPARE(value("Od4"), 0u);
    press(Qt::Key_Return);
    QVERIFY(decenter->hasFocus());
    QCOMPARE(decenter->text(), QStringLiteral("0"));
    type(QStringLiteral("5#"));
    QVERIFY(!decenter->isVisible());
    QCOMPARE(value("Od2"), 5u);

    // Left and Right on the focused hexadecimal odometer point at its digits as the mouse
    // does, lighting each digit's four binary digits; leaving the odometer puts them out.
    const auto lit = [this](const char *odometer) {
        return std::pair{child(odometer)->property("HighlightStart").toInt(),
                         child(odometer)->property("Highlightend").toInt()};
    };
    child("Od4")->setFocus();
    press(Qt::Key_Right);
    QCOMPARE(lit("Od4"), std::pair(1, 1));
    QCOMPARE(lit("Od1"), std::pair(1, 4));
    press(Qt::Key_Right);
    press(Qt::Key_Right);
    QCOMPARE(lit("Od4"), std::pair(2, 2));
    QCOMPARE(lit("Od1"), std::pair(5, 8));
    press(Qt::Key_Left);
    QCOMPARE(lit("Od1"), std::pair(1, 4));
    child("Od2")->setFocus();
    QCOMPARE(lit("Od4"), std::pair(0, 0));
    QCOMPARE(lit("Od1"), std::pair(0, 0));
    press(Qt::Key_Right);
    QVERIFY(lit("Od2").first > 0);
    QCOMPARE(child<QTabBar>("tabs")->currentIndex(), 0);

    // The page's keys are live only while it shows.
    selectTab(2);
    child("grid")->setFocus();
    type(QStringLiteral("+#"));
    QCOMPARE(child<QTabBar>("tabs")->currentIndex(), 2);
    QVERIFY(!Timer1->isActive());
}

void TestMainWindow::arrowsOnAWidthButtonChooseTheWidth()
{
    activate();
    auto *oneByte = child<QRadioButton>("RadioButton1");
    auto *twoBytes = child<QRadioButton>("RadioButton2");
    QVERIFY(oneByte->toolTip().contains(QLatin1String("Down or Right chooses 2 bytes")));
    QVERIFY(twoBytes->toolTip().contains(QLatin1String("Up or Left chooses 1 Byte")));
    press(Qt::Key_Up);
    QCOMPARE(value("Od3"), 1u);
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), oneByte);

    // Each arrow chooses, and the focus goes with the choice; the value only starts again.
    for (auto [key, chosen] : {std::pair{Qt::Key_Down, twoBytes},
                               {Qt::Key_Down, twoBytes},
                               {Qt::Key_Up, oneByte},
                               {Qt::Key_Right, twoBytes},
                               {Qt::Key_Left, oneByte},
                               {Qt::Key_Up, oneByte}}) {
        press(key);
        QVERIFY(chosen->isChecked());
        QCOMPARE(QApplication::focusWidget(), chosen);
        QCOMPARE(value("Od3"), 0u);
        QCOMPARE(child("Od1")->property("DigitCount").toInt(), chosen == oneByte ? 8 : 16);
    }

    // Elsewhere on the page Up and Down still step the value.
    child("Od2")->setFocus();
    press(Qt::Key_Down);
    QCOMPARE(value("Od3"), 255u);
    QVERIFY(oneByte->isChecked());

    // The Table page's width buttons answer the arrows alike.
    selectTab(2);
    oneByte->setFocus();
    press(Qt::Key_Right);
    QVERIFY(twoBytes->isChecked());
    QCOMPARE(child("grid")->property("RowCount").toInt(), 65537);
}

void TestMainWindow::calculateKeysWorkTheBoardAndChooseTheRadix()
{
    activate();
    selectTab(1);
    const auto row = [this](unsigned number) {
        QString text;
        for (unsigned column = number == 3 ? 5 : 4; column >= 1; --column)
            text +=
                child<QLabel>(QByteArray("c" + QByteArray::number(number * 10 + column)))->text();
        return text.trimmed();
    };
    type(QStringLiteral("FFFF1\r"));
    press(Qt::Key_Plus, Qt::KeypadModifier);
    QCOMPARE(row(3), QStringLiteral("10000"));
    type(QStringLiteral("-"));
    QCOMPARE(row(3), QStringLiteral("FFFE"));

    press(Qt::Key_D, Qt::AltModifier);
    QCOMPARE(child("pan2")->property("Radix").toInt(), 10);
    QVERIFY(child<QAbstractButton>("W7SpeedButton8")->property("Light").toBool());
    type(QStringLiteral("5\r123\r"));
    press(Qt::Key_Minus, Qt::KeypadModifier);
    QCOMPARE(row(3), QStringLiteral("118"));
    QVERIFY(child("minus")->isVisible());
    type(QStringLiteral("+"));
    QCOMPARE(row(3), QStringLiteral("128"));

    press(Qt::Key_O, Qt::AltModifier);
    QCOMPARE(child("pan2")->property("Radix").toInt(), 8);
    type(QStringLiteral("89100\r1\r-"));
    QCOMPARE(row(3), QStringLiteral("77"));
    press(Qt::Key_H, Qt::AltModifier);
    QCOMPARE(child("pan2")->property("Radix").toInt(), 16);
    QCOMPARE(row(1), QString());
}

// Every key press is read once, before the control with the focus, also on a control
// added after the window was made and on one that leaves the key to its parents.
void TestMainWindow::typedCharactersReachTheBoardOnceFromAnyControl()
{
    activate();
    selectTab(1);
    const auto firstRow = [this] {
        QString text;
        for (int column = 4; column >= 1; --column)
            text += child<QLabel>(QByteArray("c1" + QByteArray::number(column)))->text();
        return text.trimmed();
    };
    type(QStringLiteral("1")); // on the tab strip, which leaves a digit to its parents
    QCOMPARE(firstRow(), QStringLiteral("1"));
    auto *added = new QPushButton(QStringLiteral("added"), child("pan2"));
    added->show();
    added->setFocus();
    type(QStringLiteral("2"));
    QCOMPARE(firstRow(), QStringLiteral("12"));

    // A window of its own keeps its keys.
    QLineEdit elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    QTest::keyClicks(&elsewhere, QStringLiteral("3"));
    QCOMPARE(firstRow(), QStringLiteral("12"));
}

void TestMainWindow::controlKeysSwitchPagesAndClose()
{
    activate();
    auto *tabs = child<QTabBar>("tabs");
    const QList<std::pair<QKeyCombination, int>> steps = {
        {Qt::ControlModifier | Qt::Key_Tab, 1},
        {Qt::ControlModifier | Qt::Key_PageDown, 2},
        {Qt::ControlModifier | Qt::Key_Tab, 0},
        {Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Backtab, 2},
        {Qt::ControlModifier | Qt::Key_PageUp, 1},
    };
    for (const auto &[keys, tab] : steps) {
        press(keys.key(), keys.keyboardModifiers());
        QCOMPARE(tabs->currentIndex(), tab);
        QVERIFY(child(QByteArray("pan" + QByteArray::number(tab + 1)))->isVisible());
    }
    // The page is entered anew, as by a click on its tab.
    QCOMPARE(child("pan2")->property("EntryRow").toInt(), 1);

    // In the jump-to box the keys are the box's own; they are the window's again once the
    // box has lost the focus.
    press(Qt::Key_PageDown, Qt::ControlModifier);
    auto *center = child<QLineEdit>("center");
    center->setFocus();
    press(Qt::Key_Tab, Qt::ControlModifier);
    press(Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(tabs->currentIndex(), 2);
    QVERIFY(window->isVisible());
    for (const QKeyCombination keys :
         {Qt::ControlModifier | Qt::Key_PageDown, Qt::ControlModifier | Qt::Key_PageUp,
          Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Backtab,
          Qt::ControlModifier | Qt::Key_Q}) {
        press(keys.key(), keys.keyboardModifiers());
        QCOMPARE(tabs->currentIndex(), 2);
        QVERIFY(window->isVisible());
    }
    QVERIFY(center->hasFocus());
    tabs->setFocus();
    press(Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(tabs->currentIndex(), 0);

    for (Qt::Key key : {Qt::Key_Q, Qt::Key_W}) {
        activate();
        press(key, Qt::ControlModifier);
        QVERIFY(!window->isVisible());
        window->show();
    }
}

void TestMainWindow::focusStaysInSightAndShowsItsMark()
{
    activate();
    auto *tabs = child<QTabBar>("tabs");
    auto *center = child("center");
    const auto focusChain = [] {
        QList<QWidget *> chain;
        for (int step = 0; step < 12; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            chain << QApplication::focusWidget();
        }
        return chain;
    };
    QList<QWidget *> chain = focusChain();
    QVERIFY(!chain.contains(center));
    for (const char *odometer : {"Od1", "Od2", "Od3", "Od4"})
        QVERIFY2(chain.contains(child(odometer)), odometer);
    QVERIFY(chain.indexOf(child("Od3")) < chain.indexOf(child("Od4")));
    for (QWidget *focused : chain)
        QVERIFY2(window->rect().contains(focused->mapTo(window, focused->rect().center())),
                 qPrintable(focused->objectName()));

    // The frame round a focused odometer lies outside it and lets its wheels be seen.
    child("Od2")->setFocus();
    QWidget *mark = child("focusMark");
    QVERIFY(mark->isVisible());
    QVERIFY(mark->geometry().contains(child("Od2")->geometry()));
    QVERIFY(!mark->mask().intersects(QRegion(child("Od2")->geometry().translated(-mark->pos()))));
    tabs->setFocus();
    QVERIFY(!mark->isVisible());

    // The tab strip marks the focus it has.
    const QImage focused = tabs->grab().toImage();
    child("Od1")->setFocus();
    QVERIFY(tabs->grab().toImage() != focused);

    selectTab(1);
    tabs->setFocus();
    QVERIFY(!focusChain().contains(center));
    selectTab(2);
    QVERIFY(focusChain().contains(center));
    center->setFocus();
    selectTab(0);
    QVERIFY(!center->hasFocus());
    QCOMPARE(QApplication::focusWidget(), tabs);
}
