// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/devicepicture.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

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

struct DeviceCopy
{
    QString path;
    int scale;
};

// The copy drawn for the screens, or the picture itself where there is no larger one.
DeviceCopy deviceCopy(const QString &path)
{
    for (int scale = wantedScale(); scale > 1; --scale) {
        const QString copy = scaledCopy(path, scale);
        if (QFileInfo::exists(copy))
            return {copy, scale};
    }
    return {path, 1};
}

} // namespace

QImage deviceImage(const QString &path)
{
    const DeviceCopy copy = deviceCopy(path);
    QImage image(copy.path);
    image.setDevicePixelRatio(copy.scale);
    return image;
}

QPixmap devicePicture(const QString &path)
{
    QImage image = deviceImage(path);
    // An opaque picture is held in three bytes a pixel rather than the screen's four: the
    // page backgrounds are the largest pictures, and drawing converts them exactly.
    if (!image.hasAlphaChannel())
        image.convertTo(QImage::Format_RGB888);
    return QPixmap::fromImage(std::move(image), Qt::NoFormatConversion);
}

QSize devicePictureSize(const QString &path)
{
    const DeviceCopy copy = deviceCopy(path);
    return QImageReader(copy.path).size() / copy.scale;
}

void smoothWhereRatiosDiffer(QPainter &painter, qreal pictureRatio)
{
    painter.setRenderHint(QPainter::SmoothPixmapTransform,
                          !qFuzzyCompare(pictureRatio, painter.device()->devicePixelRatioF()));
}
