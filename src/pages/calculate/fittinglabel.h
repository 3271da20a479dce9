// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QLabel>

// A label that fits its width and height to its caption, keeping its left and top edges,
// unless auto-size is switched off; a hidden label does so once it is shown. Each caption is
// measured once per font: a board rewrites the same few characters over and over.
class FittingLabel : public QLabel
{
    Q_OBJECT

public:
    explicit FittingLabel(QWidget *parent = nullptr);

    void setAutoSize(bool on) { m_autoSize = on; }
    // Shows the one character as the caption; nothing happens if it is already shown.
    void setCaption(QChar character);

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void fit();

    bool m_autoSize = true;
    QHash<QChar, QSize> m_fittedSizes;
};
