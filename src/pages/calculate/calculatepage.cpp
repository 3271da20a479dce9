// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/calculate/calculatepage.h"

#include "common/accessiblerole.h"
#include "common/accessibletext.h"
#include "pages/calculate/columnworking.h"
#include "pages/calculate/fittinglabel.h"
#include "pages/calculate/workingdescription.h"
#include "toolkit/debugtrace.h"
#include "toolkit/look.h"
#include "toolkit/picturebox.h"
#include "toolkit/speedbutton.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

namespace {

constexpr int blinkInterval = 330;
constexpr quint8 phaseBit = 128;

const QColor cursorColor(palette::boardCursor);
const QColor plainCellColor(palette::page);
const QColor markColor(palette::boardMark);
const QColor minusColor(palette::negativeMark);
const QColor hintColor(palette::boardHint);

QString promptText(OperandEntry::Prompt prompt)
{
    switch (prompt) {
    case OperandEntry::Prompt::SelectRadix:
        return CalculatePage::tr("Select Radix");
    case OperandEntry::Prompt::FirstNumber:
        return CalculatePage::tr("Enter first number");
    case OperandEntry::Prompt::SecondNumber:
        return CalculatePage::tr("Enter second number");
    case OperandEntry::Prompt::ChooseOperation:
        return CalculatePage::tr("Click + or -");
    case OperandEntry::Prompt::None:
        break;
    }
    return {};
}

// The prompt as a keyboard user hears it.
QString spokenPrompt(OperandEntry::Prompt prompt)
{
    if (prompt == OperandEntry::Prompt::ChooseOperation)
        return CalculatePage::tr("Press + or -");
    return promptText(prompt);
}

constexpr int cellLeft(unsigned column)
{
    return 305 - 35 * int(column - 1);
}

constexpr int cellTop(unsigned row)
{
    return row == 1 ? 25 : row == 2 ? 81 : 154;
}

QByteArray cursorTraceLine(bool on, unsigned row, unsigned column)
{
    return QByteArray(on ? "1" : "0") + "   " + QByteArray::number(column) + ':' +
           QByteArray::number(row);
}

// The cells row by row from the left, the result from its carry column, whatever the
// order they lie on top of one another.
// Top to bottom as on paper, each row from the left: the marks above the first number, its
// digits each after its strike and small borrowed 1, the operation and the second number,
// the minus sign and the result, and the line that says what to do next.
QStringList boardInReadingOrder()
{
    const auto named = [](char kind, unsigned code) {
        return QLatin1Char(kind) + QString::number(code);
    };
    QStringList names;
    for (unsigned column = 5; column >= 2; --column)
        names << named('r', column);
    for (unsigned column = 4; column >= 1; --column) {
        if (column >= 2)
            names << named('x', column);
        if (column <= 3)
            names << named('b', column);
        names << named('c', 10 + column);
    }
    names << QStringLiteral("op");
    for (unsigned column = 4; column >= 1; --column)
        names << named('c', 20 + column);
    names << QStringLiteral("minus");
    for (unsigned column = 5; column >= 1; --column)
        names << named('c', 30 + column);
    names << QStringLiteral("hint1");
    return names;
}

QByteArray blinkTraceLine(unsigned code, bool lightBlue)
{
    return QByteArray::number(code) + "  " + (lightBlue ? "1" : "0");
}

} // namespace

CalculatePage::CalculatePage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pan2"));
    setAccessibleReadingOrder(this, QAccessible::Pane, boardInReadingOrder());
    resize(433, 267);
    buildBoard();
    buildButtons();

    Timer3 = new QTimer(this);
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->setInterval(blinkInterval);
    Timer3->setTimerType(Qt::PreciseTimer);
    connect(Timer3, &QTimer::timeout, this, &CalculatePage::Timer3Timer);
    Timer3->start();

    showBoard();
}

FittingLabel *CalculatePage::addLabel(const char *name, int left, int top, const QFont &font,
                                      const QColor &color)
{
    auto *label = new FittingLabel(this);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette colors = label->palette();
    colors.setColor(QPalette::WindowText, color);
    colors.setColor(QPalette::Window, plainCellColor);
    label->setPalette(colors);
    label->move(left, top);
    return label;
}

void CalculatePage::buildBoard()
{
    addPictureBox(this, "AdvGDIPPicture4", {64, -13},
                  QStringLiteral(":/pictures/calculate-background.png"));

    const QFont digitFont = roleFont(FontRole::BoardDigit);
    const QFont markFont = roleFont(FontRole::BoardMark);
    const QFont strikeFont = roleFont(FontRole::BoardStrike);
    const QColor textColor = palette().color(QPalette::WindowText);
    const auto addCell = [&](unsigned row, unsigned column) {
        const QString rowNames[] = {{}, tr("First number"), tr("Second number"), tr("Result")};
        const QByteArray name = "c" + QByteArray::number(row * 10 + column);
        m_cells[row * 10 + column] =
            addLabel(name.constData(), cellLeft(column), cellTop(row), digitFont, textColor);
        m_cells[row * 10 + column]->setAccessibleName(
            tr("%1, column %2").arg(rowNames[row]).arg(column));
    };
    for (unsigned row = 1; row <= 3; ++row) {
        for (unsigned column = OperandEntry::operandColumns; column >= 1; --column)
            addCell(row, column);
    }
    m_cells[11]->setAutoSize(false);
    m_cells[11]->resize(29, 67);

    // NOLINTNEXTLINE(readability-identifier-naming): the rule keeps its layout name
    auto *Shape1 = new QWidget(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(164, 150, 175, 3);
    Shape1->setAutoFillBackground(true);
    QPalette rule = Shape1->palette();
    rule.setColor(QPalette::Window, textColor);
    Shape1->setPalette(rule);

    addCell(3, 5);
    const auto addTopMark = [&](unsigned column) {
        const QByteArray name = "r" + QByteArray::number(column);
        m_topMarks[column] =
            addLabel(name.constData(), cellLeft(column) + 5, 4, markFont, markColor);
        m_topMarks[column]->setAccessibleName(tr("Mark above column %1").arg(column));
    };
    const auto addBorrowMark = [&](unsigned column) {
        const QByteArray name = "b" + QByteArray::number(column);
        m_borrowMarks[column] =
            addLabel(name.constData(), cellLeft(column) - 12, 25, markFont, markColor);
        m_borrowMarks[column]->setAccessibleName(tr("Borrow mark of column %1").arg(column));
    };
    const auto addStrike = [&](unsigned column, int left) {
        const QByteArray name = "x" + QByteArray::number(column);
        m_strikes[column] = addLabel(name.constData(), left, 25, strikeFont, markColor);
        m_strikes[column]->setAccessibleName(tr("Strike-through of column %1").arg(column));
        m_strikes[column]->setCaption(u'/');
    };
    addTopMark(4);
    m_topMarks[4]->setAutoFillBackground(true);
    addBorrowMark(1);
    addTopMark(3);
    addTopMark(2);
    addBorrowMark(3);
    addBorrowMark(2);
    addStrike(2, 270);
    addStrike(3, 235);
    addStrike(4, 204);
    addTopMark(5);

    op = addLabel("op", 135, 76, digitFont, textColor);
    op->setAccessibleName(tr("Operation"));
    hint1 = addLabel("hint1", 135, 235, roleFont(FontRole::BoardHint), hintColor);
    hint1->setAutoSize(false);
    hint1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    hint1->resize(217, 16);
    minus = addLabel("minus", 130, 149, digitFont, minusColor);
    minus->setAccessibleName(tr("Negative result"));
    minus->setCaption(u'-');
    minus2 = addPictureBox(this, "minus2", {340, 44}, QStringLiteral(":/pictures/minus2.png"));
}

void CalculatePage::buildButtons()
{
    addPictureBox(this, "AdvGDIPPicture5", {8, 30},
                  QStringLiteral(":/pictures/calculate-buttons.png"));
    // The caption stays the layout's; assistive technology reads the button by what it does.
    const auto addButton = [this](const char *name, const QString &caption, QRect place,
                                  FontRole role, const QString &action, const QString &tip) {
        SpeedButton *button = addSpeedButton(this, name, caption, place, role);
        button->setAccessibleName(action);
        button->setToolTip(tip);
        return button;
    };
    W7SpeedButton5 =
        addButton("W7SpeedButton5", tr("Octal #"), {23, 45, 90, 27}, FontRole::RadixButtonCaption,
                  tr("Octal numbers"), tr("Start a problem in octal (Alt+O)"));
    W7SpeedButton8 =
        addButton("W7SpeedButton8", tr("Decimal #"), {23, 78, 90, 27}, FontRole::RadixButtonCaption,
                  tr("Decimal numbers"), tr("Start a problem in decimal (Alt+D)"));
    W7SpeedButton9 =
        addButton("W7SpeedButton9", tr("Hex #"), {23, 111, 90, 27}, FontRole::RadixButtonCaption,
                  tr("Hexadecimal numbers"), tr("Start a problem in hexadecimal (Alt+H)"));
    // The lit radix button reads as the checked one of the three.
    for (SpeedButton *radixButton : {W7SpeedButton5, W7SpeedButton8, W7SpeedButton9})
        radixButton->setCheckable(true);
    W7SpeedButton7 = addButton("W7SpeedButton7", QStringLiteral("-"), {28, 161, 34, 27},
                               FontRole::PushButtonCaption, tr("Work the difference"),
                               tr("Subtract the second number from the first (key -)"));
    W7SpeedButton6 = addButton("W7SpeedButton6", QStringLiteral("+"), {76, 161, 34, 27},
                               FontRole::PushButtonCaption, tr("Work the sum"),
                               tr("Add the two numbers (key +)"));
    connect(W7SpeedButton5, &SpeedButton::clicked, this, &CalculatePage::W7SpeedButton5Click);
    connect(W7SpeedButton8, &SpeedButton::clicked, this, &CalculatePage::W7SpeedButton8Click);
    connect(W7SpeedButton9, &SpeedButton::clicked, this, &CalculatePage::W7SpeedButton9Click);
    connect(W7SpeedButton7, &SpeedButton::clicked, this, &CalculatePage::W7SpeedButton7Click);
    connect(W7SpeedButton6, &SpeedButton::clicked, this, &CalculatePage::W7SpeedButton6Click);
}

FittingLabel *CalculatePage::cellLabel(unsigned code) const
{
    return code < m_cells.size() ? m_cells[code] : nullptr;
}

void CalculatePage::showBoard()
{
    for (unsigned code = 0; code < m_cells.size(); ++code) {
        if (m_cells[code])
            m_cells[code]->setCaption(QLatin1Char(board().cell(code / 10, code % 10)));
    }
    for (unsigned column = 2; column <= 5; ++column) {
        m_topMarks[column]->setCaption(QLatin1Char(board().topMark(column)));
        m_topMarks[column]->setVisible(board().topMarkShown(column));
    }
    for (unsigned column = 1; column <= 3; ++column)
        m_borrowMarks[column]->setCaption(QLatin1Char(board().borrowMark(column)));
    for (unsigned column = 2; column <= 4; ++column)
        m_strikes[column]->setVisible(board().struck(column));
    op->setCaption(QLatin1Char(board().operatorSign()));
    minus->setVisible(board().minusShown());
    minus2->setVisible(board().minusShown());
}

void CalculatePage::paintCell(unsigned code, const QColor &color)
{
    QLabel *cell = cellLabel(code);
    if (!cell)
        return;
    QPalette colors = cell->palette();
    colors.setColor(QPalette::Window, color);
    cell->setPalette(colors);
}

void CalculatePage::SetCursor(unsigned row, unsigned column, bool on)
{
    Timer3->stop();
    DebugTrace(cursorTraceLine(on, row, column));
    m_blinkCell = quint8(row * 10 + column);
    paintCell(m_blinkCell, on ? cursorColor : plainCellColor);
    if (QLabel *cell = cellLabel(m_blinkCell))
        cell->setAutoFillBackground(on);
    if (!on)
        m_blinkCell = 0;
    Timer3->start();
}

void CalculatePage::setBlinkInterval(int milliseconds)
{
    Timer3->setInterval(milliseconds);
}

void CalculatePage::Timer3Timer()
{
    if (m_blinkCell == 0)
        return;
    // Set, the phase bit says the cell was last painted white: it turns light blue now.
    const bool lightBlue = m_blinkCell > phaseBit;
    // Taking the phase bit off where it is set and adding it where it is not is, on eight
    // bits, one and the same: the bit flips.
    m_blinkCell ^= phaseBit;
    const unsigned code = m_blinkCell & ~phaseBit;
    DebugTrace(blinkTraceLine(code, lightBlue));
    paintCell(code, lightBlue ? cursorColor : plainCellColor);
}

void CalculatePage::ClearBoard(bool keepOperands)
{
    if (m_blinkCell != 0) {
        const unsigned code = m_blinkCell & ~phaseBit;
        SetCursor(code / 10, code % 10, false);
    }
    m_entry.clearBoard(keepOperands);
    showEntry();
}

void CalculatePage::W7SpeedButton5Click()
{
    m_entry.setRadix(8);
    SelectRadix(W7SpeedButton5);
}

void CalculatePage::W7SpeedButton8Click()
{
    m_entry.setRadix(10);
    SelectRadix(W7SpeedButton8);
}

void CalculatePage::W7SpeedButton9Click()
{
    m_entry.setRadix(16);
    SelectRadix(W7SpeedButton9);
}

// The chosen radix button stays lit until another radix is chosen, workings included:
// the radix stays in force for every further "+" or "-".
void CalculatePage::SelectRadix(SpeedButton *button)
{
    ClearBoard(false);
    for (SpeedButton *radixButton : {W7SpeedButton5, W7SpeedButton8, W7SpeedButton9})
        radixButton->SetLight(radixButton == button);
    m_entry.startFirstRow();
    showEntry();
    announce(this, button->accessibleName());
    sayPrompt();
}

void CalculatePage::FormKeyPress(QChar Key)
{
    const int row = m_entry.EntryRow();
    const OperandEntry::Prompt prompt = m_entry.prompt();
    m_entry.type(Key.unicode());
    showEntry();
    if (row != 0)
        sayRow(row);
    if (m_entry.prompt() != prompt)
        sayPrompt();
}

void CalculatePage::sayRow(int row)
{
    const QString digits = spokenDigits(board(), unsigned(row));
    const QString reading = digits.isEmpty() ? tr("empty") : digits;
    announce(this,
             row == 1 ? tr("First number: %1").arg(reading) : tr("Second number: %1").arg(reading));
}

void CalculatePage::sayPrompt()
{
    const QString prompt = spokenPrompt(m_entry.prompt());
    if (!prompt.isEmpty())
        announce(this, prompt);
}

void CalculatePage::sayAgain()
{
    const QString working = describeWorking(board());
    if (!working.isEmpty()) {
        announce(this, working);
        return;
    }
    for (int row : {1, 2}) {
        if (row <= m_entry.EntryRow() || m_entry.prompt() == OperandEntry::Prompt::ChooseOperation)
            sayRow(row);
    }
    sayPrompt();
}

bool CalculatePage::pressKey(const QKeyEvent *event)
{
    SpeedButton *button = nullptr;
    const QString text = event->text();
    if (event->modifiers().testFlag(Qt::AltModifier)) {
        switch (event->key()) {
        case Qt::Key_O:
            button = W7SpeedButton5;
            break;
        case Qt::Key_D:
            button = W7SpeedButton8;
            break;
        case Qt::Key_H:
            button = W7SpeedButton9;
            break;
        default:
            break;
        }
    } else if (text == u"=") {
        sayAgain();
        return true;
    } else if (text == u"+") {
        button = W7SpeedButton6;
    } else if (text == u"-") {
        button = W7SpeedButton7;
    }
    if (!button)
        return false;
    button->click();
    return true;
}

void CalculatePage::W7SpeedButton6Click()
{
    work('+', workSum);
}

void CalculatePage::W7SpeedButton7Click()
{
    work('-', workDifference);
}

void CalculatePage::work(char sign, void (*working)(ColumnBoard &, unsigned))
{
    if (m_entry.Radix() == 0)
        return;
    m_entry.prepareWorking(sign);
    working(m_entry.board(), unsigned(m_entry.Radix()));
    showEntry();
}

void CalculatePage::showEntry()
{
    for (const OperandEntry::CursorMove &move : m_entry.takeCursorMoves())
        SetCursor(move.row, move.column, move.on);
    showBoard();
    hint1->setText(promptText(m_entry.prompt()));
    // The accessibility setters tell of every call, a repeated text as well.
    if (const QString prompt = spokenPrompt(m_entry.prompt()); hint1->accessibleName() != prompt)
        hint1->setAccessibleName(prompt);
    const QString working = describeWorking(board());
    if (hint1->accessibleDescription() != working) {
        hint1->setAccessibleDescription(working);
        if (!working.isEmpty())
            announce(this, working);
    }
}
