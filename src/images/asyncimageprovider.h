#pragma once
#include <QQuickImageProvider>

class ImageDownloader;

// Serves the downloader's cached images to documents as image://async/<url>.
// Loading is forced asynchronous, so requestImage runs on Qt Quick's image
// loader thread and only reads the cache.
class AsyncImageProvider : public QQuickImageProvider
{
public:
    // Null means ImageDownloader::instance(), taken at construction.
    explicit AsyncImageProvider(ImageDownloader *downloader = nullptr);

    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;

    // The size an image of `source` size is delivered at when `requested` is
    // asked for: both dimensions given keeps the aspect ratio inside them,
    // one dimension scales the other in proportion, none leaves it as it is.
    static QSize deliveredSize(const QSize &source, const QSize &requested);

private:
    ImageDownloader *m_downloader;
};
