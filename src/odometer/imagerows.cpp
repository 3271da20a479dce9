// SPDX-License-Identifier: GPL-3.0-or-later
#include "odometer/imagerows.h"

#include <QImage>

#include <cstring>
#include <type_traits>

namespace {

// A wheel's row: 15 pixels of 4 bytes. Copied with a size known here, it takes a few moves
// instead of a call into the library for each of the 20 rows of every wheel of every frame.
constexpr qsizetype wheelRowBytes = qsizetype(15) * 4;

// RowBytes is a qsizetype, or a std::integral_constant when the size is known here.
template <typename RowBytes>
void copyRows(const uchar *from, qsizetype fromStride, uchar *to, qsizetype toStride, int rowCount,
              RowBytes rowBytes)
{
    for (int row = 0; row < rowCount; ++row, from += fromStride, to += toStride)
        std::memcpy(to, from, rowBytes);
}

} // namespace

void copyImageRows(const QImage &source, int sourceRow, int rowCount, QImage &target, int targetX,
                   int targetRow)
{
    Q_ASSERT(source.format() == target.format() && source.depth() == 32);
    Q_ASSERT(targetX + source.width() <= target.width());
    Q_ASSERT(sourceRow + rowCount <= source.height() && targetRow + rowCount <= target.height());
    if (rowCount <= 0)
        return;
    // Base pointers once: scanLine() checks for sharing on every call, which costs more than
    // copying a wheel's row.
    const qsizetype rowBytes = qsizetype(source.width()) * 4;
    const qsizetype sourceStride = source.bytesPerLine();
    const qsizetype targetStride = target.bytesPerLine();
    const uchar *from = source.constBits() + sourceRow * sourceStride;
    uchar *to = target.bits() + targetRow * targetStride + qsizetype(targetX) * 4;
    if (sourceStride == rowBytes && targetStride == rowBytes)
        std::memcpy(to, from, rowBytes * rowCount); // rows that follow each other: one block
    else if (rowBytes == wheelRowBytes)
        copyRows(from, sourceStride, to, targetStride, rowCount,
                 std::integral_constant<qsizetype, wheelRowBytes>{});
    else
        copyRows(from, sourceStride, to, targetStride, rowCount, rowBytes);
}
