// The main window as a user meets it: a real X server with a window manager, the built
// program, xdotool for the pointer and the keys. Sizes are read from the window system
// (client geometry plus the frame extents the window manager reports); the tabs are
// found on a screenshot by the ink of their captions.
#include "tabcaptions.h"
#include "xsession.h"

#include <QTest>

class TestWindowInARealSession : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void captionIsExactlyTheWindowName();
    void startsAt442By356AndHoldsItAgainstResizing();
    void tablePageIsWideWithAFreeHeight();
    void calculateAndOdometerComeBackAt442By356();

private:
    void clickTab(int index, const QString &shotName);
    QSize outerSizeSoon(QSize expected);

    XSession session;
    qulonglong window = 0;
};

void TestWindowInARealSession::initTestCase()
{
    QVERIFY2(session.failure().isEmpty(), qPrintable(session.failure()));
    QVERIFY(session.startProgram(QStringLiteral(QUORVEL_PROGRAM)));
    window = session.waitForWindow(QStringLiteral("Numeric Formats"));
    QVERIFY2(window != 0, "the window Numeric Formats did not appear");
}

QSize TestWindowInARealSession::outerSizeSoon(QSize expected)
{
    QSize size;
    WaitUntil([&] { return (size = session.outerSize(window)) == expected; }, 5000);
    return size;
}

void TestWindowInARealSession::clickTab(int index, const QString &shotName)
{
    const QList<QRect> captions = FindTabCaptions(session.screenshot(window));
    QCOMPARE(captions.size(), 3);
    session.click(window, captions[index].center());
    QTest::qWait(400);
    session.screenshot(window, ScreenshotFolder() + QLatin1Char('/') + shotName);
}

void TestWindowInARealSession::captionIsExactlyTheWindowName()
{
    const QString name =
        session.run(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window),
                                              QStringLiteral("_NET_WM_NAME")});
    QCOMPARE(name.trimmed(), QStringLiteral("_NET_WM_NAME(UTF8_STRING) = \"Numeric Formats\""));
}

void TestWindowInARealSession::startsAt442By356AndHoldsItAgainstResizing()
{
    QCOMPARE(outerSizeSoon({442, 356}), QSize(442, 356));
    session.screenshot(window, ScreenshotFolder() + QStringLiteral("/window-odometer.png"));
    session.resizeClient(window, {640, 520});
    QCOMPARE(outerSizeSoon({442, 356}), QSize(442, 356));
    session.resizeClient(window, {300, 200});
    QCOMPARE(outerSizeSoon({442, 356}), QSize(442, 356));
}

void TestWindowInARealSession::tablePageIsWideWithAFreeHeight()
{
    clickTab(2, QStringLiteral("window-table.png"));
    QCOMPARE(outerSizeSoon({857, 356}), QSize(857, 356));
    const QRect before = session.clientGeometry(window);
    session.resizeClient(window, {600, before.height() + 150});
    QCOMPARE(outerSizeSoon({857, 356 + 150}), QSize(857, 356 + 150));
}

void TestWindowInARealSession::calculateAndOdometerComeBackAt442By356()
{
    clickTab(1, QStringLiteral("window-calculate.png"));
    QCOMPARE(outerSizeSoon({442, 356}), QSize(442, 356));
    clickTab(0, QStringLiteral("window-odometer-again.png"));
    QCOMPARE(outerSizeSoon({442, 356}), QSize(442, 356));
}

QTEST_GUILESS_MAIN(TestWindowInARealSession)
#include "tst_e2e_window.moc"
