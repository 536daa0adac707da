// The link cipher against the openssl command-line tool, and the padding rule.
#include "link/linkcipher.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {
QByteArray runOpenssl(const QStringList &args, const QByteArray &input)
{
    QProcess p;
    p.start(QStringLiteral("openssl"), args);
    if (!p.waitForStarted(5000))
        return "openssl did not start";
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(10000);
    return p.readAllStandardOutput();
}

QStringList aesArgs(bool decrypt)
{
    QStringList args { QStringLiteral("enc"), QStringLiteral("-aes-128-cbc"),
                       QStringLiteral("-K"), QString::fromLatin1(LinkCipher::linkKey().toHex()),
                       QStringLiteral("-iv"), QString(32, QLatin1Char('0')) };
    if (decrypt)
        args << QStringLiteral("-d");
    return args;
}
}

class TestLinkCipher : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("openssl")).isEmpty())
            QSKIP("the openssl tool is not installed");
    }

    void agreesWithOpenssl_data()
    {
        QTest::addColumn<QByteArray>("plain");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("one byte") << QByteArray("x");
        QTest::newRow("15 bytes") << QByteArray("0|UI_COMMAND|17");
        QTest::newRow("16 bytes") << QByteArray("1|UI_COMMAND|17x");
        QTest::newRow("17 bytes") << QByteArray("12|UI_COMMAND|17x");
        QTest::newRow("handshake")
            << QByteArray("0|CONNECT|uid|admin|21232f297a57a5a743894a0e4a801fc3|Debian GNU/Linux 12 "
                          "(bookworm)|d7c7ac00293457e31e3c01b108b8f0d7");
        QTest::newRow("utf-8") << QString::fromUtf8("3|BROAD|1|0|0@Küche|1@Salón").toUtf8();
    }

    void agreesWithOpenssl()
    {
        QFETCH(QByteArray, plain);
        LinkCipher cipher;
        const QByteArray ours = cipher.encrypt(plain);
        QCOMPARE(ours.size() % 16, 0);
        QVERIFY(ours.size() > plain.size());
        QCOMPARE(ours, runOpenssl(aesArgs(false), plain));
        // And back: openssl's ciphertext deciphers to the same bytes here and there.
        QCOMPARE(runOpenssl(aesArgs(true), ours), plain);
        QCOMPARE(cipher.decrypt(runOpenssl(aesArgs(false), plain)), plain);
    }

    void base64Text()
    {
        LinkCipher cipher;
        const QString text = QString::fromUtf8("7|BROAD|0|0|4@Player A@1@127.0.0.1@6680|é");
        const QByteArray b64 = cipher.encodeText(text);
        QVERIFY(!b64.contains('\n'));
        QCOMPARE(runOpenssl(aesArgs(true), QByteArray::fromBase64(b64)), text.toUtf8());
        QCOMPARE(cipher.decodeText(b64), text);
        // The text ends at the first zero byte.
        const QByteArray withZero = cipher.encrypt(QByteArray("1|JOIN\0trailing", 15)).toBase64();
        QCOMPARE(cipher.decodeText(withZero), QStringLiteral("1|JOIN"));
    }

    void badInputDecodesToJunkNotCrash()
    {
        LinkCipher cipher;
        QCOMPARE(cipher.decrypt(QByteArray()), QByteArray());
        QCOMPARE(cipher.decrypt(QByteArray(15, 'a')), QByteArray());
        // A trailing partial block is ignored.
        const QByteArray c = cipher.encrypt("0|JOIN");
        QCOMPARE(cipher.decrypt(c + "abc"), QByteArray("0|JOIN"));
        cipher.decodeText("not base64 at all !!!");
    }

    void removePadding_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("pkcs7 one") << QByteArray("abc\x01") << QByteArray("abc");
        QTest::newRow("pkcs7 three") << QByteArray("abc\x03\x03\x03") << QByteArray("abc");
        QTest::newRow("whole block 0x10")
            << (QByteArray("0123456789abcdef") + QByteArray(16, '\x10')) << QByteArray("0123456789abcdef");
        QTest::newRow("stops at first differing byte") << QByteArray("ab\x02\x03\x03\x03") << QByteArray("ab\x02");
        QTest::newRow("at most n") << QByteArray("a\x02\x02\x02") << QByteArray("a\x02");
        QTest::newRow("zero removes nothing") << QByteArray("abc\0\0", 5) << QByteArray("abc\0\0", 5);
        QTest::newRow("0x80 removes nothing") << QByteArray("abc\x80") << QByteArray("abc\x80");
        QTest::newRow("0xff removes nothing") << QByteArray("abc\xff\xff") << QByteArray("abc\xff\xff");
        QTest::newRow("0x7f") << (QByteArray("x") + QByteArray(3, '\x7f')) << QByteArray("x");
        // Any last byte up to 127 counts as padding, a letter too.
        QTest::newRow("printable last byte") << QByteArray("0|JOINN") << QByteArray("0|JOI");
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("all padding") << QByteArray(4, '\x04') << QByteArray();
    }

    void removePadding()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, expected);
        LinkCipher::removePadding(input);
        QCOMPARE(input, expected);
    }
};

QTEST_GUILESS_MAIN(TestLinkCipher)
#include "tst_linkcipher.moc"
