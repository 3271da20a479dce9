// SPDX-License-Identifier: GPL-3.0-or-later
#include "stormevent.h"

#include <QStringList>

#include <array>

namespace {

const QStringList kindNames = {"ClickButton",   "ClickTab",  "ClickOdometer", "HoverOdometer",
                               "LeaveOdometer", "PressKey",  "Paste",         "Focus",
                               "Wheel",         "ScrollBar", "Resize",        "TimerTick",
                               "Wait",          "ClickGrid", "InputMethod",   "MiddleClick",
                               "Drop",          "UndoRedo",  "ClickLogo"};

struct Key
{
    int key;
    const char *text;
};

// Keys a student reaches: digits, letters of every radix and beyond, the signs, the
// editing keys and the keys that move around.
constexpr std::array keys = {
    Key{Qt::Key_0, "0"},         Key{Qt::Key_1, "1"},         Key{Qt::Key_2, "2"},
    Key{Qt::Key_3, "3"},         Key{Qt::Key_4, "4"},         Key{Qt::Key_5, "5"},
    Key{Qt::Key_6, "6"},         Key{Qt::Key_7, "7"},         Key{Qt::Key_8, "8"},
    Key{Qt::Key_9, "9"},         Key{Qt::Key_A, "a"},         Key{Qt::Key_C, "C"},
    Key{Qt::Key_F, "f"},         Key{Qt::Key_F, "F"},         Key{Qt::Key_G, "g"},
    Key{Qt::Key_Z, "Z"},         Key{Qt::Key_Minus, "-"},     Key{Qt::Key_Plus, "+"},
    Key{Qt::Key_Period, "."},    Key{Qt::Key_ParenLeft, "("}, Key{Qt::Key_Space, " "},
    Key{Qt::Key_Return, "\r"},   Key{Qt::Key_Enter, "\r"},    Key{Qt::Key_Backspace, "\b"},
    Key{Qt::Key_Delete, "\x7f"}, Key{Qt::Key_Escape, "\x1b"}, Key{Qt::Key_Tab, "\t"},
    Key{Qt::Key_Up, ""},         Key{Qt::Key_Down, ""},       Key{Qt::Key_PageUp, ""},
    Key{Qt::Key_PageDown, ""},   Key{Qt::Key_Home, ""},       Key{Qt::Key_End, ""},
    Key{Qt::Key_Left, ""},       Key{Qt::Key_Right, ""},
};

constexpr std::array controlKeys = {Qt::Key_A, Qt::Key_C, Qt::Key_V, Qt::Key_X, Qt::Key_Z};

QString randomText(std::mt19937 &generator)
{
    static const QString pieces[] = {"0",   "7",  "-",      "12",   "300", "-5",         "65535",
                                     "abc", " ",  "1,234",  "(12)", "\n",  "9999999999", "-0",
                                     "ff",  "+3", "\u00e9", "1e3",  "\t",  "255"};
    std::uniform_int_distribution<int> count(0, 4);
    std::uniform_int_distribution<int> piece(0, int(std::size(pieces)) - 1);
    QString text;
    for (int i = count(generator); i > 0; --i)
        text += pieces[piece(generator)];
    return text;
}

// What input methods commit: dead-key and Compose results, CJK, right-to-left text,
// combining marks, emoji, a lone surrogate, NUL, and texts of ten thousand characters.
QString inputMethodText(std::mt19937 &generator)
{
    static const QString texts[] = {QStringLiteral("\u00b2"),
                                    QStringLiteral("\u00e9"),
                                    QStringLiteral("'"),
                                    QStringLiteral("^"),
                                    QStringLiteral("\u00bd"),
                                    QStringLiteral("\u2260"),
                                    QStringLiteral("\u6570\u5b57"),
                                    QStringLiteral("\uff11\uff12"),
                                    QStringLiteral("\u0663\u0664"),
                                    QStringLiteral("\u05e9\u05dc\u05d5\u05dd"),
                                    QStringLiteral("\u200f5-"),
                                    QStringLiteral("5\u0301"),
                                    QStringLiteral("\U0001f600"),
                                    QStringLiteral("1\ufe0f\u20e3"),
                                    QString(QChar(0xd800)),
                                    QString(QChar(0)),
                                    QStringLiteral("7"),
                                    QStringLiteral("-"),
                                    QStringLiteral("(12)"),
                                    QStringLiteral("65,535"),
                                    QStringLiteral("1234567890").repeated(1000),
                                    QStringLiteral("\u00e9\u00b2\u0301").repeated(3333) +
                                        QStringLiteral("-5")};
    return texts[std::uniform_int_distribution<int>(0, int(std::size(texts)) - 1)(generator)];
}

} // namespace

QString StormEvent::describe() const
{
    QString escaped = text.size() > 40
                          ? text.left(20) + QStringLiteral("...(%1 characters)").arg(text.size())
                          : text;
    escaped.replace(QLatin1Char('\r'), QLatin1String("\\r"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"))
        .replace(QLatin1Char('\b'), QLatin1String("\\b"));
    return QStringLiteral("%1(%2, %3, \"%4\")").arg(kindNames[kind]).arg(a).arg(b).arg(escaped);
}

StormEvent StormEvent::random(std::mt19937 &generator, bool clickLogo)
{
    // Weights: key presses and clicks are what students do most. The logo comes last, so
    // that leaving it out keeps every other run's events as they were.
    static constexpr std::array<double, 19> weights = {14, 4, 4, 6, 3, 30, 4, 4, 3, 2,
                                                       2,  6, 1, 3, 4, 2,  2, 2, 1};
    static const std::discrete_distribution<int> kinds(weights.begin(), weights.end() - 1);
    static const std::discrete_distribution<int> kindsWithLogo(weights.begin(), weights.end());
    auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(generator);
    };
    StormEvent event;
    event.kind = static_cast<Kind>(
        std::discrete_distribution<int>(clickLogo ? kindsWithLogo : kinds)(generator));
    switch (event.kind) {
    case ClickButton:
        event.a = pick(0, 40);
        break;
    case ClickTab:
        event.a = pick(0, 2);
        break;
    case ClickOdometer:
    case HoverOdometer:
        event.a = pick(1, 4);
        event.b = pick(-3, 250);
        break;
    case LeaveOdometer:
        event.a = pick(1, 4);
        break;
    case PressKey: {
        if (pick(0, 9) == 0) {
            event.a = controlKeys[pick(0, int(controlKeys.size()) - 1)];
            event.b = Qt::ControlModifier;
        } else {
            const Key key = keys[pick(0, int(keys.size()) - 1)];
            event.a = key.key;
            event.text = QString::fromLatin1(key.text);
            event.b = pick(0, 7) == 0 ? int(Qt::ShiftModifier) : 0;
        }
        break;
    }
    case Paste:
        event.a = pick(0, 1);
        event.text = randomText(generator);
        break;
    case Focus:
        event.a = pick(0, 3);
        break;
    case Wheel:
        event.a = pick(-5, 5);
        break;
    case ScrollBar:
        event.a = pick(0, 1000);
        break;
    case Resize:
        event.a = pick(100, 1200);
        event.b = pick(80, 900);
        break;
    case TimerTick:
        event.a = pick(0, 20);
        break;
    case Wait:
        event.a = pick(1, 40);
        break;
    case ClickGrid:
        event.a = pick(0, 400);
        event.b = pick(0, 3) == 0 ? int(Qt::ShiftModifier) : 0;
        break;
    case InputMethod:
        event.a = pick(0, 1);
        event.b = pick(0, 1);
        event.text = inputMethodText(generator);
        break;
    case MiddleClick:
        event.a = pick(0, 1);
        event.text = pick(0, 1) ? randomText(generator) : inputMethodText(generator);
        break;
    case Drop:
        event.a = pick(0, 1);
        event.b = pick(0, 80);
        event.text = pick(0, 1) ? randomText(generator) : inputMethodText(generator);
        break;
    case UndoRedo:
        event.a = pick(0, 1);
        event.b = pick(0, 1);
        break;
    case ClickLogo:
        break;
    }
    return event;
}
