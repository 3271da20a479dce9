// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for the start-up and memory figures: a bare Qt window of the same size,
// built with the same compiler, flags and Qt as the program.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(442, 356);
    window.show();
    return QApplication::exec();
}
