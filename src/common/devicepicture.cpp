// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/devicepicture.h"

#include <QGuiApplication>

#include <algorithm>
#include <cmath>

namespace {

constexpr int largestScale = 3;

// The copy drawn for a scale: "name@2x.png" beside "name.png", "name@2x" beside "name".
QString scaledCopy(const QString &path, int scale)
{
    const QString mark = QStringLiteral("@%1x").arg(scale);
    const int extension = path.lastIndexOf(QLatin1Char('.'));
    if (extension <= path.lastIndexOf(QLatin1Char('/')))
        return path + mark;
    return path.left(extension) + mark + path.mid(extension);
}

// The least whole scale that is at least the screens' ratio, so that a picture is only
// ever drawn smaller, never enlarged.
int wantedScale()
{
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    return std::clamp(int(std::ceil(ratio - 0.01)), 1, largestScale);
}

} // namespace

QImage deviceImage(const QString &path)
{
    for (int scale = wantedScale(); scale > 1; --scale) {
        QImage copy(scaledCopy(path, scale));
        if (!copy.isNull()) {
            copy.setDevicePixelRatio(scale);
            return copy;
        }
    }
    return QImage(path);
}

QPixmap devicePicture(const QString &path)
{
    return QPixmap::fromImage(deviceImage(path));
}
