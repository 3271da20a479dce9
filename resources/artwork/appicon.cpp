// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork.h"

#include "odometer/digitcell.h"
#include "toolkit/look.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QTextStream>

// The program's icon: three counter wheels on the top bar's blue, the last digit lit green
// as on a highlighted odometer. It is drawn on a 256 x 256 canvas; the digits are outlines
// taken from the font here, so the scalable icon shows them the same on a system without
// that font.
namespace {

constexpr int canvas = 256;
const QRectF frame(8, 8, 240, 240);
constexpr qreal frameRadius = 36;
constexpr qreal frameLine = 8;
constexpr qreal wheelRadius = 8;
constexpr qreal wheelLine = 3;
const QColor wheelEdge(90, 90, 90);
const QColor wheelShade(58, 58, 58);
const QColor wheelMiddle(12, 12, 12);
constexpr char shownDigits[] = "01F";
constexpr int wheelCount = 3;

QRectF wheelCell(int wheel)
{
    return {36.0 + 64 * wheel, 64, 56, 128};
}

QColor digitColour(int wheel)
{
    return wheel == wheelCount - 1 ? QColor(highlightGreen) : QColor(Qt::white);
}

// The wheel's digit as an outline, centred on the wheel as centred text would be.
QPainterPath digitOutline(int wheel)
{
    QFont digits(QStringLiteral("DejaVu Sans Mono"));
    digits.setPixelSize(76);
    digits.setBold(true);
    const QFontMetricsF metrics(digits);
    const QString digit = QString(QLatin1Char(shownDigits[wheel]));
    const QRectF cell = wheelCell(wheel);
    const QPointF baseline(cell.center().x() - metrics.horizontalAdvance(digit) / 2,
                           cell.center().y() - metrics.height() / 2 + metrics.ascent());
    QPainterPath outline;
    outline.addText(baseline, digits, digit);
    return outline;
}

QString number(qreal value)
{
    return QString::number(value, 'f', 2).remove(QRegularExpression(QStringLiteral("\\.?0+$")));
}

QString svgPathData(const QPainterPath &path)
{
    QString data;
    for (int index = 0; index < path.elementCount(); ++index) {
        const QPainterPath::Element element = path.elementAt(index);
        if (element.isMoveTo())
            data += QLatin1Char('M');
        else if (element.isLineTo())
            data += QLatin1Char('L');
        else if (element.isCurveTo())
            data += QLatin1Char('C');
        else
            data += QLatin1Char(' ');
        data += number(element.x) + QLatin1Char(' ') + number(element.y);
    }
    return data;
}

} // namespace

QImage drawAppIcon(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(qreal(size) / canvas, qreal(size) / canvas);

    painter.setPen(QPen(QColor(palette::buttonCaption), frameLine));
    painter.setBrush(QColor(palette::topBar));
    painter.drawRoundedRect(frame, frameRadius, frameRadius);

    QLinearGradient wheel(0, wheelCell(0).top(), 0, wheelCell(0).bottom());
    wheel.setColorAt(0, wheelShade);
    wheel.setColorAt(0.5, wheelMiddle);
    wheel.setColorAt(1, wheelShade);
    for (int index = 0; index < wheelCount; ++index) {
        painter.setPen(QPen(wheelEdge, wheelLine));
        painter.setBrush(wheel);
        painter.drawRoundedRect(wheelCell(index), wheelRadius, wheelRadius);
        painter.fillPath(digitOutline(index), digitColour(index));
    }
    return icon;
}

QByteArray appIconSvg()
{
    QString svg;
    QTextStream out(&svg);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << canvas << "\" height=\""
        << canvas << "\" viewBox=\"0 0 " << canvas << ' ' << canvas << "\">\n"
        << "  <defs>\n"
        << "    <linearGradient id=\"wheel\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">\n"
        << "      <stop offset=\"0\" stop-color=\"" << wheelShade.name() << "\"/>\n"
        << "      <stop offset=\"0.5\" stop-color=\"" << wheelMiddle.name() << "\"/>\n"
        << "      <stop offset=\"1\" stop-color=\"" << wheelShade.name() << "\"/>\n"
        << "    </linearGradient>\n"
        << "  </defs>\n";
    out << "  <rect x=\"" << number(frame.x()) << "\" y=\"" << number(frame.y()) << "\" width=\""
        << number(frame.width()) << "\" height=\"" << number(frame.height()) << "\" rx=\""
        << number(frameRadius) << "\" fill=\"" << QColor(palette::topBar).name() << "\" stroke=\""
        << QColor(palette::buttonCaption).name() << "\" stroke-width=\"" << number(frameLine)
        << "\"/>\n";
    for (int index = 0; index < wheelCount; ++index) {
        const QRectF cell = wheelCell(index);
        out << "  <rect x=\"" << number(cell.x()) << "\" y=\"" << number(cell.y()) << "\" width=\""
            << number(cell.width()) << "\" height=\"" << number(cell.height()) << "\" rx=\""
            << number(wheelRadius) << "\" fill=\"url(#wheel)\" stroke=\"" << wheelEdge.name()
            << "\" stroke-width=\"" << number(wheelLine) << "\"/>\n";
        // Qt fills a glyph outline by the even-odd rule.
        out << "  <path fill-rule=\"evenodd\" fill=\"" << digitColour(index).name() << "\" d=\""
            << svgPathData(digitOutline(index)) << "\"/>\n";
    }
    out << "</svg>\n";
    out.flush();
    return svg.toUtf8();
}
