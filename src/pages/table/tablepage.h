#pragma once

#include <QWidget>

class WholeNumberEdit;

// The Table page, panel "pan3". It drives the jump-to box "center" of the top bar, which
// the window hands to it together with the window's SuppressCenterChange flag.
class TablePage : public QWidget
{
    Q_OBJECT

public:
    TablePage(WholeNumberEdit *center, bool &SuppressCenterChange, QWidget *parent = nullptr);

    // Rebuilds the table for a width of 1 or 2 bytes and jumps to the value.
    void SetTableWidth(quint8 Width, qint32 Value);

private:
    WholeNumberEdit *center;
    bool &SuppressCenterChange;
};
