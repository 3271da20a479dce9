// SPDX-License-Identifier: GPL-3.0-or-later
#include "stormrun.h"

#include "app/basesu.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

namespace {

QString cellText(const QWidget *window, int row, int column)
{
    const auto *cell = window->findChild<QLabel *>(QStringLiteral("c%1%2").arg(row).arg(column));
    return cell ? cell->text() : QString();
}

// A board row read as a number: blanks count as 0.
long rowValue(const QWidget *window, int row, int columns, int radix)
{
    long value = 0;
    for (int column = columns; column >= 1; --column) {
        const QString text = cellText(window, row, column).trimmed();
        value = value * radix + (text.isEmpty() ? 0 : text.toLong(nullptr, 16));
    }
    return value;
}

} // namespace

StormRun::StormRun() : m_window(std::make_unique<Tfbases>())
{
    m_window->show();
    QCoreApplication::sendPostedEvents();
}

StormRun::~StormRun() = default;

QWidget *StormRun::child(const char *name) const
{
    return m_window->findChild<QWidget *>(QLatin1String(name));
}

QLineEdit *StormRun::visibleBox(int which) const
{
    auto *box = m_window->findChild<QLineEdit *>(which == 0 ? QStringLiteral("center")
                                                            : QStringLiteral("decenter"));
    return box && box->isVisible() ? box : nullptr;
}

void StormRun::apply(const StormEvent &event)
{
    QWidget *window = m_window.get();
    switch (event.kind) {
    case StormEvent::ClickButton: {
        QList<QAbstractButton *> buttons;
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
            if (button->isVisible())
                buttons << button;
        }
        if (!buttons.isEmpty()) {
            QAbstractButton *button = buttons[event.a % buttons.size()];
            QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
        }
        break;
    }
    case StormEvent::ClickTab: {
        auto *tabs = window->findChild<QTabBar *>(QStringLiteral("tabs"));
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(event.a).center());
        break;
    }
    case StormEvent::ClickOdometer:
    case StormEvent::HoverOdometer: {
        QWidget *odometer = child(qPrintable(QStringLiteral("Od%1").arg(event.a)));
        if (!odometer || !odometer->isVisible())
            break;
        const QPoint at(qBound(0, event.b, odometer->width() - 1), odometer->height() / 2);
        if (event.kind == StormEvent::ClickOdometer)
            QTest::mouseClick(odometer, Qt::LeftButton, {}, at);
        else
            QTest::mouseMove(odometer, at);
        break;
    }
    case StormEvent::LeaveOdometer: {
        QWidget *odometer = child(qPrintable(QStringLiteral("Od%1").arg(event.a)));
        if (odometer && odometer->isVisible())
            QTest::mouseMove(odometer->parentWidget(),
                             odometer->geometry().bottomRight() + QPoint(20, 20));
        break;
    }
    case StormEvent::PressKey: {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
        const auto modifiers = Qt::KeyboardModifiers(event.b);
        QKeyEvent press(QEvent::KeyPress, event.a, modifiers, event.text);
        QKeyEvent release(QEvent::KeyRelease, event.a, modifiers, event.text);
        QApplication::sendEvent(target, &press);
        if (QApplication::focusWidget())
            target = QApplication::focusWidget();
        QApplication::sendEvent(target, &release);
        break;
    }
    case StormEvent::Paste:
        if (QLineEdit *box = visibleBox(event.a)) {
            QGuiApplication::clipboard()->setText(event.text);
            box->setFocus();
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        }
        break;
    case StormEvent::InputMethod:
        if (QLineEdit *box = visibleBox(event.a)) {
            box->setFocus();
            if (event.b) {
                QInputMethodEvent composing(event.text, {});
                QApplication::sendEvent(box, &composing);
            }
            QInputMethodEvent commit;
            commit.setCommitString(event.text);
            QApplication::sendEvent(box, &commit);
        }
        break;
    case StormEvent::MiddleClick:
        if (QLineEdit *box = visibleBox(event.a)) {
            if (QGuiApplication::clipboard()->supportsSelection())
                QGuiApplication::clipboard()->setText(event.text, QClipboard::Selection);
            QTest::mouseClick(box, Qt::MiddleButton, {}, box->rect().center());
        }
        break;
    case StormEvent::Drop:
        if (QLineEdit *box = visibleBox(event.a)) {
            QMimeData dragged;
            dragged.setText(event.text);
            const QPoint at(qMin(event.b, box->width() - 1), box->height() / 2);
            QDragEnterEvent enter(at, Qt::CopyAction, &dragged, Qt::LeftButton, {});
            QApplication::sendEvent(box, &enter);
            QDropEvent drop(at, Qt::CopyAction, &dragged, Qt::LeftButton, {});
            QApplication::sendEvent(box, &drop);
        }
        break;
    case StormEvent::UndoRedo:
        if (QLineEdit *box = visibleBox(event.a)) {
            box->setFocus();
            QTest::keySequence(box, event.b ? QKeySequence::Redo : QKeySequence::Undo);
        }
        break;
    case StormEvent::Focus: {
        const char *names[] = {"center", "decenter", "grid"};
        QWidget *target = event.a < 3 ? child(names[event.a]) : window;
        if (target && target->isVisible())
            target->setFocus();
        break;
    }
    case StormEvent::Wheel: {
        QWidget *grid = child("grid");
        auto *area =
            grid ? grid->findChild<QWidget *>(QStringLiteral("qt_scrollarea_viewport")) : nullptr;
        if (!area || !area->isVisible())
            break;
        const QPointF at = area->rect().center();
        QWheelEvent wheel(at, area->mapToGlobal(at), QPoint(), QPoint(0, -120 * event.a),
                          Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(area, &wheel);
        break;
    }
    case StormEvent::ScrollBar: {
        QWidget *grid = child("grid");
        QScrollBar *bar = grid ? grid->findChild<QScrollBar *>() : nullptr;
        if (bar && bar->isVisible())
            bar->setValue(bar->minimum() +
                          int(qint64(bar->maximum() - bar->minimum()) * event.a / 1000));
        break;
    }
    case StormEvent::Resize:
        window->resize(event.a, event.b);
        break;
    case StormEvent::TimerTick: {
        QList<QTimer *> active;
        for (QTimer *timer : window->findChildren<QTimer *>()) {
            if (timer->isActive())
                active << timer;
        }
        if (!active.isEmpty())
            QMetaObject::invokeMethod(active[event.a % active.size()], "timeout");
        break;
    }
    case StormEvent::Wait:
        QTest::qWait(event.a);
        break;
    case StormEvent::ClickGrid: {
        QWidget *grid = child("grid");
        auto *area =
            grid ? grid->findChild<QWidget *>(QStringLiteral("qt_scrollarea_viewport")) : nullptr;
        if (area && area->isVisible())
            QTest::mouseClick(area, Qt::LeftButton, Qt::KeyboardModifiers(event.b),
                              QPoint(area->width() / 3, qMin(event.a, area->height() - 1)));
        break;
    }
    case StormEvent::ClickLogo: {
        QWidget *logo = child("Image1");
        QTest::mouseClick(logo, Qt::LeftButton, {}, logo->rect().center());
        break;
    }
    }
    QCoreApplication::sendPostedEvents();
}

QString StormRun::brokenPromise() const
{
    const QWidget *window = m_window.get();
    const int page = window->findChild<QTabBar *>(QStringLiteral("tabs"))->currentIndex();

    // The window keeps the size of its page.
    const QSize outer = window->frameGeometry().size();
    if (page == 2 ? outer.width() != 857 : outer != QSize(442, 356))
        return QStringLiteral("window is %1 x %2 on page %3")
            .arg(outer.width())
            .arg(outer.height())
            .arg(page);

    // The four odometers agree and stay within the width while the entry box is closed.
    const QWidget *entry = child("decenter");
    if (entry && !entry->isVisible()) {
        const uint value = child("Od1")->property("Value").toUInt();
        const uint top = child("Od1")->property("DigitCount").toUInt() == 8 ? 255 : 65535;
        for (const char *name : {"Od2", "Od3", "Od4"}) {
            if (child(name)->property("Value").toUInt() != value)
                return QStringLiteral("%1 shows %2, Od1 %3")
                    .arg(QLatin1String(name))
                    .arg(child(name)->property("Value").toUInt())
                    .arg(value);
        }
        if (value > top)
            return QStringLiteral("odometers at %1, beyond %2").arg(value).arg(top);
    }

    // Each box holds what its rules let in, whatever route the text took: center a whole
    // number, decenter while open integer typing of at most MaxLength characters.
    static const QRegularExpression wholeNumber(
        QRegularExpression::anchoredPattern(QStringLiteral("-?[0-9]{1,18}")));
    static const QRegularExpression integerTyping(
        QRegularExpression::anchoredPattern(QStringLiteral(R"([+-]?[0-9,]*|\([0-9,]*\)?)")));
    const QString centerText = window->findChild<QLineEdit *>(QStringLiteral("center"))->text();
    if (!wholeNumber.match(centerText).hasMatch())
        return QStringLiteral("center holds \"%1\"").arg(centerText.left(40));
    if (const QLineEdit *openEntry = visibleBox(1)) {
        const QString typed = openEntry->text();
        const qsizetype length = typed.size() - typed.count(QLatin1Char(','));
        if (!integerTyping.match(typed).hasMatch() ||
            length > openEntry->property("MaxLength").toInt())
            return QStringLiteral("decenter holds \"%1\"").arg(typed.left(40));
    }

    // The table's selected row is a row of the table, and on the Table page center holds
    // a value of the table's width.
    if (const QWidget *grid = child("grid")) {
        const int rows = grid->property("RowCount").toInt();
        const int row = grid->property("Row").toInt();
        if (row < 1 || row >= rows)
            return QStringLiteral("grid row %1 of %2").arg(row).arg(rows);
        const auto *center = window->findChild<QLineEdit *>(QStringLiteral("center"));
        const long half = rows / 2;
        const long value = center->text().toLong();
        if (page == 2 && !center->hasFocus() && (value < -half || value >= half))
            return QStringLiteral("center holds %1 beside a table of %2 rows")
                .arg(center->text())
                .arg(rows);
    }

    // A working on the board is the true sum or difference of its operands.
    const auto *op = window->findChild<QLabel *>(QStringLiteral("op"));
    const QWidget *board = child("pan2");
    if (op && board && (op->text() == QLatin1String("+") || op->text() == QLatin1String("-"))) {
        const int radix = board->property("Radix").toInt();
        const long top = rowValue(window, 1, 4, radix);
        const long bottom = rowValue(window, 2, 4, radix);
        const long result = rowValue(window, 3, 5, radix);
        const long expected =
            op->text() == QLatin1String("+") ? top + bottom : std::labs(top - bottom);
        if (result != expected)
            return QStringLiteral("board works %1 %2 %3 as %4 in radix %5")
                .arg(top)
                .arg(op->text())
                .arg(bottom)
                .arg(result)
                .arg(radix);
    }
    return {};
}
