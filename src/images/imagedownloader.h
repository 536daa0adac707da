#pragma once
#include <QHash>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QThread>
#include <mutex>

class QNetworkAccessManager;
class QNetworkReply;
class QQuickItem;

// Fetches cover images over HTTP, keeps the last 50 in memory and calls the
// waiting Qt Quick items back through their QML method updateImage(uri).
// The application uses the single instance(); tests may create their own.
//
// The thread only runs an idle event loop: the network manager, the replies
// and the callbacks live in the thread that created the downloader (the GUI
// thread). The cache is also read by Qt Quick's image loader thread through
// contains() and cachedImage(), which lock.
class ImageDownloader : public QThread
{
    Q_OBJECT

public:
    static constexpr int CacheLimit = 50;
    static constexpr qint64 MaxImageBytes = 16 * 1024 * 1024;

    // The application's downloader, created and started on first use. Call it
    // once from the GUI thread at start-up, before any document asks for an
    // image. It is destroyed when the application object is.
    static ImageDownloader *instance();

    explicit ImageDownloader(QObject *parent = nullptr);
    ~ImageDownloader() override;

    // Registers `item` as waiting for `url`. Only the first requester of a URL
    // starts a GET, and only if none is in flight for it. A URL that is
    // already cached is delivered at once (queued) without a request.
    void requestImage(const QString &url, QObject *item);
    // Forgets `item` as a requester of `url`; other requesters stay.
    void discardImage(const QString &url, QObject *item);

    // What a view controller does for its documents: a cached image is
    // announced to the item at once, anything else is fetched for it.
    void requestImageForItem(const QString &url, QQuickItem *item);

    // Safe from any thread.
    bool contains(const QString &url) const;
    QImage cachedImage(const QString &url) const;
    // Newest first.
    QStringList cachedUrls() const;

    // Milliseconds without progress after which a download is abandoned.
    void setTransferTimeout(int ms) { m_transferTimeout = ms; }
    int transferTimeout() const { return m_transferTimeout; }

    int requesterCount(const QString &url) const;
    bool isFetching(const QString &url) const { return m_inFlight.contains(url); }

signals:
    void imageDownloaded(QString url);

public slots:
    void replyFinished(QNetworkReply *reply);

private:
    QNetworkAccessManager *manager();
    void sendRequest(const QString &url);
    void insertIntoCache(const QString &url, const QImage &image);
    void dropRequesters(const QString &url);
    static void deliver(QObject *item, const QString &url);

    QNetworkAccessManager *m_manager = nullptr;
    int m_transferTimeout = 15000;

    // Written only in the GUI thread, read from the image loader thread. A
    // standard mutex, so that thread sanitizers see the locking.
    mutable std::mutex m_cacheMutex;
    QStringList m_order;
    QHash<QString, QImage> m_cache;

    // GUI thread only. QPointer: a delegate may be destroyed without discarding.
    QMultiHash<QString, QPointer<QObject>> m_requesters;
    QHash<QString, QNetworkReply *> m_inFlight;
};
