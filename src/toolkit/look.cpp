#include "toolkit/look.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace {

struct StandIn
{
    const char *family; // the name the layout asks for
    const char *files[2];
};

constexpr StandIn standIns[] = {
    {"Tahoma", {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}},
    {"MS Sans Serif", {"/usr/share/wine/fonts/ms_sans_serif.ttf", nullptr}},
    {"Comic Sans MS",
     {"/usr/share/fonts/opentype/comic-neue/ComicNeue-Regular.otf",
      "/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf"}},
};

} // namespace

void registerStandInFonts()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    for (const StandIn &standIn : standIns) {
        for (const char *file : standIn.files) {
            if (!file)
                continue;
            const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
            if (id < 0)
                continue;
            const QStringList families = QFontDatabase::applicationFontFamilies(id);
            const QString wanted = QString::fromLatin1(standIn.family);
            if (!families.isEmpty() && !families.contains(wanted))
                QFont::insertSubstitution(wanted, families.first());
        }
    }
}

namespace {

QFont pixelFont(const char *family, int pixelSize, bool bold = false)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace

QFont roleFont(FontRole role)
{
    registerStandInFonts();
    switch (role) {
    case FontRole::WindowText:
    case FontRole::SelectedTabCaption:
        return pixelFont("Tahoma", 11);
    case FontRole::ValueLabel:
        return pixelFont("Tahoma", 13, true);
    case FontRole::PushButtonCaption:
        return pixelFont("Tahoma", 19, true);
    case FontRole::RadixButtonCaption:
        return pixelFont("Tahoma", 15, true);
    case FontRole::BoardDigit:
        return pixelFont("Comic Sans MS", 48, true);
    case FontRole::BoardMark:
        return pixelFont("Comic Sans MS", 24, true);
    case FontRole::BoardStrike:
        return pixelFont("Comic Sans MS", 48);
    case FontRole::BoardHint:
        return pixelFont("Tahoma", 13);
    case FontRole::GridData:
        return pixelFont("Tahoma", 19);
    case FontRole::GridHeader:
        return pixelFont("Tahoma", 19, true);
    case FontRole::TabCaption:
        break;
    }
    return pixelFont("MS Sans Serif", 11);
}
