#pragma once
#include "player/playeritem.h"
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <memory>

class QNetworkReply;
class QThread;

// Album-art fallback: asks the web service's album.getInfo for the cover of
// each item's album, one batch per download() call. The requests run in a
// thread of their own; the results are written into the items' image tables
// in the thread that called download() (the GUI thread, which owns the
// items), and imagesDownloaded() follows there once the batch is complete.
//
// The endpoint and key can be replaced through TAVIREL_LASTFM_URL and
// TAVIREL_LASTFM_KEY (read at each download()).
class BackupImageDownloader : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 MaxReplyBytes = 1024 * 1024;

    BackupImageDownloader();
    ~BackupImageDownloader() override;

    // Starts a batch for `items`, abandoning a batch still running (that one
    // is then never announced). Items without artist and album still send a
    // request; the service's error reply is ignored. Items that share a
    // request share its one GET; items of an album that failed before send
    // none. A batch with nothing to ask is announced at once.
    void download(const QList<PlayerItem *> &items);

    void setTransferTimeout(int ms) { m_transferTimeout = ms; }
    // An album the service failed on is not asked for again in this session;
    // this forgets them all.
    static void forgetFailures();
    bool isRunning() const;

    static QString endpoint();
    static QString apiKey();
    // Query values are form-encoded: spaces travel as "+".
    static QUrl requestUrl(const QString &endpoint, const QString &key, const QString &artist,
                           const QString &album);
    // Artist and album text for the request: from `artistsString` and
    // `album` of a track, `artistsString` and `name` of an album, else empty.
    static void searchTerms(const PlayerItem *item, QString *artist, QString *album);
    // Width under which an image of a given "size" name is stored.
    static int widthForSize(const QString &sizeName);
    // The images of an album.getInfo reply; false when the reply is not
    // JSON, is an error reply or carries no "album".
    static bool parseAlbumInfo(const QByteArray &body, PlayerItem::ImageTable *images);

signals:
    void imagesDownloaded();

public slots:
    // Runs in the request thread: parses the reply and hands the result to
    // the GUI thread.
    void replyFinished(QNetworkReply *reply);

private:
    void applyResult(quint64 batch, const QString &key, bool ok,
                     const PlayerItem::ImageTable &images);
    void stopThread();

    std::unique_ptr<QThread> m_thread;
    int m_transferTimeout = 15000;
    quint64 m_batch = 0;
    bool m_stopped = false;
    // GUI thread only: request URL -> items waiting for it.
    QHash<QString, QList<QPointer<PlayerItem>>> m_pending;
    // GUI thread only: request URL -> the album it asks for.
    QHash<QString, QString> m_terms;
};
