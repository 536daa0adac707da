#include "images/imagedownloader.h"
#include "app/logcategories.h"
#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QQuickItem>
#include <QUrl>
#include <QVariant>

namespace {
std::mutex s_instanceMutex;
ImageDownloader *s_instance = nullptr;

// The key under which the reply is filed: the URL text as the caller gave
// it, which need not survive a round trip through QUrl.
constexpr auto KeyAttribute = QNetworkRequest::User;

void destroyInstance()
{
    std::lock_guard<std::mutex> lock(s_instanceMutex);
    delete s_instance;
    s_instance = nullptr;
}
}

ImageDownloader *ImageDownloader::instance()
{
    std::lock_guard<std::mutex> lock(s_instanceMutex);
    if (!s_instance) {
        s_instance = new ImageDownloader;
        qAddPostRoutine(destroyInstance);
    }
    return s_instance;
}

ImageDownloader::ImageDownloader(QObject *parent)
    : QThread(parent)
{
    start(QThread::InheritPriority);
}

QNetworkAccessManager *ImageDownloader::manager()
{
    // Made with the first request: its network plugins cost start-up time,
    // and most starts fetch no image before the first frame.
    if (!m_manager) {
        m_manager = new QNetworkAccessManager;
        if (QCoreApplication::instance() && m_manager->thread() != QCoreApplication::instance()->thread())
            m_manager->moveToThread(QCoreApplication::instance()->thread());
        connect(m_manager, &QNetworkAccessManager::finished, this, &ImageDownloader::replyFinished);
    }
    return m_manager;
}

ImageDownloader::~ImageDownloader()
{
    quit();
    wait();
    if (m_manager)
        m_manager->disconnect(this);
    for (QNetworkReply *reply : qAsConst(m_inFlight))
        reply->abort();
    delete m_manager;
}

void ImageDownloader::requestImage(const QString &url, QObject *item)
{
    if (contains(url)) {
        deliver(item, url);
        return;
    }
    m_requesters.insert(url, QPointer<QObject>(item));
    if (!m_inFlight.contains(url))
        sendRequest(url);
}

void ImageDownloader::discardImage(const QString &url, QObject *item)
{
    auto it = m_requesters.find(url);
    while (it != m_requesters.end() && it.key() == url) {
        if (it.value() == item || it.value().isNull())
            it = m_requesters.erase(it);
        else
            ++it;
    }
}

void ImageDownloader::requestImageForItem(const QString &url, QQuickItem *item)
{
    if (contains(url))
        QMetaObject::invokeMethod(item, "updateImage", Qt::AutoConnection, Q_ARG(QVariant, QVariant(url)));
    else
        requestImage(url, item);
}

bool ImageDownloader::contains(const QString &url) const
{
    std::lock_guard<std::mutex> lock(m_cacheMutex);
    return m_cache.contains(url);
}

QImage ImageDownloader::cachedImage(const QString &url) const
{
    std::lock_guard<std::mutex> lock(m_cacheMutex);
    return m_cache.value(url);
}

QStringList ImageDownloader::cachedUrls() const
{
    std::lock_guard<std::mutex> lock(m_cacheMutex);
    return m_order;
}

int ImageDownloader::requesterCount(const QString &url) const
{
    int n = 0;
    for (auto it = m_requesters.constFind(url); it != m_requesters.cend() && it.key() == url; ++it) {
        if (!it.value().isNull())
            ++n;
    }
    return n;
}

void ImageDownloader::sendRequest(const QString &url)
{
    QNetworkRequest request(QUrl(url, QUrl::TolerantMode));
    request.setAttribute(KeyAttribute, url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(m_transferTimeout);
    QNetworkReply *reply = manager()->get(request);
    m_inFlight.insert(url, reply);
    // A peer must not fill memory with an endless body.
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply, url](qint64 received, qint64) {
        if (received > MaxImageBytes) {
            qCDebug(lcImages) << "image too large, abandoned:" << url;
            reply->abort();
        }
    });
}

void ImageDownloader::replyFinished(QNetworkReply *reply)
{
    reply->deleteLater();
    const QVariant keyValue = reply->request().attribute(KeyAttribute);
    const QString url = keyValue.isValid() ? keyValue.toString() : reply->url().toString();
    if (m_inFlight.value(url) == reply)
        m_inFlight.remove(url);

    if (reply->error() != QNetworkReply::NoError) {
        qCDebug(lcImages) << "image download failed:" << url << reply->errorString();
        dropRequesters(url);
        return;
    }

    const QImage image = QImage::fromData(reply->readAll());
    if (image.isNull()) {
        // Not cached, so that a later request tries again.
        qCDebug(lcImages) << "image data does not decode:" << url;
        dropRequesters(url);
        return;
    }

    insertIntoCache(url, image);
    const QList<QPointer<QObject>> waiting = m_requesters.values(url);
    m_requesters.remove(url);
    for (const QPointer<QObject> &item : waiting) {
        if (item)
            deliver(item, url);
    }
}

void ImageDownloader::deliver(QObject *item, const QString &url)
{
    // Only Qt Quick items carry the QML method; delivery is queued so that the
    // item changes its source outside the reply handling.
    if (qobject_cast<QQuickItem *>(item))
        QMetaObject::invokeMethod(item, "updateImage", Qt::QueuedConnection, Q_ARG(QVariant, QVariant(url)));
}

void ImageDownloader::dropRequesters(const QString &url)
{
    m_requesters.remove(url);
}

void ImageDownloader::insertIntoCache(const QString &url, const QImage &image)
{
    std::lock_guard<std::mutex> lock(m_cacheMutex);
    // A URL is listed once, so a re-inserted image is the newest and the
    // bound counts distinct images.
    m_order.removeAll(url);
    m_order.prepend(url);
    m_cache.insert(url, image);
    while (m_order.size() > CacheLimit)
        m_cache.remove(m_order.takeLast());
}
