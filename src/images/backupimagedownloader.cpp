#include "images/backupimagedownloader.h"
#include "app/logcategories.h"
#include "player/album.h"
#include "player/song.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSet>
#include <QThread>

namespace {
constexpr auto KeyAttribute = QNetworkRequest::User;
constexpr auto BatchAttribute = QNetworkRequest::Attribute(QNetworkRequest::User + 1);
// What the request asks for, for the log: the URL itself carries the key.
constexpr auto TermsAttribute = QNetworkRequest::Attribute(QNetworkRequest::User + 2);

// Albums the service had no cover for, this session: "artist\nalbum".
// Every player and page has a fetcher of its own, so this is shared; the GUI
// thread alone reads and writes it.
QSet<QString> &failedAlbums()
{
    static QSet<QString> failed;
    return failed;
}

QString albumTerms(const QString &artist, const QString &album)
{
    return artist + QLatin1Char('\n') + album;
}

const char DefaultEndpoint[] = "https://ws.audioscrobbler.com/2.0/";
const char DefaultKey[] = "0f1e2d3c4b5a69788796a5b4c3d2e1f0";

QByteArray formEncoded(const QString &value)
{
    return QUrl::toPercentEncoding(value).replace("%20", "+");
}
}

BackupImageDownloader::BackupImageDownloader()
    : QObject(nullptr)
{
}

BackupImageDownloader::~BackupImageDownloader()
{
    m_stopped = true;
    stopThread();
}

bool BackupImageDownloader::isRunning() const
{
    return m_thread && m_thread->isRunning();
}

QString BackupImageDownloader::endpoint()
{
    const QString configured = qEnvironmentVariable("TAVIREL_LASTFM_URL");
    return configured.isEmpty() ? QString::fromLatin1(DefaultEndpoint) : configured;
}

QString BackupImageDownloader::apiKey()
{
    const QString configured = qEnvironmentVariable("TAVIREL_LASTFM_KEY");
    return configured.isEmpty() ? QString::fromLatin1(DefaultKey) : configured;
}

QUrl BackupImageDownloader::requestUrl(const QString &endpoint, const QString &key, const QString &artist,
                                       const QString &album)
{
    QByteArray text = endpoint.toUtf8();
    text += "?artist=" + formEncoded(artist);
    text += "&album=" + formEncoded(album);
    text += "&method=album.getInfo&api_key=" + formEncoded(key);
    text += "&format=json";
    return QUrl::fromEncoded(text, QUrl::StrictMode);
}

void BackupImageDownloader::searchTerms(const PlayerItem *item, QString *artist, QString *album)
{
    artist->clear();
    album->clear();
    if (!item)
        return;
    if (item->type() == QLatin1String("track")) {
        if (auto *song = qobject_cast<const Song *>(item)) {
            *artist = song->artistsString();
            *album = song->album();
        }
    } else if (item->type() == QLatin1String("album")) {
        if (auto *a = qobject_cast<const Album *>(item)) {
            *artist = a->artistsString();
            *album = a->name();
        }
    }
}

int BackupImageDownloader::widthForSize(const QString &sizeName)
{
    static const QHash<QString, int> widths = {
        {QStringLiteral("small"), 30},       {QStringLiteral("medium"), 65}, {QStringLiteral("large"), 180},
        {QStringLiteral("extralarge"), 300}, {QStringLiteral("mega"), 350},
    };
    return widths.value(sizeName, 128);
}

bool BackupImageDownloader::parseAlbumInfo(const QByteArray &body, PlayerItem::ImageTable *images)
{
    images->clear();
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return false;
    const QJsonObject reply = doc.object();
    if (reply.contains(QLatin1String("error")) || !reply.contains(QLatin1String("album")))
        return false;
    const QJsonArray list =
        reply.value(QLatin1String("album")).toObject().value(QLatin1String("image")).toArray();
    for (const QJsonValue &v : list) {
        const QJsonObject image = v.toObject();
        const QString url = image.value(QLatin1String("#text")).toString();
        if (!url.isEmpty())
            images->insert(widthForSize(image.value(QLatin1String("size")).toString()), url);
    }
    return true;
}

void BackupImageDownloader::download(const QList<PlayerItem *> &items)
{
    // A batch still running is abandoned; its late results carry the old
    // batch number and are ignored.
    stopThread();
    ++m_batch;
    m_pending.clear();
    m_terms.clear();

    const QString base = endpoint();
    const QString key = apiKey();
    QList<QUrl> urls;
    for (PlayerItem *item : items) {
        if (!item)
            continue;
        QString artist, album;
        searchTerms(item, &artist, &album);
        const QString terms = albumTerms(artist, album);
        if (failedAlbums().contains(terms.toCaseFolded()))
            continue;
        const QUrl url = requestUrl(base, key, artist, album);
        const QString text = url.toString(QUrl::FullyEncoded);
        if (!m_pending.contains(text)) {
            urls.append(url);
            m_terms.insert(text, terms);
        }
        m_pending[text].append(QPointer<PlayerItem>(item));
    }
    m_stopped = false;
    if (urls.isEmpty()) {
        // Nothing left to ask: the batch is complete as it stands.
        const quint64 batch = m_batch;
        QMetaObject::invokeMethod(
            this, [this, batch] {
                if (batch == m_batch && !m_stopped)
                    emit imagesDownloaded();
            },
            Qt::QueuedConnection);
        return;
    }
    const QHash<QString, QString> terms = m_terms;

    m_thread = std::make_unique<QThread>();
    const quint64 batch = m_batch;
    const int timeout = m_transferTimeout;
    QThread *thread = m_thread.get();
    // Runs in the new thread: the manager and its replies belong to it.
    connect(
        thread, &QThread::started, thread,
        [this, thread, urls, batch, timeout, terms]() {
            auto *manager = new QNetworkAccessManager;
            connect(manager, &QNetworkAccessManager::finished, manager,
                    [this](QNetworkReply *reply) { replyFinished(reply); });
            connect(thread, &QThread::finished, manager, [manager]() {
                manager->disconnect();
                delete manager;
            }, Qt::DirectConnection);
            for (const QUrl &url : urls) {
                QNetworkRequest request(url);
                request.setAttribute(KeyAttribute, url.toString(QUrl::FullyEncoded));
                request.setAttribute(BatchAttribute, batch);
                request.setAttribute(TermsAttribute, terms.value(url.toString(QUrl::FullyEncoded)));
                request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                                     QNetworkRequest::NoLessSafeRedirectPolicy);
                request.setTransferTimeout(timeout);
                QNetworkReply *reply = manager->get(request);
                connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
                    if (received > MaxReplyBytes) {
                        qCDebug(lcImages) << "album info reply too large, abandoned";
                        reply->abort();
                    }
                });
            }
        },
        Qt::DirectConnection);
    m_thread->start(QThread::InheritPriority);
}

void BackupImageDownloader::replyFinished(QNetworkReply *reply)
{
    reply->deleteLater();
    const QString key = reply->request().attribute(KeyAttribute).toString();
    const quint64 batch = reply->request().attribute(BatchAttribute).toULongLong();
    // Never the URL or the error text, which quotes it: both carry the key.
    const QString terms = reply->request().attribute(TermsAttribute).toString().replace(QLatin1Char('\n'),
                                                                                         QLatin1String(" / "));
    PlayerItem::ImageTable images;
    bool ok = false;
    if (reply->error() == QNetworkReply::NoError) {
        ok = parseAlbumInfo(reply->readAll(), &images);
        if (!ok)
            qCDebug(lcImages) << "no album art from the web service for" << terms;
    } else {
        qCDebug(lcImages) << "album art request failed for" << terms << "error" << reply->error() << "HTTP"
                          << reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    }
    // The items belong to the GUI thread: write them there.
    QMetaObject::invokeMethod(
        this, [this, batch, key, ok, images]() { applyResult(batch, key, ok, images); }, Qt::QueuedConnection);
}

void BackupImageDownloader::applyResult(quint64 batch, const QString &key, bool ok,
                                        const PlayerItem::ImageTable &images)
{
    if (batch != m_batch)
        return;
    auto it = m_pending.find(key);
    if (it == m_pending.end())
        return;
    const QList<QPointer<PlayerItem>> items = it.value();
    m_pending.erase(it);
    const QString terms = m_terms.take(key);
    if (!ok && !terms.isEmpty())
        failedAlbums().insert(terms.toCaseFolded());
    if (ok) {
        for (const QPointer<PlayerItem> &item : items) {
            if (item)
                item->mergeImages(images);
        }
    }
    if (m_pending.isEmpty() && !m_stopped) {
        if (m_thread)
            m_thread->quit();
        emit imagesDownloaded();
    }
}

void BackupImageDownloader::stopThread()
{
    if (!m_thread)
        return;
    m_thread->quit();
    m_thread->wait();
    m_thread.reset();
}

void BackupImageDownloader::forgetFailures()
{
    failedAlbums().clear();
}
