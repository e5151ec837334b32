// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Pictures.h"

#include <QFileInfo>
#include <QImageReader>

QPixmap picture(const QString &path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QIcon pictureIcon(const QString &path)
{
    QIcon icon;
    icon.addPixmap(picture(path));
    const QString dense = path.chopped(4) + QStringLiteral("@2x.png");
    if (QFileInfo::exists(dense)) {
        QPixmap pixmap = picture(dense);
        pixmap.setDevicePixelRatio(2);
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addPixmap(picture(QStringLiteral(":/icons/spelldeck-%1.png").arg(size)));
    return icon;
}
