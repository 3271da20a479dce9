// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/odometer/odometerpage.h"

#include "common/accessiblerole.h"
#include "common/accessibletext.h"

#include "odometer/odometer.h"
#include "pages/odometer/odometerlayout.h"
#include "pages/odometer/widthwrap.h"
#include "toolkit/focusmark.h"
#include "toolkit/look.h"
#include "toolkit/picturebox.h"
#include "toolkit/picturecontainer.h"
#include "toolkit/rangednumberedit.h"
#include "toolkit/speedbutton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include <algorithm>

namespace {

const QColor captionColor(palette::buttonCaption);
const QColor runningColor(palette::runningCaption);
constexpr int fadeInterval = 15;
constexpr int decenterTop = 142;
constexpr int decenterHeight = 21;
constexpr int digitWidth = 15;
constexpr int countingInterval = 1000;   // milliseconds: a step a second
constexpr quint8 rollFrameInterval = 30; // milliseconds
// The character the decimal entry box reports for Return and Enter.
constexpr QChar enterKey(u'\r');

// The caption stays the layout's; assistive technology reads the button by what it does.
SpeedButton *makeButton(QWidget *parent, const char *name, const char *caption, QRect place,
                        const QString &action, const QString &tip)
{
    SpeedButton *button =
        addSpeedButton(parent, name, QLatin1String(caption), place, FontRole::PushButtonCaption);
    button->setAccessibleName(action);
    button->setToolTip(tip);
    button->setFadeInInterval(fadeInterval);
    button->setFadeOutInterval(fadeInterval);
    return button;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &caption, QRect place)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    return label;
}

// Should the face that serves the bold Tahoma run wider than the one the places were
// measured for, a value label grows to the right rather than cut its caption.
QLabel *makeValueLabel(QWidget *parent, const char *name, const QString &caption, QRect place)
{
    QLabel *label = makeLabel(parent, name, caption, place);
    label->setFont(roleFont(FontRole::ValueLabel));
    const int captionWidth = label->fontMetrics().horizontalAdvance(label->text());
    label->resize(std::max(place.width(), captionWidth), place.height());
    return label;
}

TOdometer *makeOdometer(QWidget *parent, const char *name, TBaseType baseType, int top)
{
    auto *odometer = new TOdometer(parent);
    odometer->setObjectName(QLatin1String(name));
    odometer->move(odometer->x(), top);
    odometer->SetAnimationType(atAsynchronous);
    odometer->SetFrameInterval(rollFrameInterval);
    odometer->SetIncTopToBottom(false);
    odometer->SetBaseType(baseType);
    return odometer;
}

} // namespace

OdometerPage::OdometerPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pan1"));
    // Read as the page is seen: the buttons, then each caption with its counter.
    setAccessibleReadingOrder(this, QAccessible::Pane,
                              {QStringLiteral("W7SpeedButton1"), QStringLiteral("W7SpeedButton2"),
                               QStringLiteral("W7SpeedButton3"), QStringLiteral("W7SpeedButton10"),
                               QStringLiteral("W7SpeedButton4"), QStringLiteral("Label1"),
                               QStringLiteral("Od1"), QStringLiteral("Label3"),
                               QStringLiteral("Od2"), QStringLiteral("Label4"),
                               QStringLiteral("Od3"), QStringLiteral("decenter"),
                               QStringLiteral("Label2"), QStringLiteral("Od4")});
    resize(433, 267);

    PICTURES = new PictureContainer(this);
    PICTURES->setObjectName(QStringLiteral("PICTURES"));
    for (const QString &name :
         {QStringLiteral("Blue Rectangle.png"), QStringLiteral("Blue Rectangle long.png")})
        PICTURES->add(name, QStringLiteral(":/pictures/") + name);

    // Created in stacking order: each control lies on top of those made before it.
    AdvGDIPPicture3 = addPictureBox(this, "AdvGDIPPicture3", {0, 0},
                                    QStringLiteral(":/pictures/odometer-background.png"));
    AdvGDIPPicture1 = addPictureBox(this, "AdvGDIPPicture1", {18, 43},
                                    QStringLiteral(":/pictures/button-backing.png"));
    W7SpeedButton1 = makeButton(this, "W7SpeedButton1", "+", {40, 67, 34, 27}, tr("Step up"),
                                tr("One step up (key + or Up)"));
    W7SpeedButton2 = makeButton(this, "W7SpeedButton2", "-", {40, 100, 34, 27}, tr("Step down"),
                                tr("One step down (key - or Down)"));
    W7SpeedButton3 =
        makeButton(this, "W7SpeedButton3", "^", {30, 147, 25, 27}, tr("Count up automatically"),
                   tr("Count up once a second; again to stop (key ^ or Page Up)"));
    W7SpeedButton4 = makeButton(this, "W7SpeedButton4", "#", {40, 180, 34, 27}, tr("Decimal entry"),
                                tr("Type the value in decimal; again to take it (key #)"));
    AdvGDIPPicture2 = addPictureBox(this, "AdvGDIPPicture2", {115, 43}, {});
    makeValueLabel(this, "Label1", tr("Binary:"), {125, 70, 46, 16});
    Od1 = makeOdometer(this, "Od1", btBinary, 69);
    makeValueLabel(this, "Label3", tr("Octal:"), {125, 105, 38, 16});
    QLabel *decimalCaption = makeValueLabel(this, "Label4", tr("Decimal:"), {125, 145, 54, 16});
    makeValueLabel(this, "Label2", tr("Hexadecimal:"), {125, 182, 85, 16});
    Od2 = makeOdometer(this, "Od2", btOctal, 105);
    Od4 = makeOdometer(this, "Od4", btHexadecimal, 180);
    Od3 = makeOdometer(this, "Od3", btDecimal, decenterTop);
    for (TOdometer *odometer : {Od1, Od2, Od3, Od4})
        odometer->setToolTip(tr("Steps with + and -, counts with ^ and v"));
    for (TOdometer *odometer : {Od2, Od4})
        odometer->setToolTip(tr("Point at a digit, or Left and Right, to light its binary digits"));
    Od3->setToolTip(tr("Click or press Enter to type the value in decimal"));
    // Tab reads the odometers from the top; each shows the focus by a frame around it.
    auto *mark = new FocusMark(this);
    QWidget *previous = nullptr;
    for (TOdometer *odometer : {Od1, Od2, Od3, Od4}) {
        odometer->setFocusPolicy(Qt::TabFocus);
        mark->follow(odometer);
        if (previous)
            setTabOrder(previous, odometer);
        previous = odometer;
    }
    W7SpeedButton10 =
        makeButton(this, "W7SpeedButton10", "v", {61, 147, 25, 27}, tr("Count down automatically"),
                   tr("Count down once a second; again to stop (key v or Page Down)"));
    Label5 = makeLabel(this, "Label5", tr("Hold cursor over Octal or"), {160, 234, 120, 13});
    Label6 = makeLabel(this, "Label6", tr("Hex digits to see binary digits"), {160, 248, 141, 13});

    decenter = new RangedNumberEdit(this);
    decenter->setObjectName(QStringLiteral("decenter"));
    decenter->setAccessibleName(tr("Decimal value"));
    decenter->setToolTip(tr("The value in decimal: Return or # takes it, Escape leaves it"));
    // A screen reader names the box by its label as well as by its own name.
    decimalCaption->setBuddy(decenter);
    decenter->installEventFilter(this);
    decenter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    decenter->SetCheckRange(true);
    decenter->SetDisplayFormat(QStringLiteral(",0;(,0)"));
    decenter->hide();

    // While counting runs, the button of its direction reads as pressed.
    W7SpeedButton3->setCheckable(true);
    W7SpeedButton10->setCheckable(true);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(countingInterval);
    Timer1->setTimerType(Qt::PreciseTimer);

    connectHandlers();
    SetOdometerWidth(1);
}

void OdometerPage::connectHandlers()
{
    connect(W7SpeedButton1, &SpeedButton::clicked, this, &OdometerPage::W7SpeedButton1Click);
    connect(W7SpeedButton2, &SpeedButton::clicked, this, &OdometerPage::W7SpeedButton2Click);
    connect(W7SpeedButton3, &SpeedButton::clicked, this, &OdometerPage::W7SpeedButton3Click);
    connect(W7SpeedButton10, &SpeedButton::clicked, this, &OdometerPage::W7SpeedButton10Click);
    connect(W7SpeedButton4, &SpeedButton::clicked, this, &OdometerPage::W7SpeedButton4Click);
    connect(Timer1, &QTimer::timeout, this, &OdometerPage::Timer1Timer);
    connect(decenter, &RangedNumberEdit::exited, this, &OdometerPage::decenterExit);
    connect(decenter, &RangedNumberEdit::keyPressed, this, &OdometerPage::AdvEdit1KeyPress);
    connect(Od3, &TOdometer::OnMouseDown, this, &OdometerPage::Od3MouseDown);
    connect(Od4, &TOdometer::OnMouseMove, this,
            [this](Qt::KeyboardModifiers, int X, int) { AdvGDIPPicture2MouseMove(X); });
    connect(Od4, &TOdometer::OnMouseLeave, this, &OdometerPage::Od4MouseLeave);
    connect(Od2, &TOdometer::OnMouseMove, this,
            [this](Qt::KeyboardModifiers, int X, int) { Od2MouseMove(X); });
    connect(Od2, &TOdometer::OnMouseLeave, this, &OdometerPage::Od2MouseLeave);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *old, QWidget *) { leavePointedDigit(old); });
}

bool OdometerPage::pressKey(const QKeyEvent *event)
{
    const QString text = event->text();
    const int key = event->key();
    if (key == Qt::Key_Left || key == Qt::Key_Right)
        return pointAtDigit(key == Qt::Key_Left ? -1 : 1);
    if (text == u"=") {
        sayAllValues();
        return true;
    }
    // Enter is a click on the decimal odometer, which stays live while counting runs.
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        Od3MouseDown();
        return true;
    }
    SpeedButton *button = nullptr;
    if (text == u"+" || key == Qt::Key_Up)
        button = W7SpeedButton1;
    else if (text == u"-" || key == Qt::Key_Down)
        button = W7SpeedButton2;
    else if (text == u"^" || key == Qt::Key_PageUp)
        button = W7SpeedButton3;
    else if (text == u"v" || key == Qt::Key_PageDown)
        button = W7SpeedButton10;
    else if (text == u"#")
        button = W7SpeedButton4;
    if (!button)
        return false;
    button->click(); // nothing while the button is disabled
    return true;
}

// Left and Right on the focused octal or hexadecimal odometer move a pointer over its
// digits, as the mouse does: the digit and its binary digits light up.
bool OdometerPage::pointAtDigit(int step)
{
    TOdometer *odometer = qobject_cast<TOdometer *>(focusWidget());
    if (odometer != Od2 && odometer != Od4)
        return false;
    m_pointedDigit = std::clamp(m_pointedDigit + step, 0, odometer->DigitCount() - 1);
    const int x = m_pointedDigit * digitWidth + digitWidth / 2;
    if (odometer == Od2)
        Od2MouseMove(x);
    else
        AdvGDIPPicture2MouseMove(x);
    sayPointedDigit(odometer);
    return true;
}

void OdometerPage::leavePointedDigit(QWidget *left)
{
    if (left == Od2)
        Od2MouseLeave();
    else if (left == Od4)
        Od4MouseLeave();
    m_pointedDigit = -1;
}

void OdometerPage::SetOdometerWidth(quint8 Bytes)
{
    const OdometerLayout layout = layoutForWidth(Bytes);
    m_byteWidth = Bytes;
    AdvGDIPPicture2->setPictureFile(PICTURES->file(layout.boardPicture));
    Od1->move(layout.od1Left, Od1->y());
    Od2->move(layout.od2Left, Od2->y());
    Od3->move(layout.od3Left, Od3->y());
    decenter->setGeometry(layout.decenterLeft, decenterTop, layout.decenterWidth, decenterHeight);
    Od4->move(layout.od4Left, Od4->y());
    TOdometer *const odometers[] = {Od1, Od2, Od3, Od4};
    for (int index = 0; index < 4; ++index)
        odometers[index]->SetDigitCount(layout.digitCounts[index]);
    decenter->setMinimum(0);
    decenter->setMaximum(layout.largestValue);
    decenter->SetMaxLength(layout.decenterMaxLength);
    for (TOdometer *odometer : {Od3, Od2, Od1, Od4})
        odometer->SetValue(0);
}

void OdometerPage::WrapOdometers()
{
    for (TOdometer *odometer : {Od2, Od3}) {
        const quint32 wrapped = wrapIntoWidth(m_byteWidth, odometer->BaseType(), odometer->Value());
        // Assigning the same value would stop the odometer's roll.
        if (wrapped != odometer->Value())
            odometer->SetValue(wrapped);
    }
}

void OdometerPage::hideHintLabels()
{
    Label5->hide();
    Label6->hide();
}

void OdometerPage::setCountingInterval(int milliseconds)
{
    Timer1->setInterval(milliseconds);
}

void OdometerPage::setRollFrameInterval(quint8 milliseconds)
{
    for (TOdometer *odometer : {Od1, Od2, Od3, Od4})
        odometer->SetFrameInterval(milliseconds);
}

void OdometerPage::W7SpeedButton1Click()
{
    for (TOdometer *odometer : {Od1, Od2, Od3, Od4})
        odometer->Increment();
    WrapOdometers();
    sayValue();
}

void OdometerPage::W7SpeedButton2Click()
{
    for (TOdometer *odometer : {Od1, Od2, Od3, Od4})
        odometer->Decrement();
    WrapOdometers();
    sayValue();
}

// The focused odometer's reading, the decimal one's where the focus is elsewhere.
void OdometerPage::sayValue()
{
    const auto *focused = qobject_cast<const TOdometer *>(focusWidget());
    announce(this, (focused ? focused : Od3)->spokenName());
}

void OdometerPage::sayAllValues()
{
    QStringList readings;
    for (const TOdometer *odometer : {Od1, Od2, Od3, Od4})
        readings << odometer->spokenName();
    announce(this, readings.join(QStringLiteral(". ")));
}

void OdometerPage::sayCountingState()
{
    if (!Timer1->isActive())
        announce(this, tr("Stopped"));
    else
        announce(this, m_countUp ? tr("Counting up") : tr("Counting down"));
}

// "Hexadecimal digit E, binary 1 1 1 0": the digit pointed at and the binary digits it
// lights.
void OdometerPage::sayPointedDigit(const TOdometer *odometer)
{
    const auto digitsIn = [](const TOdometer *counter, int start, int end) {
        QStringList digits;
        for (int position = start; position >= 1 && position <= end; ++position)
            digits << counter->shownDigits().mid(position - 1, 1);
        return digits.join(QLatin1Char(' '));
    };
    const QString radix = odometer == Od2 ? tr("Octal") : tr("Hexadecimal");
    announce(this,
             tr("%1 digit %2, binary %3")
                 .arg(radix,
                      digitsIn(odometer, odometer->HighlightStart(), odometer->Highlightend()),
                      digitsIn(Od1, Od1->HighlightStart(), Od1->Highlightend())));
}

void OdometerPage::Timer1Timer()
{
    if (m_countUp)
        W7SpeedButton1Click();
    else
        W7SpeedButton2Click();
}

void OdometerPage::W7SpeedButton3Click()
{
    pressCountButton(true);
}

void OdometerPage::W7SpeedButton10Click()
{
    pressCountButton(false);
}

// "^" (up) and "v" (down): from rest start counting that way, the running direction's
// button stops, the other one turns round without restarting the interval.
void OdometerPage::pressCountButton(bool up)
{
    if (m_countUp == up || !Timer1->isActive()) {
        if (Timer1->isActive())
            Timer1->stop();
        else
            Timer1->start();
    }
    m_countUp = up;
    showCountingState();
    sayCountingState();
}

void OdometerPage::showCountingState()
{
    const bool counting = Timer1->isActive();
    W7SpeedButton3->setCaptionColor(counting && m_countUp ? runningColor : captionColor);
    W7SpeedButton10->setCaptionColor(counting && !m_countUp ? runningColor : captionColor);
    W7SpeedButton3->setChecked(counting && m_countUp);
    W7SpeedButton10->setChecked(counting && !m_countUp);
    for (SpeedButton *button : {W7SpeedButton1, W7SpeedButton2, W7SpeedButton4})
        button->setEnabled(!counting);
}

void OdometerPage::W7SpeedButton4Click()
{
    if (decenter->isVisible()) {
        AdvEdit1KeyPress(enterKey);
        return;
    }
    // The focus goes in before the text: a screen reader that hears the text change first
    // takes that for the focus and reads the text alone, never the box's name.
    decenter->show();
    decenter->setFocus();
    decenter->setText(QString::number(Od3->Value()));
    decenter->showForEditing();
}

// In the decimal entry box "#" takes the value as the "#" button does, and Escape closes
// the box with the value as it stands; neither reaches the box's text.
bool OdometerPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != decenter || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->text() == u"#") {
        W7SpeedButton4Click();
        return true;
    }
    if (key->key() == Qt::Key_Escape) {
        decenter->setText(QString::number(Od3->Value()));
        decenterExit();
        return true;
    }
    return false;
}

void OdometerPage::Od3MouseDown()
{
    W7SpeedButton4Click();
}

void OdometerPage::AdvEdit1KeyPress(QChar Key)
{
    if (Key == enterKey)
        decenterExit();
}

// The commit of the decimal entry. Hiding the box takes the focus from it, and its range
// check and exit then commit once more; that second pass sets the same values again and
// so shows the odometers at rest at once.
void OdometerPage::decenterExit()
{
    const qint64 typed = std::clamp(decenter->value(), decenter->minimum(), decenter->maximum());
    Od3->SetValue(quint32(typed));
    for (TOdometer *odometer : {Od2, Od1, Od4})
        odometer->SetValue(Od3->Value());
    WrapOdometers();
    sayValue();
    // A commit typed in the box leaves the focus on the decimal odometer, where the arrow
    // keys go on stepping the value, rather than on whatever follows the box.
    if (decenter->hasFocus())
        Od3->setFocus();
    decenter->hide();
}

void OdometerPage::AdvGDIPPicture2MouseMove(int X)
{
    const int k = digitUnderPointer(X);
    showHighlight(Od4, singleDigit(k));
    showHighlight(Od1, hexDigitOnBinary(k));
}

void OdometerPage::Od2MouseMove(int X)
{
    const int k = digitUnderPointer(X);
    showHighlight(Od2, singleDigit(k));
    showHighlight(Od1, octalDigitOnBinary(k, Od2->DigitCount(), Od1->DigitCount()));
}

void OdometerPage::Od4MouseLeave()
{
    clearHighlights(Od4);
}

void OdometerPage::Od2MouseLeave()
{
    clearHighlights(Od2);
}

// The start goes first: the redraw that the end causes then already sees it.
void OdometerPage::showHighlight(TOdometer *odometer, DigitRange digits)
{
    odometer->SetHighlightStart(digits.start);
    odometer->SetHighlightend(digits.end);
}

void OdometerPage::clearHighlights(TOdometer *left)
{
    left->SetHighlightStart(0);
    Od1->SetHighlightStart(0);
    left->SetHighlightend(0);
    Od1->SetHighlightend(0);
}
