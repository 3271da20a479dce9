#pragma once

#include <QWidget>

class QLabel;

// The Odometer page, panel "pan1".
class OdometerPage : public QWidget
{
    Q_OBJECT

public:
    explicit OdometerPage(QWidget *parent = nullptr);

    // Applies the one-byte layout for 1 and the two-byte layout for any other value.
    void SetOdometerWidth(quint8 Bytes);
    // The two hint labels go for good once the hint time is over.
    void HideHintLabels();

private:
    QLabel *Label5;
    QLabel *Label6;
};
