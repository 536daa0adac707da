#include "images/asyncimageprovider.h"
#include "images/imagedownloader.h"
#include "images/tintediconprovider.h"
#include "localhttpserver.h"
#include "testsupport.h"
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QtTest>
#include <atomic>
#include <memory>
#include <thread>

class TestAsyncImageProvider : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void deliveredSize_data();
    void deliveredSize();
    void servesCachedImageScaled();
    void unknownIdGivesNullImage();
    void coverItemLoadsThroughProvider_data();
    void coverItemLoadsThroughProvider();
    void readsWhileCacheIsWritten();
    void iconsTakeTheThemeColour_data();
    void iconsTakeTheThemeColour();

private:
    std::unique_ptr<LocalHttpServer> m_server;
    std::unique_ptr<ImageDownloader> m_downloader;
    void fetch(const QString &url);
};

void TestAsyncImageProvider::init()
{
    m_server = std::make_unique<LocalHttpServer>();
    QVERIFY(m_server->listen());
    m_downloader = std::make_unique<ImageDownloader>();
}

void TestAsyncImageProvider::cleanup()
{
    m_downloader.reset();
    m_server.reset();
}

void TestAsyncImageProvider::fetch(const QString &url)
{
    QObject requester;
    m_downloader->requestImage(url, &requester);
    QTRY_VERIFY(m_downloader->contains(url));
}

void TestAsyncImageProvider::deliveredSize_data()
{
    QTest::addColumn<QSize>("source");
    QTest::addColumn<QSize>("requested");
    QTest::addColumn<QSize>("delivered");

    QTest::newRow("square box, wide image") << QSize(300, 200) << QSize(100, 100) << QSize(100, 67);
    QTest::newRow("square box, tall image") << QSize(200, 300) << QSize(100, 100) << QSize(67, 100);
    QTest::newRow("no size asked") << QSize(300, 200) << QSize(-1, -1) << QSize(300, 200);
    QTest::newRow("zero size asked") << QSize(300, 200) << QSize(0, 0) << QSize(300, 200);
    QTest::newRow("width only") << QSize(300, 200) << QSize(150, 0) << QSize(150, 100);
    QTest::newRow("width only, negative height") << QSize(300, 200) << QSize(150, -1) << QSize(150, 100);
    QTest::newRow("height only") << QSize(300, 200) << QSize(0, 50) << QSize(75, 50);
    QTest::newRow("larger box") << QSize(300, 200) << QSize(600, 600) << QSize(600, 400);
    QTest::newRow("never below one pixel") << QSize(1, 1000) << QSize(10, 10) << QSize(1, 10);
}

void TestAsyncImageProvider::deliveredSize()
{
    QFETCH(QSize, source);
    QFETCH(QSize, requested);
    QFETCH(QSize, delivered);
    QCOMPARE(AsyncImageProvider::deliveredSize(source, requested), delivered);
}

void TestAsyncImageProvider::servesCachedImageScaled()
{
    m_server->setRoute("/big.png", pngResponse(300, 200));
    const QString url = m_server->url("/big.png");
    fetch(url);

    AsyncImageProvider provider(m_downloader.get());
    QCOMPARE(provider.imageType(), QQmlImageProviderBase::Image);
    QVERIFY(provider.flags() & QQmlImageProviderBase::ForceAsynchronousImageLoading);
    QSize size;
    const QImage scaled = provider.requestImage(url, &size, QSize(100, 100));
    QCOMPARE(scaled.size(), QSize(100, 67));
    QCOMPARE(size, QSize(100, 67));
    QCOMPARE(scaled.pixelColor(50, 30), QColor(Qt::red));

    const QImage whole = provider.requestImage(url, &size, QSize(-1, -1));
    QCOMPARE(whole.size(), QSize(300, 200));
    QCOMPARE(size, QSize(300, 200));
    // The cached image itself is left as it was.
    QCOMPARE(m_downloader->cachedImage(url).size(), QSize(300, 200));
}

void TestAsyncImageProvider::unknownIdGivesNullImage()
{
    AsyncImageProvider provider(m_downloader.get());
    QSize size(5, 5);
    QVERIFY(provider.requestImage(m_server->url("/never.png"), &size, QSize(10, 10)).isNull());
    QVERIFY(!size.isValid());
    QVERIFY(provider.requestImage(QString(), nullptr, QSize()).isNull());
}

void TestAsyncImageProvider::iconsTakeTheThemeColour_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("icon in a colour") << "1a2b3c/TavirelImgs/Images/mute.svg" << true;
    QTest::newRow("not a colour") << "zz/TavirelImgs/Images/mute.svg" << false;
    QTest::newRow("no such icon") << "1a2b3c/TavirelImgs/Images/none.svg" << false;
    QTest::newRow("outside the icons") << "1a2b3c/Settings/SettingsDefaults.json" << false;
    QTest::newRow("no path") << "1a2b3c" << false;
}

void TestAsyncImageProvider::iconsTakeTheThemeColour()
{
    QFETCH(QString, id);
    QFETCH(bool, drawn);
    TintedIconProvider provider;
    QSize size;
    const QImage image = provider.requestImage(id, &size, QSize(32, 32));
    QCOMPARE(!image.isNull(), drawn);
    if (!drawn)
        return;
    QCOMPARE(size, QSize(32, 32));
    // Every visible pixel is the colour; the shape keeps its transparency.
    int opaque = 0;
    int clear = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() == 255) {
                ++opaque;
                QCOMPARE(c.name(), QStringLiteral("#1a2b3c"));
            }
            clear += c.alpha() == 0;
        }
    }
    QVERIFY(opaque > 0 && clear > 0);
}

void TestAsyncImageProvider::coverItemLoadsThroughProvider_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::newRow("plain path") << QByteArray("/cover.png");
    QTest::newRow("query string") << QByteArray("/cover.png?size=large&v=2");
    QTest::newRow("encoded space") << QByteArray("/my%20cover.png");
}

void TestAsyncImageProvider::coverItemLoadsThroughProvider()
{
    QFETCH(QByteArray, path);

    const QByteArray routePath = path.left(path.indexOf('?') < 0 ? path.size() : path.indexOf('?'));
    m_server->setRoute(routePath, pngResponse(300, 200));
    const QString url = m_server->url(QString::fromLatin1(path));

    const QString document = TestSupport::sourceDir() + QStringLiteral("/tests/data/images/Cover.qml");
    QVERIFY2(QFile::exists(document), qPrintable(document));

    QQuickView view;
    view.engine()->addImageProvider(QStringLiteral("async"), new AsyncImageProvider(m_downloader.get()));
    view.setSource(QUrl::fromLocalFile(document));
    QCOMPARE(view.status(), QQuickView::Ready);
    view.show();
    QQuickItem *root = view.rootObject();
    QVERIFY(root);
    auto *cover = root->findChild<QQuickItem *>(QStringLiteral("cover"));
    QVERIFY(cover);

    m_downloader->requestImage(url, root);
    // Status 1 is Image.Ready; 3 would be Image.Error (the provider had nothing).
    QTRY_COMPARE(cover->property("status").toInt(), 1);
    QCOMPARE(cover->property("source").toUrl().scheme(), QStringLiteral("image"));
    QCOMPARE(cover->implicitWidth(), 100.0);
    QCOMPARE(cover->implicitHeight(), 67.0);
    QCOMPARE(m_server->hits(routePath), 1);
}

void TestAsyncImageProvider::readsWhileCacheIsWritten()
{
    // Enough distinct images to make the cache evict while readers read.
    const int n = ImageDownloader::CacheLimit * 2 + 20;
    QStringList urls;
    for (int i = 0; i < n; ++i) {
        const QByteArray path = "/s" + QByteArray::number(i) + ".png";
        m_server->setRoute(path, pngResponse(8 + i % 5, 8));
        urls.append(m_server->url(QString::fromLatin1(path)));
    }
    AsyncImageProvider provider(m_downloader.get());
    std::atomic<bool> stop{false};
    std::atomic<int> served{0};
    std::vector<std::thread> readers;
    for (int t = 0; t < 3; ++t) {
        readers.emplace_back([&, t] {
            int i = t;
            while (!stop.load()) {
                QSize size;
                const QImage image = provider.requestImage(urls.at(i % n), &size, QSize(4, 4));
                if (!image.isNull()) {
                    ++served;
                    if (image.size() != QSize(4, 4) && image.size() != size)
                        qFatal("inconsistent image size from the provider");
                }
                m_downloader->contains(urls.at((i * 7) % n));
                i += 3;
            }
        });
    }

    QObject requester;
    for (const QString &url : qAsConst(urls))
        m_downloader->requestImage(url, &requester);
    QTRY_VERIFY_WITH_TIMEOUT(m_downloader->contains(urls.last()) && m_downloader->cachedUrls().size() == ImageDownloader::CacheLimit, 20000);
    QTRY_VERIFY(served.load() > 0);
    stop = true;
    for (std::thread &reader : readers)
        reader.join();
    QCOMPARE(m_downloader->cachedUrls().size(), ImageDownloader::CacheLimit);
}

QTEST_MAIN(TestAsyncImageProvider)
#include "tst_asyncimageprovider.moc"
