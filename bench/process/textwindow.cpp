// SPDX-License-Identifier: GPL-3.0-or-later
// The second floor for the start-up and memory figures: a bare Qt window that draws text
// as the program's top bar does, a tab strip and a label in the default font.
#include <QApplication>
#include <QLabel>
#include <QTabBar>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(442, 356);
    auto *tabs = new QTabBar(&window);
    for (const char *caption : {"Odometer", "Calculate", "Table"})
        tabs->addTab(QString::fromLatin1(caption));
    tabs->setGeometry(150, 9, 291, 39);
    auto *label = new QLabel(QStringLiteral("Hold cursor over Octal or"), &window);
    label->setGeometry(160, 274, 120, 13);
    window.show();
    return QApplication::exec();
}
