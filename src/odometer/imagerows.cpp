#include "odometer/imagerows.h"

#include <QImage>

#include <cstring>

void CopyImageRows(const QImage &source, int sourceRow, int rowCount, QImage &target, int targetX,
                   int targetRow)
{
    Q_ASSERT(source.format() == target.format() && source.depth() == 32);
    Q_ASSERT(targetX + source.width() <= target.width());
    Q_ASSERT(sourceRow + rowCount <= source.height() && targetRow + rowCount <= target.height());
    const qsizetype rowBytes = qsizetype(source.width()) * 4;
    for (int row = 0; row < rowCount; ++row)
        std::memcpy(target.scanLine(targetRow + row) + qsizetype(targetX) * 4,
                    source.constScanLine(sourceRow + row), rowBytes);
}
