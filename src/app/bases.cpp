#include "app/basesu.h"
#include "app/displaystart.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display the toolkit would abort; say what to do instead.
bool displayAvailable()
{
    const auto set = [](const char *name) {
        const char *value = std::getenv(name);
        return value && *value;
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

} // namespace

int main(int, char *argv[])
{
    if (!displayAvailable()) {
        std::fputs("quorvel: no display is available; to run it off screen use: xvfb-run quorvel\n",
                   stderr);
        return 2;
    }
    // The program takes no command line: the toolkit sees the program name only.
    int toolkitArgc = 1;
    beginDisplayStart();
    QApplication application(toolkitArgc, argv);
    endDisplayStart();
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    Tfbases fbases;
    fbases.show();
    return QApplication::exec();
}
