// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windowicon.h"

#include <QString>

namespace {

// The desktop finds the larger sizes through the menu entry; each size given here costs its
// pixels three times over at start (decoded, converted, and sent as a window property).
constexpr int windowIconSizes[] = {48, 64, 128};

} // namespace

QIcon builtInWindowIcon()
{
    QIcon icon;
    for (int size : windowIconSizes)
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    return icon;
}

QIcon themeWindowIcon()
{
    const QIcon themed = QIcon::fromTheme(QStringLiteral("org.quorvel.Quorvel"));
    if (themed.isNull())
        return {};
    QIcon icon;
    for (int size : windowIconSizes)
        icon.addPixmap(themed.pixmap(QSize(size, size), 1.0));
    return icon;
}
