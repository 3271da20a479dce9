#include "pages/calculate/calculatepage.h"

#include "pages/calculate/columnworking.h"
#include "pages/calculate/digitrules.h"
#include "pages/calculate/fittinglabel.h"
#include "toolkit/debugtrace.h"
#include "toolkit/picturebox.h"
#include "toolkit/speedbutton.h"

#include <QLabel>
#include <QTimer>

namespace {

constexpr int operandColumns = 4;
constexpr int blinkInterval = 330;
constexpr quint8 phaseBit = 128;

const QColor cursorColor(182, 226, 250);
const QColor plainCellColor(Qt::white);
const QColor markColor(0, 0, 255);
const QColor minusColor(255, 0, 0);
const QColor hintColor(128, 0, 0);
const QColor captionColor(30, 57, 91);

const QString selectRadixHint = QStringLiteral("Select Radix");
const QString firstNumberHint = QStringLiteral("Enter first number");
const QString secondNumberHint = QStringLiteral("Enter second number");
const QString workHint = QStringLiteral("Click + or -");

constexpr int cellLeft(unsigned column)
{
    return 305 - 35 * int(column - 1);
}

constexpr int cellTop(unsigned row)
{
    return row == 1 ? 25 : row == 2 ? 81 : 154;
}

QFont PixelFont(const char *family, int pixelSize, bool bold)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QByteArray CursorTraceLine(bool on, unsigned row, unsigned column)
{
    return QByteArray(on ? "1" : "0") + "   " + QByteArray::number(column) + ':' +
           QByteArray::number(row);
}

QByteArray BlinkTraceLine(unsigned code, bool lightBlue)
{
    return QByteArray::number(code) + "  " + (lightBlue ? "1" : "0");
}

PictureBox *AddPicture(QWidget *parent, const char *name, const char *resource, QPoint place)
{
    auto *picture = new PictureBox(parent);
    picture->setObjectName(QLatin1String(name));
    picture->setAutoSize(true);
    picture->setPicture(QPixmap(QString::fromLatin1(resource)));
    picture->move(place);
    return picture;
}

} // namespace

CalculatePage::CalculatePage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pan2"));
    resize(433, 267);
    BuildBoard();
    BuildButtons();

    Timer3 = new QTimer(this);
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->setInterval(blinkInterval);
    Timer3->setTimerType(Qt::PreciseTimer);
    connect(Timer3, &QTimer::timeout, this, &CalculatePage::Timer3Timer);
    Timer3->start();

    ShowBoard();
}

FittingLabel *CalculatePage::AddLabel(const char *name, int left, int top, const QFont &font,
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

void CalculatePage::BuildBoard()
{
    AddPicture(this, "AdvGDIPPicture4", ":/pictures/calculate-background.png", {64, -13});

    const QFont digitFont = PixelFont("Comic Sans MS", 48, true);
    const QFont markFont = PixelFont("Comic Sans MS", 24, true);
    const QFont strikeFont = PixelFont("Comic Sans MS", 48, false);
    const QColor textColor = palette().color(QPalette::WindowText);
    const auto addCell = [&](unsigned row, unsigned column) {
        static const char *const rowNames[] = {"", "First number", "Second number", "Result"};
        const QByteArray name = "c" + QByteArray::number(row * 10 + column);
        m_cells[row * 10 + column] =
            AddLabel(name.constData(), cellLeft(column), cellTop(row), digitFont, textColor);
        m_cells[row * 10 + column]->setAccessibleName(
            QStringLiteral("%1, column %2").arg(QLatin1String(rowNames[row])).arg(column));
    };
    for (unsigned row = 1; row <= 3; ++row) {
        for (unsigned column = operandColumns; column >= 1; --column)
            addCell(row, column);
    }
    m_cells[11]->SetAutoSize(false);
    m_cells[11]->resize(29, 67);

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
            AddLabel(name.constData(), cellLeft(column) + 5, 4, markFont, markColor);
        m_topMarks[column]->setAccessibleName(QStringLiteral("Mark above column %1").arg(column));
    };
    const auto addBorrowMark = [&](unsigned column) {
        const QByteArray name = "b" + QByteArray::number(column);
        m_borrowMarks[column] =
            AddLabel(name.constData(), cellLeft(column) - 12, 25, markFont, markColor);
        m_borrowMarks[column]->setAccessibleName(
            QStringLiteral("Borrow mark of column %1").arg(column));
    };
    const auto addStrike = [&](unsigned column, int left) {
        const QByteArray name = "x" + QByteArray::number(column);
        m_strikes[column] = AddLabel(name.constData(), left, 25, strikeFont, markColor);
        m_strikes[column]->setAccessibleName(
            QStringLiteral("Strike-through of column %1").arg(column));
        m_strikes[column]->SetCaption(u'/');
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

    op = AddLabel("op", 135, 76, digitFont, textColor);
    op->setAccessibleName(QStringLiteral("Operation"));
    hint1 = AddLabel("hint1", 135, 235, PixelFont("Tahoma", 13, false), hintColor);
    hint1->SetAutoSize(false);
    hint1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    hint1->resize(217, 16);
    minus = AddLabel("minus", 130, 149, digitFont, minusColor);
    minus->setAccessibleName(QStringLiteral("Negative result"));
    minus->SetCaption(u'-');
    minus2 = AddPicture(this, "minus2", ":/pictures/minus2.png", {340, 44});
}

SpeedButton *CalculatePage::AddButton(const char *name, const char *caption, const QRect &place,
                                      int fontPixels)
{
    auto *button = new SpeedButton(QString::fromLatin1(caption), this);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(place);
    button->setFont(PixelFont("Tahoma", fontPixels, true));
    button->SetCaptionColor(captionColor);
    return button;
}

void CalculatePage::BuildButtons()
{
    AddPicture(this, "AdvGDIPPicture5", ":/pictures/calculate-buttons.png", {8, 30});
    W7SpeedButton5 = AddButton("W7SpeedButton5", "Octal #", QRect(23, 45, 90, 27), 15);
    W7SpeedButton8 = AddButton("W7SpeedButton8", "Decimal #", QRect(23, 78, 90, 27), 15);
    W7SpeedButton9 = AddButton("W7SpeedButton9", "Hex #", QRect(23, 111, 90, 27), 15);
    W7SpeedButton7 = AddButton("W7SpeedButton7", "-", QRect(28, 161, 34, 27), 19);
    W7SpeedButton6 = AddButton("W7SpeedButton6", "+", QRect(76, 161, 34, 27), 19);
    connect(W7SpeedButton5, &SpeedButton::clicked, this, &CalculatePage::W7SpeedButton5Click);
    connect(W7SpeedButton8, &SpeedButton::clicked, this, &CalculatePage::W7SpeedButton8Click);
    connect(W7SpeedButton9, &SpeedButton::clicked, this, &CalculatePage::W7SpeedButton9Click);
    connect(W7SpeedButton7, &SpeedButton::clicked, this, &CalculatePage::W7SpeedButton7Click);
    connect(W7SpeedButton6, &SpeedButton::clicked, this, &CalculatePage::W7SpeedButton6Click);
}

FittingLabel *CalculatePage::CellLabel(unsigned code) const
{
    return code < m_cells.size() ? m_cells[code] : nullptr;
}

void CalculatePage::ShowBoard()
{
    for (unsigned code = 0; code < m_cells.size(); ++code) {
        if (m_cells[code])
            m_cells[code]->SetCaption(QLatin1Char(m_board.Cell(code / 10, code % 10)));
    }
    for (unsigned column = 2; column <= 5; ++column) {
        m_topMarks[column]->SetCaption(QLatin1Char(m_board.TopMark(column)));
        m_topMarks[column]->setVisible(m_board.TopMarkShown(column));
    }
    for (unsigned column = 1; column <= 3; ++column)
        m_borrowMarks[column]->SetCaption(QLatin1Char(m_board.BorrowMark(column)));
    for (unsigned column = 2; column <= 4; ++column)
        m_strikes[column]->setVisible(m_board.Struck(column));
    op->SetCaption(QLatin1Char(m_board.Operator()));
    minus->setVisible(m_board.MinusShown());
    minus2->setVisible(m_board.MinusShown());
}

void CalculatePage::PaintCell(unsigned code, const QColor &color)
{
    QLabel *cell = CellLabel(code);
    if (!cell)
        return;
    QPalette colors = cell->palette();
    colors.setColor(QPalette::Window, color);
    cell->setPalette(colors);
}

void CalculatePage::SetCursor(unsigned row, unsigned column, bool on)
{
    Timer3->stop();
    DebugTrace(CursorTraceLine(on, row, column));
    m_blinkCell = quint8(row * 10 + column);
    PaintCell(m_blinkCell, on ? cursorColor : plainCellColor);
    if (QLabel *cell = CellLabel(m_blinkCell))
        cell->setAutoFillBackground(on);
    if (!on)
        m_blinkCell = 0;
    Timer3->start();
}

void CalculatePage::Timer3Timer()
{
    if (m_blinkCell == 0)
        return;
    const bool lightBlue = m_blinkCell > phaseBit;
    if (lightBlue)
        m_blinkCell -= phaseBit;
    else
        m_blinkCell += phaseBit;
    const unsigned code = m_blinkCell & ~phaseBit;
    DebugTrace(BlinkTraceLine(code, lightBlue));
    PaintCell(code, lightBlue ? cursorColor : plainCellColor);
}

void CalculatePage::ClearBoard(bool keepOperands)
{
    if (m_blinkCell != 0) {
        const unsigned code = m_blinkCell & ~phaseBit;
        SetCursor(code / 10, code % 10, false);
    }
    m_board.Clear(keepOperands);
    ShowBoard();
    hint1->setText(selectRadixHint);
}

void CalculatePage::W7SpeedButton5Click()
{
    m_radix = 8;
    SelectRadix(W7SpeedButton5);
}

void CalculatePage::W7SpeedButton8Click()
{
    m_radix = 10;
    SelectRadix(W7SpeedButton8);
}

void CalculatePage::W7SpeedButton9Click()
{
    m_radix = 16;
    SelectRadix(W7SpeedButton9);
}

// The chosen radix button stays lit until another radix is chosen, workings included:
// the radix stays in force for every further "+" or "-".
void CalculatePage::SelectRadix(SpeedButton *button)
{
    ClearBoard(false);
    for (SpeedButton *radixButton : {W7SpeedButton5, W7SpeedButton8, W7SpeedButton9})
        radixButton->SetLight(radixButton == button);
    hint1->setText(firstNumberHint);
    m_entryRow = 1;
    m_entryColumn = operandColumns;
    SetCursor(1, operandColumns, true);
}

void CalculatePage::FormKeyPress(QChar Key)
{
    if (m_entryRow == 0)
        return;
    if (Key == QChar(8)) {
        RemoveLastDigit();
        return;
    }
    if (Key == QChar(13)) {
        CloseEntryRow();
        return;
    }
    const std::optional<unsigned> value = KeyDigit(Key.unicode(), m_radix);
    if (!value)
        return;
    SetCursor(m_entryRow, m_entryColumn, false);
    m_board.SetBoardDigit(m_entryRow, m_entryColumn, *value, m_radix);
    ShowBoard();
    --m_entryColumn;
    if (m_entryColumn == 0) {
        ++m_entryRow;
        hint1->setText(secondNumberHint);
        m_entryColumn = operandColumns;
    }
    if (m_entryRow == 3) {
        m_entryRow = 0;
        hint1->setText(workHint);
    }
    if (m_entryRow != 0)
        SetCursor(m_entryRow, m_entryColumn, true);
}

void CalculatePage::RemoveLastDigit()
{
    if (m_entryColumn >= operandColumns)
        return;
    SetCursor(m_entryRow, m_entryColumn, false);
    ++m_entryColumn;
    m_board.SetBoardDigit(m_entryRow, m_entryColumn, 0, 0);
    ShowBoard();
    SetCursor(m_entryRow, m_entryColumn, true);
}

void CalculatePage::CloseEntryRow()
{
    SetCursor(m_entryRow, m_entryColumn, false);
    AlignEntryRow();
    if (m_entryRow == 1) {
        hint1->setText(secondNumberHint);
        m_entryRow = 2;
        m_entryColumn = operandColumns;
        SetCursor(2, operandColumns, true);
    } else {
        m_entryRow = 0;
        hint1->setText(workHint);
    }
}

void CalculatePage::AlignEntryRow()
{
    AlignRow(m_board, m_entryRow, m_entryColumn, m_radix);
    ShowBoard();
}

void CalculatePage::CloseOperands(char sign)
{
    for (int pass = 0; pass < 2 && m_entryRow != 0; ++pass)
        CloseEntryRow();
    ClearBoard(true);
    hint1->setText(QString());
    m_board.SetOperator(sign);
}

void CalculatePage::W7SpeedButton6Click()
{
    Work('+', WorkSum);
}

void CalculatePage::W7SpeedButton7Click()
{
    Work('-', WorkDifference);
}

void CalculatePage::Work(char sign, void (*working)(ColumnBoard &, unsigned))
{
    if (m_radix == 0)
        return;
    CloseOperands(sign);
    working(m_board, m_radix);
    ShowBoard();
}
