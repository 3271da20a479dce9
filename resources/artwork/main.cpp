// Draws the program's pictures into the resources folder given as the one argument:
//   quorvel_artwork path/to/resources
#include "artwork.h"

#include <QDir>
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

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: quorvel_artwork RESOURCES_FOLDER\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bool ok = save(folder, "pictures/logo.jpg", drawLogo(), "JPEG", 92);
    ok = save(folder, "pictures/tab-face.png", drawTabFace(false), "PNG") && ok;
    ok = save(folder, "pictures/tab-face-selected.png", drawTabFace(true), "PNG") && ok;
    for (int size : {48, 64, 128, 256}) {
        const QString name = QStringLiteral("../packaging/icons/%1.png").arg(size);
        ok = save(folder, qPrintable(name), drawAppIcon(size), "PNG") && ok;
    }
    ok = save(folder, "DIGITS.png", drawDigitStrip(), "PNG") && ok;
    ok = save(folder, "pictures/calculate-background.png", drawCalculateBackground(), "PNG") && ok;
    ok = save(folder, "pictures/calculate-buttons.png", drawCalculateButtonPanel(), "PNG") && ok;
    ok = save(folder, "pictures/minus2.png", drawNegativeBracket(), "PNG") && ok;
    ok = save(folder, "pictures/odometer-background.png", drawOdometerBackground(), "PNG") && ok;
    ok = save(folder, "pictures/button-backing.png", drawButtonBacking(), "PNG") && ok;
    ok = save(folder, "pictures/Blue Rectangle.png", drawOdometerBoard(234), "PNG") && ok;
    ok = save(folder, "pictures/Blue Rectangle long.png", drawOdometerBoard(312), "PNG") && ok;
    return ok ? 0 : 1;
}
