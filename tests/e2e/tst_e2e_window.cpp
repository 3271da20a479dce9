// SPDX-License-Identifier: GPL-3.0-or-later
// The main window in a real session, X11 under openbox, Wayland under weston or X11 under
// weston's XWayland as QUORVEL_SESSION says, at the scale QT_SCALE_FACTOR gives: the outer size
// from the first frame the window system shows, the size each page holds, each page's look under a
// light and a dark system scheme, kept as screenshots, and the digits the pointer finds.
#include "app/basesu.h"
#include "mappedframe.h"
#include "odometer/odometer.h"
#include "westonsession.h"
#include "xsession.h"

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QProcess>
#include <QScreen>
#include <QSet>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QWindow>

#include <cmath>
#include <memory>

namespace {

constexpr QSize narrowWindow(442, 356);
constexpr int tableWidth = 857;

// The outer size of a window when the window system first shows it.
class FirstFrameWatch : public QObject
{
public:
    explicit FirstFrameWatch(QWidget *window) : m_window(window)
    {
        window->winId();
        window->windowHandle()->installEventFilter(this);
    }
    QSize size() const { return m_size; }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && m_size.isEmpty() &&
            m_window->windowHandle()->isExposed())
            m_size = m_window->frameGeometry().size();
        return false;
    }

private:
    QWidget *m_window;
    QSize m_size;
};

QPalette darkScheme()
{
    QPalette dark(QColor(53, 53, 53), QColor(42, 42, 42));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(240, 240, 240));
    return dark;
}

int differingPixels(const QImage &one, const QImage &other)
{
    if (one.size() != other.size())
        return one.width() * one.height();
    int differing = 0;
    for (int y = 0; y < one.height(); ++y)
        for (int x = 0; x < one.width(); ++x)
            differing += one.pixel(x, y) != other.pixel(x, y);
    return differing;
}

} // namespace

class WindowOnScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void firstFrameHasThePageSize();
    void pagesHoldTheirSize();
    void clientNeverSmallerThanItsPage();
    void pagesRefuseAMaximiseWhereTheyStand();
    void pagesLookTheSameInADarkScheme();
    void picturesShowAtTheScreensResolution();
    void pointerFindsEveryDigitAtItsEdgesAndMiddle();

private:
    QSize outerSize() const { return m_window->frameGeometry().size(); }
    // The outer size a page holds, larger where the frame reported leaves too little client.
    QSize heldOuterSize(QSize pageOuter) const
    {
        const QSize frame = outerSize() - m_window->size();
        return pageOuter.expandedTo(m_window->minimumSize() + frame);
    }
    static bool isX11() { return qEnvironmentVariable("QUORVEL_SESSION") == QLatin1String("x11"); }
    void selectTab(int index)
    {
        m_window->findChild<QTabBar *>(QStringLiteral("tabs"))->setCurrentIndex(index);
    }

    std::unique_ptr<Tfbases> m_window;
    std::unique_ptr<FirstFrameWatch> m_firstFrame;
    std::unique_ptr<MappedFrameWatch> m_mappedFrame; // under X11
    QString m_folder;
};

void WindowOnScreen::initTestCase()
{
    m_folder = screenshotFolder() + QStringLiteral("/window/") +
               qEnvironmentVariable("QUORVEL_SESSION") + QStringLiteral("-scale-") +
               qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1"));
    QDir(m_folder).removeRecursively();
    QDir().mkpath(m_folder);
    if (isX11())
        m_mappedFrame = std::make_unique<MappedFrameWatch>(qEnvironmentVariable("DISPLAY"));
    m_window = std::make_unique<Tfbases>();
    m_firstFrame = std::make_unique<FirstFrameWatch>(m_window.get());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void WindowOnScreen::cleanupTestCase()
{
    m_firstFrame.reset();
    m_window.reset();
    m_mappedFrame.reset();
}

void WindowOnScreen::firstFrameHasThePageSize()
{
    QCOMPARE(m_firstFrame->size(), narrowWindow);
    QCOMPARE(outerSize(), narrowWindow);
    if (!m_mappedFrame)
        return;
    // The window manager maps the frame at the page's outer size, and nothing resizes it
    // after; in device pixels, which the frame's rounding may put a pixel or two off the
    // layout's size times the scale.
    QTest::qWait(300);
    const QList<QSize> sizes = m_mappedFrame->sizesFromMap(unsigned(m_window->winId()));
    QStringList seen;
    for (QSize size : sizes)
        seen << QStringLiteral("%1 x %2").arg(size.width()).arg(size.height());
    QVERIFY2(sizes.size() == 1, qPrintable(seen.join(QStringLiteral(", then "))));
    const QSizeF expected = QSizeF(narrowWindow) * m_window->devicePixelRatioF();
    QVERIFY2(qAbs(sizes.first().width() - expected.width()) <= 2 &&
                 qAbs(sizes.first().height() - expected.height()) <= 2,
             qPrintable(seen.first()));
}

void WindowOnScreen::pagesHoldTheirSize()
{
    for (int tab : {1, 0}) {
        selectTab(tab);
        QTRY_COMPARE(outerSize(), narrowWindow);
        m_window->resize(700, 600);
        QTRY_COMPARE(outerSize(), narrowWindow);
    }
    selectTab(2);
    QTRY_COMPARE(outerSize().width(), tableWidth);
    const int clientHeight = m_window->height();
    m_window->resize(600, clientHeight + 120);
    QTRY_COMPARE(outerSize().width(), tableWidth);
    QTRY_COMPARE(m_window->height(), clientHeight + 120);
    selectTab(0);
    QTRY_COMPARE(outerSize(), narrowWindow);
}

void WindowOnScreen::clientNeverSmallerThanItsPage()
{
    // Whatever frame the window manager reports: weston's X window manager reports none
    // and counts an invisible shadow in the frame it gives.
    for (const char *panel : {"pan1", "pan2", "pan1"}) {
        selectTab(2);
        QTest::qWait(100);
        selectTab(panel == QLatin1String("pan1") ? 0 : 1);
        const QRect page = m_window->findChild<QWidget *>(QLatin1String(panel))->geometry();
        QTRY_VERIFY2(
            m_window->rect().contains(page),
            qPrintable(
                QStringLiteral("client %1 x %2").arg(m_window->width()).arg(m_window->height())));
        QTest::qWait(200); // and it stays so once the window manager has answered
        QVERIFY(m_window->rect().contains(page));
    }
    // The table shows its header and at least four rows however far it is dragged down.
    selectTab(2);
    const auto *grid = m_window->findChild<QTableView *>(QStringLiteral("grid"));
    const int fourRows = 4 * grid->verticalHeader()->defaultSectionSize();
    m_window->resize(m_window->width(), 60);
    QTest::qWait(200);
    QTRY_VERIFY(grid->viewport()->height() >= fourRows);
    QCOMPARE(outerSize().width(), heldOuterSize({tableWidth, 0}).width());
    selectTab(0);
    QTRY_COMPARE(outerSize(), heldOuterSize(narrowWindow));
}

void WindowOnScreen::pagesRefuseAMaximiseWhereTheyStand()
{
    // Sized back before the compositor has taken its maximise back, a Wayland window is a
    // protocol error that ends the program. A Wayland client is not told where it stands.
    const bool placed = qEnvironmentVariable("QUORVEL_SESSION") != QLatin1String("wayland");
    for (int tab : {2, 0}) {
        selectTab(tab);
        QTest::qWait(200);
        const QRect before = m_window->frameGeometry();
        const QRect screen = m_window->screen()->availableGeometry();
        if (!screen.contains(placed ? before : QRect(screen.topLeft(), before.size())))
            continue; // the page is larger than this screen at this scale
        m_window->setWindowState(m_window->windowState() | Qt::WindowMaximized);
        QTest::qWait(500);
        QVERIFY2(!m_window->isMaximized(), qPrintable(QString::number(tab)));
        QTRY_COMPARE(m_window->frameGeometry().size(), before.size());
        if (placed)
            QTRY_COMPARE(m_window->frameGeometry().topLeft(), before.topLeft());
    }
}

void WindowOnScreen::pagesLookTheSameInADarkScheme()
{
    const QPalette light = QApplication::palette();
    const char *const pages[] = {"odometer", "calculate", "table"};
    for (int tab : {0, 1, 2}) {
        const QLatin1String page(pages[tab]);
        selectTab(tab);
        QTest::qWait(100); // the page's size settles with the window system
        const QImage lit = m_window->grab().toImage();
        QApplication::setPalette(darkScheme());
        const QImage dark = m_window->grab().toImage();
        QApplication::setPalette(light);
        lit.save(m_folder + QStringLiteral("/%1-light.png").arg(page));
        dark.save(m_folder + QStringLiteral("/%1-dark.png").arg(page));
        QCOMPARE(differingPixels(lit, dark), 0);
    }
}

void WindowOnScreen::picturesShowAtTheScreensResolution()
{
    const qreal ratio = m_window->devicePixelRatioF();
    if (ratio != std::floor(ratio)) {
        // Between whole scales the next larger copy is drawn smaller, and smoothly: the logo
        // shows colours blended from neighbouring pixels of its picture, where dropping rows
        // and columns would show only the picture's own.
        const QImage shown = m_window->findChild<QWidget *>(QStringLiteral("Image1"))
                                 ->grab(QRect(0, 0, 100, 36))
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);
        const QImage picture =
            QImage(QStringLiteral(":/pictures/logo@2x.jpg")).convertToFormat(QImage::Format_RGB32);
        QSet<QRgb> own;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                own.insert(picture.pixel(x, y));
        int blended = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                blended += own.contains(shown.pixel(x, y)) ? 0 : 1;
        QVERIFY2(blended > shown.width() * shown.height() / 10,
                 qPrintable(QStringLiteral("%1 of %2 pixels blended")
                                .arg(blended)
                                .arg(shown.width() * shown.height())));
        return;
    }
    selectTab(0);
    const int scale = qRound(ratio);
    const QImage shot = m_window->grab().toImage();
    const QString copy = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
    const QImage background =
        QImage(QStringLiteral(":/pictures/odometer-background%1.png").arg(copy))
            .convertToFormat(shot.format());
    QVERIFY(!background.isNull());
    // A corner of the page's background that nothing covers, beside the push buttons'
    // slab and below the top bar, pixel for pixel as drawn for this resolution.
    const QRect corner(0, 2, 16, 36);
    const QRect inPicture(corner.topLeft() * scale, corner.size() * scale);
    const QImage shown = shot.copy(inPicture.translated(QPoint(1, 40) * scale));
    QCOMPARE(differingPixels(shown, background.copy(inPicture)), 0);

    // The binary odometer's first wheel stands on "0", the strip's first cell, composed in
    // the device pixels of the strip drawn for this resolution.
    const QImage strip = QImage(QStringLiteral(":/DIGITS") + copy).convertToFormat(shot.format());
    const QWidget *od1 = m_window->findChild<QWidget *>(QStringLiteral("Od1"));
    QCOMPARE(od1->height(), 20);
    const QRect wheel(od1->mapTo(m_window.get(), QPoint(0, 0)) * scale, QSize(15, 20) * scale);
    QCOMPARE(differingPixels(shot.copy(wheel), strip.copy(QRect(QPoint(0, 0), wheel.size()))), 0);

    // A picture of a page not shown at the start, read when the page first shows.
    selectTab(1);
    QWidget *calculateBackground =
        m_window->findChild<QWidget *>(QStringLiteral("AdvGDIPPicture4"));
    const QImage drawn = calculateBackground->grab().toImage();
    const QImage picture = QImage(QStringLiteral(":/pictures/calculate-background%1.png").arg(copy))
                               .convertToFormat(drawn.format());
    QCOMPARE(drawn.size(), picture.size());
    QCOMPARE(differingPixels(drawn, picture), 0);
    selectTab(0);
}

void WindowOnScreen::pointerFindsEveryDigitAtItsEdgesAndMiddle()
{
    if (!isX11())
        QSKIP("the real pointer is moved through X11");
    selectTab(0);
    QTest::qWait(100);
    const qreal ratio = m_window->devicePixelRatioF();
    const auto *binary = m_window->findChild<TOdometer *>(QStringLiteral("Od1"));
    // Moves the real pointer, in the window's device pixels, over wheel k (from 1) of the
    // odometer: onto the first device pixel of the wheel, its middle and its last.
    const auto pointAtWheel = [&](const TOdometer *odometer, int k, int edge) {
        const QPoint wheel = odometer->mapTo(m_window.get(), QPoint(15 * (k - 1), 10));
        const int first = int(std::ceil(wheel.x() * ratio));
        const int last = int(std::ceil((wheel.x() + 15) * ratio)) - 1;
        const int x = edge < 0 ? first : edge > 0 ? last : (first + last) / 2;
        QProcess::execute(QStringLiteral("xdotool"),
                          {QStringLiteral("mousemove"), QStringLiteral("--window"),
                           QString::number(m_window->winId()), QString::number(x),
                           QString::number(int(wheel.y() * ratio))});
    };
    const auto *octal = m_window->findChild<TOdometer *>(QStringLiteral("Od2"));
    const int octalGroups[][2] = {{1, 2}, {3, 5}, {6, 8}};
    for (int k = 1; k <= 3; ++k) {
        for (int edge : {-1, 0, 1}) {
            pointAtWheel(octal, k, edge);
            QTRY_COMPARE(int(octal->HighlightStart()), k);
            QTRY_COMPARE(int(octal->Highlightend()), k);
            QCOMPARE(int(binary->HighlightStart()), octalGroups[k - 1][0]);
            QCOMPARE(int(binary->Highlightend()), octalGroups[k - 1][1]);
        }
    }
    const auto *hexadecimal = m_window->findChild<TOdometer *>(QStringLiteral("Od4"));
    for (int k = 1; k <= 2; ++k) {
        for (int edge : {-1, 0, 1}) {
            pointAtWheel(hexadecimal, k, edge);
            QTRY_COMPARE(int(hexadecimal->HighlightStart()), k);
            QTRY_COMPARE(int(hexadecimal->Highlightend()), k);
            QCOMPARE(int(binary->HighlightStart()), 4 * k - 3);
            QCOMPARE(int(binary->Highlightend()), 4 * k);
        }
    }
}

int main(int argc, char *argv[])
{
    // The session runs before the toolkit starts, so that the toolkit connects to it.
    std::unique_ptr<XSession> x11;
    std::unique_ptr<WestonSession> wayland;
    QString failure;
    const QString session = qEnvironmentVariable("QUORVEL_SESSION");
    if (session == QLatin1String("wayland") || session == QLatin1String("xwayland")) {
        wayland = std::make_unique<WestonSession>(session == QLatin1String("wayland")
                                                      ? WestonSession::Clients::Wayland
                                                      : WestonSession::Clients::X11);
        failure = wayland->failure();
        for (const QString &entry : wayland->clientEnvironment())
            qputenv(qPrintable(entry.section(QLatin1Char('='), 0, 0)),
                    entry.section(QLatin1Char('='), 1).toLocal8Bit());
    } else {
        x11 = std::make_unique<XSession>();
        failure = x11->failure();
        qputenv("QT_QPA_PLATFORM", "xcb");
        qputenv("DISPLAY", x11->display().toLocal8Bit());
    }
    if (!failure.isEmpty()) {
        qCritical("%s", qPrintable(failure));
        return 1;
    }
    QApplication application(argc, argv);
    WindowOnScreen test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_e2e_window.moc"
