#include "images/tintediconprovider.h"

#include "app/logcategories.h"

#include <QColor>
#include <QImageReader>
#include <QPainter>

TintedIconProvider::TintedIconProvider()
    : QQuickImageProvider(QQuickImageProvider::Image)
{
}

QImage TintedIconProvider::tinted(const QString &id, const QSize &size)
{
    const int slash = id.indexOf(QLatin1Char('/'));
    const QColor colour(QLatin1Char('#') + id.left(slash));
    const QString path = QLatin1Char(':') + id.mid(slash);
    if (slash < 0 || !colour.isValid() || !path.startsWith(QLatin1String(":/TavirelImgs/"))) {
        qCDebug(lcImages) << "no tinted icon for" << id;
        return QImage();
    }
    QImageReader reader(path);
    if (size.isValid() && !size.isEmpty())
        reader.setScaledSize(size);
    QImage image = reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        qCDebug(lcImages) << "icon" << path << "does not read:" << reader.errorString();
        return image;
    }
    // The icon's shape in the colour: its alpha is kept, its colour replaced.
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(image.rect(), colour);
    return image;
}

QImage TintedIconProvider::requestImage(const QString &id, QSize *size, const QSize &requestedSize)
{
    const QImage image = tinted(id, requestedSize);
    if (size)
        *size = image.size();
    return image;
}
