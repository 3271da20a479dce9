// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's pictures into the resources folder given as the one argument:
//   quorvel_artwork path/to/resources
#include "artwork.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

namespace {

bool save(const QDir &folder, const char *name, const QImage &image, const char *format,
          int quality = -1)
{
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (image.save(path, format, quality))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

bool saveText(const QDir &folder, const char *name, const QByteArray &text)
{
    const QString path = folder.filePath(QString::fromLatin1(name));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size())
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: quorvel_artwork RESOURCES_FOLDER\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    // The pictures at 1x, 2x and 3x: "name.png", "name@2x.png", "name@3x.png".
    for (int scale : {1, 2, 3}) {
        const auto saveAt = [&](const char *name, const char *extension, const QImage &image,
                                const char *format, int quality = -1) {
            const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
            const QString file = QLatin1String(name) + suffix + QLatin1String(extension);
            ok = save(folder, qPrintable(file), image, format, quality) && ok;
        };
        saveAt("pictures/logo", ".jpg", drawLogo(scale), "JPEG", 92);
        saveAt("pictures/tab-face", ".png", drawTabFace(false, scale), "PNG");
        saveAt("pictures/tab-face-selected", ".png", drawTabFace(true, scale), "PNG");
        saveAt("pictures/calculate-background", ".png", drawCalculateBackground(scale), "PNG");
        saveAt("pictures/calculate-buttons", ".png", drawCalculateButtonPanel(scale), "PNG");
        saveAt("pictures/minus2", ".png", drawNegativeBracket(scale), "PNG");
        saveAt("pictures/odometer-background", ".png", drawOdometerBackground(scale), "PNG");
        saveAt("pictures/button-backing", ".png", drawButtonBacking(scale), "PNG");
        saveAt("pictures/Blue Rectangle", ".png", drawOdometerBoard(234, scale), "PNG");
        saveAt("pictures/Blue Rectangle long", ".png", drawOdometerBoard(312, scale), "PNG");
        saveAt("DIGITS", ".png", drawDigitStrip(scale), "PNG");
    }
    for (int size : {48, 64, 128, 256}) {
        const QString name = QStringLiteral("../packaging/icons/%1.png").arg(size);
        ok = save(folder, qPrintable(name), drawAppIcon(size), "PNG") && ok;
    }
    ok = saveText(folder, "../packaging/icons/org.quorvel.Quorvel.svg", appIconSvg()) && ok;
    return ok ? 0 : 1;
}
