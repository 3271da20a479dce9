// SPDX-License-Identifier: GPL-3.0-or-later
#include "tabcaptions.h"

#include "devicepixels.h"

namespace {

// The tab strip starts at left 150 of the top bar; its tabs run from 13 down to the bar's end.
constexpr int stripLeft = 150;
constexpr int stripRight = 376; // the width buttons start at 377
constexpr int captionTop = 16;
constexpr int captionBottom = 38;
constexpr int widestGapInsideACaption = 8;

// Whether the column of the caption band, one layout pixel wide, has ink in any of the
// device pixels that show it.
bool columnHasInk(const QImage &shot, int x)
{
    const QRect column =
        inDevicePixels(shot, QRect(x, captionTop, 1, captionBottom - captionTop + 1));
    for (int y = column.top(); y <= column.bottom(); ++y) {
        for (int deviceX = column.left(); deviceX <= column.right(); ++deviceX) {
            if (qGray(shot.pixel(deviceX, y)) < 90)
                return true;
        }
    }
    return false;
}

} // namespace

QList<QRect> findTabCaptions(const QImage &shot)
{
    QList<QRect> captions;
    int gap = widestGapInsideACaption + 1;
    const int lastColumn = shot.width() / devicePixelsPerLayoutPixel(shot) - 1;
    for (int x = stripLeft; x <= qMin(stripRight, lastColumn); ++x) {
        if (!columnHasInk(shot, x)) {
            ++gap;
            continue;
        }
        if (gap > widestGapInsideACaption)
            captions << QRect(x, captionTop, 1, captionBottom - captionTop + 1);
        else
            captions.last().setRight(x);
        gap = 0;
    }
    return captions;
}

int selectedTabOnScreen(const QImage &shot, const QList<QRect> &captions)
{
    // The selected face is grey, the others white: average the paper between the letters.
    for (int index = 0; index < captions.size(); ++index) {
        qint64 sum = 0;
        int count = 0;
        const QRect caption = inDevicePixels(shot, captions[index]);
        for (int y = caption.top(); y <= caption.bottom(); ++y) {
            for (int x = caption.left(); x <= caption.right(); ++x) {
                const int grey = qGray(shot.pixel(x, y));
                if (grey >= 150) {
                    sum += grey;
                    ++count;
                }
            }
        }
        if (count > 0 && sum / count < 230)
            return index;
    }
    return -1;
}
