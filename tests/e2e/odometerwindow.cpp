// SPDX-License-Identifier: GPL-3.0-or-later
// A bare window with one decimal odometer at (10, 10) showing 9, for the real-window test:
// a click on the odometer steps it up by one with the rolling animation of the program.
#include "odometer/odometer.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Odometer Window"));
    window.setFixedSize(140, 40);
    auto *od = new TOdometer(&window);
    od->setObjectName(QStringLiteral("Od1"));
    od->move(10, 10);
    od->SetAnimationType(atAsynchronous);
    od->SetValue(9);
    QObject::connect(od, &TOdometer::OnMouseDown, od, &TOdometer::Increment);
    window.show();
    return application.exec();
}
