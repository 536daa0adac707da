// The settings transfers against the device simulator's settings service,
// with Basic and Digest authentication, and against a scripted server for
// answers the simulator never gives.
#include "settings/settingsthread.h"
#include "settings/settingsuploadthread.h"
#include "simprocess.h"
#include "../images/localhttpserver.h"

#include <QJsonDocument>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

class TestSettingsTransfer : public QObject
{
    Q_OBJECT

    struct Sim
    {
        SimProcess process;
        QString getUrl;
        QString postUrl;
        bool start(const QString& auth)
        {
            if (!process.start(0, { "--user", "admin", "--password", "s3cret", "--settings-port", "0", "--auth", auth }))
                return false;
            static const QRegularExpression re(QStringLiteral("settings service \\(\\w+\\) on (\\S+)"));
            const auto m = re.match(process.log);
            getUrl = m.captured(1);
            postUrl = QString(getUrl).replace(QLatin1String("getsettings"), QLatin1String("setsettings"));
            return m.hasMatch();
        }
        int logCount(const QString& text) const { return process.log.count(text); }
    };

    static void finish(SettingsTransfer* t) { QVERIFY(QTest::qWaitFor([t] { return t->isFinished(); }, 20000)); }

    static QJsonObject download(const QString& url, const QString& user, const QString& password,
                                int* signals_ = nullptr)
    {
        SettingsThread t;
        QSignalSpy spy(&t, &SettingsThread::settingsDownloaded);
        t.start(url, user, password);
        finish(&t);
        QTest::qWait(20); // queued signals
        if (signals_)
            *signals_ = spy.count();
        return spy.isEmpty() ? QJsonObject() : spy.first().first().toJsonObject();
    }

private Q_SLOTS:
    void authentication_data()
    {
        QTest::addColumn<QString>("auth");
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("downloads");
        QTest::addColumn<int>("refusedChallenges");
        QTest::newRow("basic") << "basic" << "s3cret" << 1 << 0;
        QTest::newRow("digest") << "digest" << "s3cret" << 1 << 0;
        QTest::newRow("basic, wrong password") << "basic" << "guess" << 0 << 3;
        QTest::newRow("digest, wrong password") << "digest" << "guess" << 0 << 3;
    }
    // The first request goes without credentials and is asked for them; the
    // second answers challenges, at most three.
    void authentication()
    {
        QFETCH(QString, auth);
        QFETCH(QString, password);
        QFETCH(int, downloads);
        QFETCH(int, refusedChallenges);
        Sim sim;
        QVERIFY(sim.start(auth));

        SettingsThread t;
        QSignalSpy got(&t, &SettingsThread::settingsDownloaded);
        QSignalSpy failed(&t, &SettingsTransfer::transferFailed);
        t.start(sim.getUrl, QStringLiteral("admin"), password);
        finish(&t);
        QTest::qWait(50);
        QCOMPARE(got.count(), downloads);
        QCOMPARE(failed.count(), 1 - downloads);
        if (downloads)
            QCOMPARE(got.first().first().toJsonObject().value("this_tavirel").toObject().value("name").toString(),
                     QStringLiteral("Tavirel"));
        else
            QVERIFY(failed.first().first().toString().contains(QLatin1String("password")));
        QTRY_VERIFY(sim.logCount(QStringLiteral("401, asking for credentials")) >= 1);
        QCOMPARE(sim.logCount(QStringLiteral("401, wrong credentials")), refusedChallenges);
    }

    // What is posted is what the next download gives, byte for byte: '+',
    // '&' and '%' are not form-decoded and non-ASCII text is UTF-8 once.
    void uploadRoundTrip_data()
    {
        QTest::addColumn<QString>("auth");
        QTest::newRow("basic") << "basic";
        QTest::newRow("digest") << "digest";
    }
    void uploadRoundTrip()
    {
        QFETCH(QString, auth);
        Sim sim;
        QVERIFY(sim.start(auth));
        QJsonObject settings = download(sim.getUrl, "admin", "s3cret");
        QVERIFY(!settings.isEmpty());
        QJsonObject device = settings.value("this_tavirel").toObject();
        const QString name = QStringLiteral("Caffè +&%20 Küche");
        device.insert("name", name);
        settings.insert("this_tavirel", device);

        const QByteArray json = QJsonDocument(settings).toJson(QJsonDocument::Compact);
        SettingsUploadThread up;
        QSignalSpy ok(&up, &SettingsUploadThread::uploadSucceeded);
        up.start(sim.postUrl, "admin", "s3cret", QString::fromUtf8(json));
        finish(&up);
        QTRY_COMPARE(ok.count(), 1);
        QCOMPARE(up.body(), QStringLiteral("content=") + QString::fromUtf8(json));
        QTRY_VERIFY(sim.process.log.contains(QStringLiteral("stored %1 bytes").arg(json.size())));

        const QJsonObject back = download(sim.getUrl, "admin", "s3cret");
        QCOMPARE(back.value("this_tavirel").toObject().value("name").toString(), name);
        QCOMPARE(QJsonDocument(back).toJson(QJsonDocument::Compact), json);
    }

    void uploadWithWrongPasswordFails()
    {
        Sim sim;
        QVERIFY(sim.start("digest"));
        SettingsUploadThread up;
        QSignalSpy ok(&up, &SettingsUploadThread::uploadSucceeded);
        QSignalSpy failed(&up, &SettingsTransfer::transferFailed);
        up.start(sim.postUrl, "admin", "guess", QStringLiteral("{\"this_tavirel\":{}}"));
        finish(&up);
        QTRY_COMPARE(failed.count(), 1);
        QCOMPARE(ok.count(), 0);
        QVERIFY(!sim.process.log.contains(QLatin1String("stored")));
    }

    // Answers that are not a settings object give no signal, only a failure.
    void unusableAnswers_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("reason");
        QTest::newRow("array") << 200 << QByteArray("[{\"this_tavirel\":{}}]") << QString();
        QTest::newRow("broken") << 200 << QByteArray("{\"this_tavirel\":") << QString();
        QTest::newRow("server error") << 500 << QByteArray("{}") << QString();
        // A well-formed object, but far larger than any device's settings.
        QTest::newRow("200 MB") << 200 << "{\"pad\":\"" + QByteArray(200 * 1024 * 1024, 'x') + "\"}"
                                << QStringLiteral("the answer is too large");
    }
    void unusableAnswers()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QString, reason);
        LocalHttpServer server;
        QVERIFY(server.listen());
        HttpResponse r;
        r.status = status;
        r.contentType = "application/json";
        r.body = body;
        server.setRoute("/get", r);
        SettingsThread t;
        QSignalSpy got(&t, &SettingsThread::settingsDownloaded);
        QSignalSpy failed(&t, &SettingsTransfer::transferFailed);
        t.start(server.url("/get"), "admin", "s3cret");
        finish(&t);
        QTRY_COMPARE(failed.count(), 1);
        QCOMPARE(got.count(), 0);
        if (!reason.isEmpty())
            QCOMPARE(failed.first().first().toString(), reason);
    }
};

QTEST_GUILESS_MAIN(TestSettingsTransfer)
#include "tst_settingstransfer.moc"
