// Cutting the received stream into pieces.
#include "link/linkframer.h"

#include <QRandomGenerator>
#include <QTest>

using Chunks = QList<QByteArray>;

class TestLinkFramer : public QObject
{
    Q_OBJECT

private slots:
    void cuts_data()
    {
        QTest::addColumn<Chunks>("chunks");
        QTest::addColumn<Chunks>("pieces");
        QTest::addColumn<QByteArray>("left");

        QTest::newRow("two in one read") << Chunks { "AAA%%%BBB%%%" } << Chunks { "AAA", "BBB" } << QByteArray();
        QTest::newRow("one and a half, then the rest")
            << Chunks { "AAA%%%BB", "B%%%" } << Chunks { "AAA", "BBB" } << QByteArray();
        QTest::newRow("half held back") << Chunks { "AAA%%%BB" } << Chunks { "AAA" } << QByteArray("BB");
        QTest::newRow("no separator keeps everything")
            << Chunks { "AAAA" } << Chunks {} << QByteArray("AAAA");
        QTest::newRow("no separator over several reads")
            << Chunks { "AA", "AA", "A" } << Chunks {} << QByteArray("AAAAA");
        QTest::newRow("separator split across reads")
            << Chunks { "AAA%", "%", "%BBB%%", "%" } << Chunks { "AAA", "BBB" } << QByteArray();
        QTest::newRow("empty pieces dropped")
            << Chunks { "%%%%%%AAA%%%%%%%%%" } << Chunks { "AAA" } << QByteArray();
        QTest::newRow("overlapping percent run ends a piece")
            << Chunks { "AAA%%%%" } << Chunks { "AAA", "%" } << QByteArray();
        QTest::newRow("byte at a time")
            << Chunks { "A", "B", "%", "%", "%", "C", "%", "%", "%" } << Chunks { "AB", "C" } << QByteArray();
        QTest::newRow("text ends at a zero byte, rest dropped")
            << Chunks { QByteArray("AAA%%%\0junk", 11) } << Chunks { "AAA" } << QByteArray();
        QTest::newRow("leading zero byte empties the buffer")
            << Chunks { QByteArray("\0AAA%%%", 7), "BBB%%%" } << Chunks { "BBB" } << QByteArray();
        QTest::newRow("ampersand is no separator here") << Chunks { "A&B&" } << Chunks {} << QByteArray("A&B&");
    }

    void cuts()
    {
        QFETCH(Chunks, chunks);
        QFETCH(Chunks, pieces);
        QFETCH(QByteArray, left);
        LinkFramer framer(LinkFramer::deviceSeparator());
        Chunks got;
        for (const QByteArray &chunk : chunks)
            got += framer.feed(chunk);
        QCOMPARE(got, pieces);
        QCOMPARE(framer.buffered(), left);
    }

    void appDirection()
    {
        LinkFramer framer(LinkFramer::appSeparator());
        QCOMPARE(framer.feed("abc&de"), Chunks { "abc" });
        QCOMPARE(framer.feed("f&&g&"), (Chunks { "def", "g" }));
        QVERIFY(framer.buffered().isEmpty());
    }

    // However the stream is cut, the same pieces come out.
    void chunkingDoesNotMatter()
    {
        QByteArray stream;
        Chunks expected;
        for (int i = 0; i < 300; ++i) {
            const QByteArray piece = QByteArray::number(i).repeated(1 + i % 37).toBase64();
            expected << piece;
            stream += piece + "%%%";
        }
        auto *rng = QRandomGenerator::global();
        for (int round = 0; round < 20; ++round) {
            LinkFramer framer(LinkFramer::deviceSeparator());
            Chunks got;
            for (int pos = 0; pos < stream.size();) {
                const int n = 1 + int(rng->bounded(round < 10 ? 8 : 700));
                got += framer.feed(stream.mid(pos, n));
                pos += n;
            }
            QCOMPARE(got, expected);
            QVERIFY(framer.buffered().isEmpty());
        }
    }

    void capDropsAndResynchronises()
    {
        LinkFramer framer(LinkFramer::deviceSeparator(), 64);
        QVERIFY(framer.feed(QByteArray(40, 'x')).isEmpty());
        QVERIFY(!framer.resynchronising());
        QVERIFY(framer.feed(QByteArray(40, 'x')).isEmpty());
        QVERIFY(framer.resynchronising());
        QCOMPARE(framer.overflows(), 1);
        QVERIFY(framer.buffered().size() < 64);
        // More of the runaway piece is dropped without growing the buffer.
        for (int i = 0; i < 100; ++i)
            QVERIFY(framer.feed(QByteArray(50, 'y')).isEmpty());
        QVERIFY(framer.buffered().size() <= 2);
        // Its end (separator split across reads) brings the stream back.
        QVERIFY(framer.feed("yy%").isEmpty());
        QCOMPARE(framer.feed("%%GOOD%%%NEXT"), Chunks { "GOOD" });
        QVERIFY(!framer.resynchronising());
        QCOMPARE(framer.feed("%%%"), Chunks { "NEXT" });
    }

    void defaultCapIsOneMebibyte()
    {
        LinkFramer framer(LinkFramer::deviceSeparator());
        QCOMPARE(framer.maxBuffered(), 1024 * 1024);
        const QByteArray block(64 * 1024, 'z');
        for (int i = 0; i < 16; ++i)
            framer.feed(block);
        QVERIFY(!framer.resynchronising());
        framer.feed("z");
        QVERIFY(framer.resynchronising());
        QVERIFY(framer.buffered().size() < 16);
    }
};

QTEST_GUILESS_MAIN(TestLinkFramer)
#include "tst_linkframer.moc"
