// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/basesu.h"
#include "toolkit/valuegrid.h"
#include "toolkit/wholenumberedit.h"

#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>

#include <memory>

// The real main window, shown on the Table page, with the parts a test works.
struct TableWindow
{
    std::unique_ptr<Tfbases> window = std::make_unique<Tfbases>();
    QTabBar *tabs = window->findChild<QTabBar *>(QStringLiteral("tabs"));
    ValueGrid *grid = window->findChild<ValueGrid *>(QStringLiteral("grid"));
    WholeNumberEdit *center = window->findChild<WholeNumberEdit *>(QStringLiteral("center"));
    QRadioButton *oneByte = window->findChild<QRadioButton *>(QStringLiteral("RadioButton1"));
    QRadioButton *twoBytes = window->findChild<QRadioButton *>(QStringLiteral("RadioButton2"));

    TableWindow()
    {
        window->show();
        QApplication::setActiveWindow(window.get());
        tabs->setCurrentIndex(2);
    }

    int TopRow() const { return grid->property("TopRow").toInt(); }
    int Row() const { return grid->property("Row").toInt(); }
    int RowCount() const { return grid->property("RowCount").toInt(); }
    QString cell(int column, int row) const
    {
        QString text;
        QMetaObject::invokeMethod(grid, "Cells", Q_RETURN_ARG(QString, text), Q_ARG(int, column),
                                  Q_ARG(int, row));
        return text;
    }
    // Types into the box as the user does, then presses and releases Enter.
    void typeAndEnter(const QString &typed)
    {
        center->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(center, typed);
        QTest::keyClick(center, Qt::Key_Return);
    }
};
