// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/basesu.h"
#include "app/displaystart.h"
#include "app/firstframe.h"
#include "app/languages.h"

#include <QApplication>
#include <QLocale>

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
    // The program takes no command line. The toolkit sees the program name, and the name of
    // the menu entry for the X11 window's instance name, by which a task bar finds it.
    char instanceOption[] = "-name";
    char instanceName[] = "org.quorvel.Quorvel";
    char *toolkitArgv[] = {argv[0], instanceOption, instanceName, nullptr};
    int toolkitArgc = 3;
    beginDisplayStart();
    QApplication application(toolkitArgc, toolkitArgv);
    endDisplayStart();
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    // The desktop finds the menu entry and icon of the window by this name.
    QApplication::setDesktopFileName(QStringLiteral("org.quorvel.Quorvel"));
    installLanguage(QLocale::system().uiLanguages());
    Tfbases fbases;
    fbases.show();
    // The first frame comes first; what can wait follows as soon as it is drawn.
    finishStartAfterFirstFrame(&fbases);
    return QApplication::exec();
}
