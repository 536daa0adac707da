#include "images/asyncimageprovider.h"
#include "app/logcategories.h"
#include "images/imagedownloader.h"
#include <QUrl>
#include <cmath>

AsyncImageProvider::AsyncImageProvider(ImageDownloader *downloader)
    : QQuickImageProvider(QQuickImageProvider::Image, QQuickImageProvider::ForceAsynchronousImageLoading)
    , m_downloader(downloader ? downloader : ImageDownloader::instance())
{
}

QSize AsyncImageProvider::deliveredSize(const QSize &source, const QSize &requested)
{
    if (source.isEmpty())
        return source;
    const double sw = source.width();
    const double sh = source.height();
    const int rw = requested.width();
    const int rh = requested.height();
    if (rw > 0 && rh > 0) {
        const double scale = std::min(rw / sw, rh / sh);
        return QSize(std::max(1, int(std::lround(sw * scale))), std::max(1, int(std::lround(sh * scale))));
    }
    if (rw > 0)
        return QSize(rw, std::max(1, int(std::lround(sh * rw / sw))));
    if (rh > 0)
        return QSize(std::max(1, int(std::lround(sw * rh / sh))), rh);
    return source;
}

QImage AsyncImageProvider::requestImage(const QString &id, QSize *size, const QSize &requestedSize)
{
    // Qt Quick hands over the id decoded from the image:// URL, which may
    // differ in its percent-encoding from the URL the image was fetched by.
    QImage image = m_downloader->cachedImage(id);
    if (image.isNull()) {
        const QUrl url(id, QUrl::TolerantMode);
        for (const QString &candidate : {url.toString(QUrl::FullyEncoded), url.toString()}) {
            if (candidate != id && m_downloader->contains(candidate)) {
                image = m_downloader->cachedImage(candidate);
                break;
            }
        }
    }
    if (image.isNull()) {
        qCDebug(lcImages) << "no cached image for" << id;
        if (size)
            *size = QSize();
        return image;
    }

    const QSize target = deliveredSize(image.size(), requestedSize);
    if (target != image.size())
        image = image.scaled(target, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (size)
        *size = image.size();
    return image;
}
