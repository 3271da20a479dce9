// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/basesu.h"

#include "app/announcedframe.h"
#include "app/helpwindow.h"
#include "app/shelllauncher.h"
#include "common/accessiblerole.h"
#include "common/devicepicture.h"
#include "pages/calculate/calculatepage.h"
#include "pages/odometer/odometerpage.h"
#include "pages/table/tablepage.h"
#include "toolkit/facetabbar.h"
#include "toolkit/look.h"
#include "toolkit/picturebox.h"
#include "toolkit/wholenumberedit.h"

#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>
#include <QWindow>

#include <malloc.h>

namespace {

constexpr int topBarHeight = 41;
constexpr int narrowOuterWidth = 442;
constexpr int narrowOuterHeight = 356;
constexpr int tableOuterWidth = 857;
constexpr int maximiseSettleTime = 100; // milliseconds

enum Page { OdometerTab = 0, CalculateTab = 1, TableTab = 2 };

// The sizes the window hands the window system for task bars and window switchers. The
// desktop finds the larger ones through the menu entry; each size given here costs its
// pixels three times over at start (decoded, converted, and sent as a window property).
constexpr int windowIconSizes[] = {48, 64, 128};

QIcon builtInIcon()
{
    QIcon icon;
    for (int size : windowIconSizes)
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    return icon;
}

// The icon theme's, where the program is installed or a theme draws its own; else null.
QIcon themeIcon()
{
    const QIcon themed = QIcon::fromTheme(QStringLiteral("org.quorvel.Quorvel"));
    if (themed.isNull())
        return {};
    QIcon icon;
    for (int size : windowIconSizes)
        icon.addPixmap(themed.pixmap(QSize(size, size), 1.0));
    return icon;
}

QRadioButton *makeRadioButton(QWidget *parent, const char *name, const QString &caption,
                              const QRect &place)
{
    auto *button = new QRadioButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(place);
    return button;
}

} // namespace

Tfbases::Tfbases(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("fbases"));
    // The top bar reads first, then the one page in view.
    setAccessibleReadingOrder(this, QAccessible::Window, {QStringLiteral("Panel1")});
    setWindowTitle(QStringLiteral("Numeric Formats"));
    setWindowIcon(builtInIcon());
    setAutoFillBackground(true);
    setPalette(windowPalette());
    setFont(roleFont(FontRole::WindowText));
    resize(narrowOuterWidth, narrowOuterHeight);

    buildTopBar();
    buildPages();

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setSingleShot(true);
    Timer2->setInterval(10000);
    connect(Timer2, &QTimer::timeout, this, &Tfbases::Timer2Timer);
    Timer2->start();

    launcher = new ShellLauncher(this);
    launcher->setObjectName(QStringLiteral("launcher"));

    new QShortcut(QKeySequence::HelpContents, this, this, &Tfbases::showHelp);

    qApp->installEventFilter(this);
    FormCreate();
}

void Tfbases::buildTopBar()
{
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAutoFillBackground(true);
    QPalette bar = Panel1->palette();
    bar.setColor(QPalette::Window, QColor(palette::topBar));
    Panel1->setPalette(bar);
    Panel1->setGeometry(0, 0, width(), topBarHeight);

    Image1 = new PictureBox(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(2, 2, 105, 42);
    Image1->setPictureFile(QStringLiteral(":/pictures/logo.jpg"));
    Image1->setCursor(Qt::PointingHandCursor);
    setAccessibleRole(Image1, QAccessible::Link, [image = Image1] { emit image->clicked(); });
    Image1->setAccessibleName(QStringLiteral("Quorvel web page"));
    Image1->setToolTip(tr("Open the Quorvel web page"));
    connect(Image1, &PictureBox::clicked, this, &Tfbases::Image1Click);

    FaceTabBar::Look look;
    look.normalFace = deviceImage(QStringLiteral(":/pictures/tab-face.png"));
    look.selectedFace = deviceImage(QStringLiteral(":/pictures/tab-face-selected.png"));
    look.stripColor = QColor(palette::topBar);
    look.normalColor = QColor(palette::unselectedTab);
    look.selectedColor = QColor(palette::selectedTab);
    look.selectedFont = roleFont(FontRole::SelectedTabCaption);
    look.normalFont = roleFont(FontRole::TabCaption);
    look.tabHeight = 30;
    look.tabMargins = QMargins(4, 4, 15, 0);
    tabs = new FaceTabBar(look, Panel1);
    tabs->setObjectName(QStringLiteral("tabs"));
    tabs->setGeometry(150, 9, 291, 39);
    for (const char *caption : {"Odometer", "Calculate", "Table"})
        tabs->addTab(QString::fromLatin1(caption));
    tabs->setCurrentIndex(OdometerTab);
    tabs->setToolTip(tr("Choose a page (Ctrl+Tab, Ctrl+Page Down, Ctrl+Page Up)"));
    connect(tabs, &QTabBar::currentChanged, this, &Tfbases::tabsChanged);

    RadioButton1 =
        makeRadioButton(Panel1, "RadioButton1", QStringLiteral("1 Byte"), QRect(377, 4, 57, 17));
    RadioButton2 =
        makeRadioButton(Panel1, "RadioButton2", QStringLiteral("2 bytes"), QRect(377, 20, 65, 17));
    RadioButton3 =
        makeRadioButton(Panel1, "RadioButton3", QStringLiteral("4 bytes"), QRect(456, 4, 65, 17));
    RadioButton3->hide();
    RadioButton1->setToolTip(tr("Values of one byte: 0 to 255, or -128 to 127"));
    RadioButton2->setToolTip(tr("Values of two bytes: 0 to 65535, or -32768 to 32767"));
    RadioButton1->setChecked(true);
    for (QRadioButton *button : {RadioButton1, RadioButton2, RadioButton3}) {
        connect(button, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                RadioButton1Click();
        });
    }

    center = new WholeNumberEdit(Panel1);
    center->setObjectName(QStringLiteral("center"));
    center->setGeometry(682, 13, 60, 21);
    center->setAccessibleName(QStringLiteral("Jump to value"));
    center->setToolTip(tr("Type a value and press Return to show its row"));
}

void Tfbases::buildPages()
{
    pan1 = new OdometerPage(this);
    pan2 = new CalculatePage(this);
    pan3 = new TablePage(center, this);
    Panel1->raise();
}

void Tfbases::FormCreate()
{
    pan2->ClearBoard(false);
    tabsChanged(OdometerTab);
    pan1->SetOdometerWidth(1);
}

void Tfbases::tabsChanged(int NewTab)
{
    const QList<QWidget *> panels{pan1, pan2, pan3};
    for (QWidget *panel : panels)
        panel->hide();
    for (QWidget *panel : panels)
        panel->move(panel->x(), 40);
    for (QWidget *panel : panels)
        panel->move(1, panel->y());
    if (m_tableFillsClient)
        placeTableFillingClient();

    // The jump-to box lies beyond the window's edge on the narrow pages: Tab leaves it out
    // there, and a box left with the focus gives it back to the tab strip.
    center->setFocusPolicy(NewTab == TableTab ? Qt::StrongFocus : Qt::NoFocus);
    if (NewTab != TableTab && center->hasFocus())
        tabs->setFocus();

    switch (NewTab) {
    case OdometerTab:
        RadioButton1->setChecked(true);
        pan1->show();
        setOuterWidth(narrowOuterWidth);
        setOuterHeight(narrowOuterHeight);
        RadioButton1->show();
        RadioButton2->show();
        pan1->SetOdometerWidth(1);
        break;
    case CalculateTab:
        pan2->show();
        setOuterWidth(narrowOuterWidth);
        RadioButton1->hide();
        RadioButton2->hide();
        setOuterHeight(narrowOuterHeight);
        pan2->W7SpeedButton9Click();
        break;
    case TableTab:
        RadioButton1->setChecked(true);
        m_tableFillsClient = true;
        placeTableFillingClient();
        pan3->SetSuppressCenterChange(false);
        pan3->SetTableWidth(1, 0);
        pan3->show();
        setOuterWidth(tableOuterWidth);
        RadioButton1->show();
        RadioButton2->show();
        break;
    default:
        break;
    }
}

void Tfbases::FormResize()
{
    if (tabs->currentIndex() == TableTab) {
        setOuterWidth(tableOuterWidth);
    } else {
        setOuterSize({narrowOuterWidth, narrowOuterHeight});
    }
}

void Tfbases::RadioButton1Click()
{
    const quint8 width = RadioButton1->isChecked() ? 1 : 2;
    if (width == 1)
        center->setLimits(-128, 127);
    else
        center->setLimits(-32768, 32767);
    if (tabs->currentIndex() == OdometerTab)
        pan1->SetOdometerWidth(width);
    else
        pan3->SetTableWidth(width, 0);
    Panel1->update();
}

void Tfbases::Timer2Timer()
{
    Timer2->stop();
    pan1->hideHintLabels();
}

void Tfbases::Image1Click()
{
    launcher->launch(QString::fromLatin1(MakerWebAddress));
}

void Tfbases::FormKeyPress(QChar Key)
{
    pan2->FormKeyPress(Key);
}

bool Tfbases::eventFilter(QObject *watched, QEvent *event)
{
    // The first frame comes first; what can wait follows as soon as it is drawn.
    if (event->type() == QEvent::Expose && !m_firstFrameDrawn && watched == windowHandle()) {
        m_firstFrameDrawn = true;
        QTimer::singleShot(0, this, &Tfbases::finishStart);
    }
    // Key preview: the window reads every typed character before the control with the
    // focus, once per key press, and never consumes it.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto *receiver = static_cast<QWidget *>(watched);
        QWidget *focus = QApplication::focusWidget();
        const bool firstReceiver = receiver == focus || (!focus && receiver == this);
        if (firstReceiver && receiver->window() == this) {
            auto *keyEvent = static_cast<QKeyEvent *>(event);
            for (QChar character : keyEvent->text())
                FormKeyPress(character);
            if (pressWindowKey(keyEvent))
                return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// While an entry box has the focus every key is its own: the window's keys wait.
bool Tfbases::pressWindowKey(const QKeyEvent *event)
{
    if (qobject_cast<QLineEdit *>(QApplication::focusWidget()))
        return false;
    const int key = event->key();
    const bool control = event->modifiers().testFlag(Qt::ControlModifier);
    const bool closeKey =
        event->modifiers() == Qt::ControlModifier && (key == Qt::Key_Q || key == Qt::Key_W);
    if (closeKey || event->matches(QKeySequence::Quit) || event->matches(QKeySequence::Close)) {
        close();
        return true;
    }
    if (control && (key == Qt::Key_Tab || key == Qt::Key_PageDown)) {
        showNeighbourTab(1);
        return true;
    }
    if (control && (key == Qt::Key_Backtab || key == Qt::Key_PageUp)) {
        showNeighbourTab(-1);
        return true;
    }
    switch (tabs->currentIndex()) {
    case OdometerTab:
        return pan1->pressKey(event);
    case CalculateTab:
        return pan2->pressKey(event);
    default:
        return false;
    }
}

void Tfbases::finishStart()
{
    // Looking through the icon themes takes longer than the first frame. The theme's own
    // drawing of the icon, where there is one, takes the place of the built-in one.
    const QIcon themed = themeIcon();
    if (!themed.isNull())
        setWindowIcon(themed);
    // Decoding and font set-up leave freed memory in the heap: it goes back to the system.
    malloc_trim(0);
}

// From the last page on to the first and back, as a browser's tabs go round.
void Tfbases::showNeighbourTab(int step)
{
    tabs->setCurrentIndex((tabs->currentIndex() + step + tabs->count()) % tabs->count());
}

void Tfbases::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Panel1->resize(width(), topBarHeight);
    if (m_tableFillsClient)
        placeTableFillingClient();
    FormResize();
}

void Tfbases::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // The narrow pages hold their size, so they refuse a maximise. The window system tells
    // the new state before it has moved the window; once it has, the window goes back to
    // where it stood.
    if (event->type() == QEvent::WindowStateChange && isMaximized() &&
        tabs->currentIndex() != TableTab) {
        const QPoint place = pos();
        setWindowState(windowState() & ~Qt::WindowMaximized);
        QTimer::singleShot(maximiseSettleTime, this, [this, place] { move(place); });
    }
}

void Tfbases::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    // The window system may report the frame only after the window is placed; from then on
    // its report holds, also where the window later loses its frame.
    if (frameGeometry() != geometry())
        m_announcedFrame = QMargins();
    FormResize();
}

void Tfbases::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Shown, not yet mapped: an X11 window manager says now what frame it will give the
    // window, so that the window is mapped at its page's outer size.
    if (!event->spontaneous() && !testAttribute(Qt::WA_Mapped)) {
        m_announcedFrame = announcedFrame(this);
        FormResize();
    }
    // Where the toolkit draws the frame itself (Wayland), the frame is known once the
    // window is shown and before its first frame is drawn, and no move follows to hold
    // the size: hold it then, so that the first frame already has the page's outer size.
    QMetaObject::invokeMethod(this, &Tfbases::FormResize, Qt::QueuedConnection);
}

QMargins Tfbases::frame() const
{
    const QRect outer = frameGeometry();
    const QRect client = geometry();
    const QMargins reported(client.left() - outer.left(), client.top() - outer.top(),
                            outer.right() - client.right(), outer.bottom() - client.bottom());
    return reported.isNull() ? m_announcedFrame : reported;
}

QSize Tfbases::outerSize() const
{
    return size().grownBy(frame());
}

// One resize for both sides: a window not yet mapped would otherwise be shown with the
// size between the two.
void Tfbases::setOuterSize(QSize outer)
{
    const QSize client = outer.shrunkBy(frame());
    if (client != size())
        resize(client);
}

void Tfbases::setOuterWidth(int width)
{
    setOuterSize({width, outerSize().height()});
}

void Tfbases::setOuterHeight(int height)
{
    setOuterSize({outerSize().width(), height});
}

void Tfbases::placeTableFillingClient()
{
    pan3->setGeometry(0, topBarHeight, width(), height() - topBarHeight);
}

void Tfbases::showHelp()
{
    if (!m_help)
        m_help = new HelpWindow(tabs, this);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}
