#include "images/imagedownloader.h"
#include "localhttpserver.h"
#include "testsupport.h"
#include <QQuickItem>
#include <QtTest>
#include <memory>

// Stands in for a cover item of a document: records what updateImage brings.
class CoverItem : public QQuickItem
{
    Q_OBJECT
public:
    QStringList received;
    Q_INVOKABLE void updateImage(const QVariant &uri) { received.append(uri.toString()); }
};

class TestImageDownloader : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void twoRequestersShareOneGet();
    void discardingItemGetsNothing();
    void destroyedRequesterIsSkipped();
    void plainObjectRequesterIsSkipped();
    void oneGetInFlightAfterAllDiscarded();
    void cachedUrlServedWithoutRequest();
    void cacheEvictsOldestBeyondFifty();
    void failuresDropRequesters_data();
    void failuresDropRequesters();
    void singleInstance();

private:
    std::unique_ptr<LocalHttpServer> m_server;
    std::unique_ptr<ImageDownloader> m_downloader;
};

void TestImageDownloader::init()
{
    m_server = std::make_unique<LocalHttpServer>();
    QVERIFY(m_server->listen());
    m_downloader = std::make_unique<ImageDownloader>();
    m_downloader->setTransferTimeout(3000);
}

void TestImageDownloader::cleanup()
{
    m_downloader.reset();
    m_server.reset();
}

void TestImageDownloader::twoRequestersShareOneGet()
{
    HttpResponse r = pngResponse();
    r.hold = true;
    m_server->setRoute("/cover.png", r);
    const QString url = m_server->url("/cover.png");
    CoverItem a, b;

    m_downloader->requestImage(url, &a);
    m_downloader->requestImage(url, &b);
    QTRY_COMPARE(m_server->hits("/cover.png"), 1);
    QCOMPARE(m_downloader->requesterCount(url), 2);
    m_server->release("/cover.png");

    QTRY_COMPARE(a.received, QStringList{url});
    QTRY_COMPARE(b.received, QStringList{url});
    QCOMPARE(m_server->hits("/cover.png"), 1);
    QVERIFY(m_downloader->contains(url));
    QCOMPARE(m_downloader->cachedImage(url).size(), QSize(300, 200));
    QCOMPARE(m_downloader->requesterCount(url), 0);
}

void TestImageDownloader::discardingItemGetsNothing()
{
    HttpResponse r = pngResponse();
    r.hold = true;
    m_server->setRoute("/d.png", r);
    const QString url = m_server->url("/d.png");
    CoverItem leaving, staying;

    m_downloader->requestImage(url, &leaving);
    m_downloader->requestImage(url, &staying);
    m_downloader->discardImage(url, &leaving);
    QTRY_COMPARE(m_server->hits("/d.png"), 1);
    m_server->release("/d.png");

    QTRY_COMPARE(staying.received, QStringList{url});
    QCoreApplication::processEvents();
    QVERIFY(leaving.received.isEmpty());
}

void TestImageDownloader::destroyedRequesterIsSkipped()
{
    HttpResponse r = pngResponse();
    r.hold = true;
    m_server->setRoute("/gone.png", r);
    const QString url = m_server->url("/gone.png");
    auto *recycled = new CoverItem;
    CoverItem staying;

    m_downloader->requestImage(url, recycled);
    m_downloader->requestImage(url, &staying);
    delete recycled; // a delegate destroyed without discarding
    QTRY_COMPARE(m_server->hits("/gone.png"), 1);
    m_server->release("/gone.png");
    QTRY_COMPARE(staying.received, QStringList{url});
}

void TestImageDownloader::plainObjectRequesterIsSkipped()
{
    m_server->setRoute("/plain.png", pngResponse());
    const QString url = m_server->url("/plain.png");
    QObject notAnItem;
    CoverItem item;

    m_downloader->requestImage(url, &notAnItem);
    m_downloader->requestImage(url, &item);
    QTRY_COMPARE(item.received, QStringList{url});
    QVERIFY(m_downloader->contains(url));
}

void TestImageDownloader::oneGetInFlightAfterAllDiscarded()
{
    HttpResponse r = pngResponse();
    r.hold = true;
    m_server->setRoute("/f.png", r);
    const QString url = m_server->url("/f.png");
    CoverItem first, second;

    m_downloader->requestImage(url, &first);
    QTRY_COMPARE(m_server->hits("/f.png"), 1);
    m_downloader->discardImage(url, &first);
    QVERIFY(m_downloader->isFetching(url));
    m_downloader->requestImage(url, &second);
    m_server->release("/f.png");

    QTRY_COMPARE(second.received, QStringList{url});
    QCOMPARE(m_server->hits("/f.png"), 1);
    QVERIFY(first.received.isEmpty());
}

void TestImageDownloader::cachedUrlServedWithoutRequest()
{
    m_server->setRoute("/c.png", pngResponse());
    const QString url = m_server->url("/c.png");
    CoverItem first, later, viaController;

    m_downloader->requestImage(url, &first);
    QTRY_COMPARE(first.received, QStringList{url});

    m_downloader->requestImage(url, &later);
    QTRY_COMPARE(later.received, QStringList{url});
    // What a controller does: a cached image is announced before returning.
    m_downloader->requestImageForItem(url, &viaController);
    QCOMPARE(viaController.received, QStringList{url});
    QCOMPARE(m_server->hits("/c.png"), 1);
}

void TestImageDownloader::cacheEvictsOldestBeyondFifty()
{
    const int n = ImageDownloader::CacheLimit + 1;
    QStringList urls;
    for (int i = 0; i < n; ++i) {
        const QByteArray path = "/e" + QByteArray::number(i) + ".png";
        m_server->setRoute(path, pngResponse(4, 4));
        urls.append(m_server->url(QString::fromLatin1(path)));
    }
    CoverItem item;
    // One at a time, so that the insertion order is the request order.
    for (int i = 0; i < ImageDownloader::CacheLimit; ++i) {
        m_downloader->requestImage(urls.at(i), &item);
        QTRY_VERIFY(m_downloader->contains(urls.at(i)));
    }
    QCOMPARE(m_downloader->cachedUrls().size(), ImageDownloader::CacheLimit);
    QVERIFY(m_downloader->contains(urls.first()));

    m_downloader->requestImage(urls.last(), &item);
    QTRY_VERIFY(m_downloader->contains(urls.last()));
    QVERIFY(!m_downloader->contains(urls.first()));
    QVERIFY(m_downloader->cachedImage(urls.first()).isNull());
    QCOMPARE(m_downloader->cachedUrls().size(), ImageDownloader::CacheLimit);
    QCOMPARE(m_downloader->cachedUrls().first(), urls.last());

    // The evicted URL comes back as the newest and pushes out the next oldest.
    m_downloader->requestImage(urls.first(), &item);
    QTRY_VERIFY(m_downloader->contains(urls.first()));
    QVERIFY(!m_downloader->contains(urls.at(1)));
    QCOMPARE(m_downloader->cachedUrls().first(), urls.first());
    QCOMPARE(m_downloader->cachedUrls().size(), ImageDownloader::CacheLimit);
    QCOMPARE(m_downloader->cachedUrls().count(urls.first()), 1);
    QCOMPARE(m_server->hits("/e0.png"), 2);
}

void TestImageDownloader::failuresDropRequesters_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("404") << "404";
    QTest::newRow("connection refused") << "refused";
    QTest::newRow("not an image") << "garbage";
    QTest::newRow("stalls after the headers") << "stall";
}

void TestImageDownloader::failuresDropRequesters()
{
    QFETCH(QString, failure);

    m_downloader->setTransferTimeout(400);
    std::unique_ptr<LocalHttpServer> refusing;
    QString url = m_server->url("/broken.png");
    if (failure == QLatin1String("refused")) {
        const quint16 port = TestSupport::freeLoopbackPort();
        QVERIFY(port != 0);
        url = QStringLiteral("http://127.0.0.1:%1/broken.png").arg(port);
        refusing = std::make_unique<LocalHttpServer>();
        refusing->setRoute("/broken.png", pngResponse());
        // It listens only after the failure, for the retry.
        CoverItem a, b;
        m_downloader->requestImage(url, &a);
        m_downloader->requestImage(url, &b);
        QTRY_VERIFY(!m_downloader->isFetching(url));
        QCOMPARE(m_downloader->requesterCount(url), 0);
        QVERIFY(!m_downloader->contains(url));
        QCoreApplication::processEvents();
        QVERIFY(a.received.isEmpty() && b.received.isEmpty());

        QVERIFY(refusing->listen(port));
        CoverItem again;
        m_downloader->requestImage(url, &again);
        QTRY_COMPARE(again.received, QStringList{url});
        QCOMPARE(refusing->hits("/broken.png"), 1);
        return;
    }

    HttpResponse bad;
    if (failure == QLatin1String("404")) {
        bad.status = 404;
        bad.body = "missing";
    } else if (failure == QLatin1String("garbage")) {
        bad.contentType = "image/png";
        bad.body = "<html>this is not an image</html>";
    } else {
        bad = pngResponse();
        bad.stall = true;
    }
    m_server->setRoute("/broken.png", bad);
    CoverItem a, b;
    m_downloader->requestImage(url, &a);
    m_downloader->requestImage(url, &b);
    QTRY_VERIFY_WITH_TIMEOUT(!m_downloader->isFetching(url), 10000);
    QCOMPARE(m_downloader->requesterCount(url), 0);
    QVERIFY(!m_downloader->contains(url));
    QCoreApplication::processEvents();
    QVERIFY(a.received.isEmpty() && b.received.isEmpty());

    // A later request fetches again.
    m_server->setRoute("/broken.png", pngResponse());
    CoverItem again;
    m_downloader->requestImage(url, &again);
    QTRY_COMPARE(again.received, QStringList{url});
    QCOMPARE(m_server->hits("/broken.png"), 2);
}

void TestImageDownloader::singleInstance()
{
    ImageDownloader *first = ImageDownloader::instance();
    QVERIFY(first);
    QCOMPARE(ImageDownloader::instance(), first);
    QVERIFY(first->isRunning());
    // Requests made right after creation are sent, not only recorded.
    m_server->setRoute("/early.png", pngResponse());
    CoverItem item;
    first->requestImage(m_server->url("/early.png"), &item);
    QTRY_COMPARE(item.received.size(), 1);
}

QTEST_MAIN(TestImageDownloader)
#include "tst_imagedownloader.moc"
