// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/basesu.h"

#include "app/helpwindow.h"
#include "app/keypreview.h"
#include "app/outersizelock.h"
#include "app/shelllauncher.h"
#include "app/windowicon.h"
#include "common/accessiblerole.h"
#include "common/devicepicture.h"
#include "pages/calculate/calculatepage.h"
#include "pages/odometer/odometerpage.h"
#include "pages/table/tablepage.h"
#include "toolkit/facetabbar.h"
#include "toolkit/fittedindicatorstyle.h"
#include "toolkit/look.h"
#include "toolkit/picturebox.h"
#include "toolkit/wholenumberedit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>

namespace {

constexpr int topBarHeight = 41;
constexpr int narrowOuterWidth = 442;
constexpr int narrowOuterHeight = 356;
constexpr int tableOuterWidth = 857;
constexpr int tablePageWidth = 850;
constexpr int hintTime = 10000; // milliseconds

enum Page { OdometerTab = 0, CalculateTab = 1, TableTab = 2 };

QRadioButton *makeRadioButton(QWidget *parent, const char *name, const QString &caption,
                              const QRect &place)
{
    auto *button = new QRadioButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(place);
    FittedIndicatorStyle::applyTo(button);
    return button;
}

// The client that shows the whole of a panel: from its corner to the panel's far corner.
QSize clientReaching(const QWidget *panel)
{
    const QRect place = panel->geometry();
    return {place.x() + place.width(), place.y() + place.height()};
}

} // namespace

Tfbases::Tfbases(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("fbases"));
    // The top bar reads first, then the one page in view.
    setAccessibleReadingOrder(this, QAccessible::Window, {QStringLiteral("Panel1")});
    setWindowTitle(tr("Numeric Formats"));
    setWindowIcon(builtInWindowIcon());
    setAutoFillBackground(true);
    setPalette(windowPalette());
    setFont(roleFont(FontRole::WindowText));
    resize(narrowOuterWidth, narrowOuterHeight);
    m_sizeLock = new OuterSizeLock(this);
    connect(m_sizeLock, &OuterSizeLock::holdDue, this, &Tfbases::FormResize);

    buildTopBar();
    buildPages();

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setSingleShot(true);
    Timer2->setInterval(hintTime);
    Timer2->setTimerType(Qt::PreciseTimer);
    connect(Timer2, &QTimer::timeout, this, &Tfbases::Timer2Timer);
    Timer2->start();

    launcher = new ShellLauncher(this);
    launcher->setObjectName(QStringLiteral("launcher"));

    buildWindowKeys();
    new KeyPreview(this, [this](const QKeyEvent &event) { return previewKey(event); });
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
    Image1->setAccessibleName(tr("Quorvel web page"));
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
    for (const QString &caption : {tr("Odometer"), tr("Calculate"), tr("Table")})
        tabs->addTab(caption);
    tabs->setCurrentIndex(OdometerTab);
    tabs->setToolTip(tr("Choose a page (Ctrl+Tab, Ctrl+Page Down, Ctrl+Page Up)"));
    connect(tabs, &QTabBar::currentChanged, this, &Tfbases::tabsChanged);

    RadioButton1 = makeRadioButton(Panel1, "RadioButton1", tr("1 Byte"), QRect(377, 4, 57, 17));
    RadioButton2 = makeRadioButton(Panel1, "RadioButton2", tr("2 bytes"), QRect(377, 20, 65, 17));
    RadioButton3 = makeRadioButton(Panel1, "RadioButton3", tr("4 bytes"), QRect(456, 4, 65, 17));
    RadioButton3->hide();
    RadioButton1->setToolTip(
        tr("Values of one byte: 0 to 255, or -128 to 127 (Down or Right chooses 2 bytes)"));
    RadioButton2->setToolTip(
        tr("Values of two bytes: 0 to 65535, or -32768 to 32767 (Up or Left chooses 1 Byte)"));
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
    center->setAccessibleName(tr("Jump to value"));
    center->setToolTip(tr("Type a value and press Return to show its row"));
    // The bar reads what lies in sight: the jump-to box only where the window reaches it.
    setAccessibleReadingOrder(Panel1, QAccessible::Client, {});
}

void Tfbases::buildWindowKeys()
{
    new QShortcut(QKeySequence::HelpContents, this, this, &Tfbases::showHelp);

    // One shortcut for all keys of an action: two shortcuts with one key in common would
    // be ambiguous and neither would answer. While an entry box has the focus every key is
    // the box's own, so these wait.
    const auto addKeys = [this](const QList<QKeySequence> &keys, auto action) {
        auto *shortcut = new QShortcut(this);
        shortcut->setKeys(keys);
        connect(shortcut, &QShortcut::activated, this, action);
        connect(qApp, &QApplication::focusChanged, shortcut, [shortcut](QWidget *, QWidget *now) {
            shortcut->setEnabled(!qobject_cast<QLineEdit *>(now));
        });
    };
    QList<QKeySequence> closeKeys{QKeySequence(Qt::CTRL | Qt::Key_Q),
                                  QKeySequence(Qt::CTRL | Qt::Key_W)};
    for (QKeySequence::StandardKey standard : {QKeySequence::Quit, QKeySequence::Close}) {
        for (const QKeySequence &key : QKeySequence::keyBindings(standard)) {
            if (!closeKeys.contains(key))
                closeKeys << key;
        }
    }
    addKeys(closeKeys, &QWidget::close);
    addKeys({QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)},
            [this] { showNeighbourTab(1); });
    addKeys(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
        [this] { showNeighbourTab(-1); });
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
    m_sizeLock->setMinimumClientSize(NewTab == TableTab ? tableMinimumClientSize()
                                                        : clientReaching(panels[NewTab]));

    switch (NewTab) {
    case OdometerTab:
        RadioButton1->setChecked(true);
        pan1->show();
        m_sizeLock->setOuterWidth(narrowOuterWidth);
        m_sizeLock->setOuterHeight(narrowOuterHeight);
        RadioButton1->show();
        RadioButton2->show();
        pan1->SetOdometerWidth(1);
        break;
    case CalculateTab:
        pan2->show();
        m_sizeLock->setOuterWidth(narrowOuterWidth);
        RadioButton1->hide();
        RadioButton2->hide();
        m_sizeLock->setOuterHeight(narrowOuterHeight);
        pan2->W7SpeedButton9Click();
        break;
    case TableTab:
        RadioButton1->setChecked(true);
        m_tableFillsClient = true;
        placeTableFillingClient();
        pan3->SetSuppressCenterChange(false);
        pan3->SetTableWidth(1, 0);
        pan3->show();
        m_sizeLock->setOuterWidth(tableOuterWidth);
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
        m_sizeLock->setOuterWidth(tableOuterWidth);
    } else {
        m_sizeLock->setOuterSize({narrowOuterWidth, narrowOuterHeight});
    }
}

void Tfbases::RadioButton1Click()
{
    const quint8 bytes = RadioButton1->isChecked() ? 1 : 2;
    if (bytes == 1)
        center->setLimits(-128, 127);
    else
        center->setLimits(-32768, 32767);
    if (tabs->currentIndex() == OdometerTab)
        pan1->SetOdometerWidth(bytes);
    else
        pan3->SetTableWidth(bytes, 0);
    Panel1->update();
}

void Tfbases::Timer2Timer()
{
    Timer2->stop();
    pan1->hideHintLabels();
}

void Tfbases::Image1Click()
{
    launcher->launch(QString::fromLatin1(makerWebAddress));
}

void Tfbases::FormKeyPress(QChar Key)
{
    pan2->FormKeyPress(Key);
}

bool Tfbases::previewKey(const QKeyEvent &event)
{
    // The window reads every typed character before the control with the focus, and never
    // consumes it.
    for (QChar character : event.text())
        FormKeyPress(character);
    // While an entry box has the focus every key is its own: the page's keys wait.
    if (qobject_cast<QLineEdit *>(QApplication::focusWidget()))
        return false;
    if (chooseWidthByArrow(event))
        return true;
    switch (tabs->currentIndex()) {
    case OdometerTab:
        return pan1->pressKey(&event);
    case CalculateTab:
        return pan2->pressKey(&event);
    default:
        return false;
    }
}

// The arrows on a focused width button choose the width, as in any radio group: Up and
// Left the upper button, Down and Right the lower one.
bool Tfbases::chooseWidthByArrow(const QKeyEvent &event)
{
    const QWidget *focus = QApplication::focusWidget();
    if (focus != RadioButton1 && focus != RadioButton2)
        return false;
    QRadioButton *chosen = nullptr;
    switch (event.key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        chosen = RadioButton1;
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        chosen = RadioButton2;
        break;
    default:
        return false;
    }
    chosen->setFocus(Qt::OtherFocusReason);
    chosen->setChecked(true);
    return true;
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

// The table's full width, and the least of it that keeps a jumped-to row in view.
QSize Tfbases::tableMinimumClientSize() const
{
    return {tablePageWidth, topBarHeight + pan3->minimumViewHeight()};
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
