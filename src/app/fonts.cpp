#include "app/fonts.h"

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

void RegisterStandInFonts()
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
