// Draws the program's pictures into the resources folder given as the one argument:
//   quorvel_artwork path/to/resources
#include "artwork.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace {

bool Save(const QDir &folder, const char *name, const QImage &image, const char *format,
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
    bool ok = Save(folder, "pictures/logo.jpg", DrawLogo(), "JPEG", 92);
    ok = Save(folder, "pictures/tab-face.png", DrawTabFace(false), "PNG") && ok;
    ok = Save(folder, "pictures/tab-face-selected.png", DrawTabFace(true), "PNG") && ok;
    for (int size : {48, 64, 128, 256}) {
        const QString name = QStringLiteral("../packaging/icons/%1.png").arg(size);
        ok = Save(folder, qPrintable(name), DrawAppIcon(size), "PNG") && ok;
    }
    ok = Save(folder, "DIGITS.png", DrawDigitStrip(), "PNG") && ok;
    ok = Save(folder, "pictures/calculate-background.png", DrawCalculateBackground(), "PNG") && ok;
    ok = Save(folder, "pictures/calculate-buttons.png", DrawCalculateButtonPanel(), "PNG") && ok;
    ok = Save(folder, "pictures/minus2.png", DrawNegativeBracket(), "PNG") && ok;
    ok = Save(folder, "pictures/odometer-background.png", DrawOdometerBackground(), "PNG") && ok;
    ok = Save(folder, "pictures/button-backing.png", DrawButtonBacking(), "PNG") && ok;
    ok = Save(folder, "pictures/Blue Rectangle.png", DrawOdometerBoard(234), "PNG") && ok;
    ok = Save(folder, "pictures/Blue Rectangle long.png", DrawOdometerBoard(312), "PNG") && ok;
    return ok ? 0 : 1;
}
