#include "mopidyfixture.h"

#include "testsupport.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QWebSocket>

MopidyFixture::MopidyFixture() = default;

MopidyFixture::~MopidyFixture()
{
    stop();
}

bool MopidyFixture::start(int timeoutMs)
{
    if (QStandardPaths::findExecutable(QStringLiteral("mopidy")).isEmpty()) {
        m_error = QStringLiteral("mopidy is not installed (scripts/setup.sh installs it)");
        return false;
    }
    m_dir = std::make_unique<QTemporaryDir>();
    if (!m_dir->isValid()) {
        m_error = QStringLiteral("cannot create a temporary directory");
        return false;
    }
    m_port = TestSupport::freeLoopbackPort();
    if (m_port == 0) {
        m_error = QStringLiteral("no free loopback port");
        return false;
    }

    const QString script = TestSupport::sourceDir() + QStringLiteral("/scripts/mopidy-sample.sh");
    QProcess prepare;
    prepare.setProcessChannelMode(QProcess::SeparateChannels);
    prepare.start(QStringLiteral("bash"), {script, m_dir->path(), QString::number(m_port)});
    if (!prepare.waitForFinished(timeoutMs) || prepare.exitStatus() != QProcess::NormalExit
        || prepare.exitCode() != 0) {
        m_error = QStringLiteral("%1 failed: %2").arg(script, QString::fromLocal8Bit(prepare.readAllStandardError()));
        return false;
    }
    const QList<QByteArray> lines = prepare.readAllStandardOutput().trimmed().split('\n');
    m_config = QString::fromLocal8Bit(lines.last().trimmed());
    if (!QFile::exists(m_config)) {
        m_error = QStringLiteral("the sample script printed no configuration: %1").arg(m_config);
        return false;
    }
    return launch(timeoutMs);
}

bool MopidyFixture::restart(int timeoutMs)
{
    stop();
    return launch(timeoutMs);
}

bool MopidyFixture::launch(int timeoutMs)
{
    m_process = std::make_unique<QProcess>();
    m_process->setWorkingDirectory(m_dir->path());
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    m_process->setStandardOutputFile(m_dir->path() + QStringLiteral("/mopidy.log"), QIODevice::Append);
    m_process->start(QStringLiteral("mopidy"), {QStringLiteral("--config"), m_config});
    if (!m_process->waitForStarted(10000)) {
        m_error = QStringLiteral("mopidy did not start: ") + m_process->errorString();
        return false;
    }
    if (!waitForWebSocket(timeoutMs)) {
        m_error = QStringLiteral("mopidy did not answer on port %1:\n%2").arg(m_port).arg(logTail());
        stop();
        return false;
    }
    return true;
}

bool MopidyFixture::waitForWebSocket(int timeoutMs)
{
    const QUrl url(QStringLiteral("ws://127.0.0.1:%1/mopidy/ws").arg(m_port));
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (!isRunning())
            return false;
        QWebSocket probe;
        bool connected = false;
        QEventLoop loop;
        QObject::connect(&probe, &QWebSocket::connected, &loop, [&] {
            connected = true;
            loop.quit();
        });
        QObject::connect(&probe, &QWebSocket::disconnected, &loop, &QEventLoop::quit);
        QObject::connect(&probe, QOverload<QAbstractSocket::SocketError>::of(&QWebSocket::error), &loop,
                         &QEventLoop::quit);
        QTimer::singleShot(2000, &loop, &QEventLoop::quit);
        probe.open(url);
        loop.exec();
        probe.abort();
        if (connected)
            return true;
        QTest::qWait(200);
    }
    return false;
}

void MopidyFixture::stop()
{
    if (!m_process)
        return;
    if (m_process->state() != QProcess::NotRunning) {
        m_process->terminate();
        if (!m_process->waitForFinished(10000)) {
            m_process->kill();
            m_process->waitForFinished(5000);
        }
    }
    m_process.reset();
}

void MopidyFixture::kill()
{
    if (!m_process)
        return;
    m_process->kill();
    m_process->waitForFinished(5000);
    m_process.reset();
}

bool MopidyFixture::isRunning() const
{
    return m_process && m_process->state() != QProcess::NotRunning;
}

QString MopidyFixture::logTail(int lines) const
{
    QFile log(dir() + QStringLiteral("/mopidy.log"));
    if (!log.open(QIODevice::ReadOnly))
        return QString();
    const QList<QByteArray> all = log.readAll().split('\n');
    return QString::fromLocal8Bit(all.mid(qMax(0, all.size() - lines)).join('\n'));
}

QJsonValue MopidyFixture::call(const QString &method, const QJsonObject &params, int timeoutMs)
{
    QJsonObject body{{QStringLiteral("jsonrpc"), QStringLiteral("2.0")},
                     {QStringLiteral("id"), ++m_callId},
                     {QStringLiteral("method"), method}};
    if (!params.isEmpty())
        body.insert(QStringLiteral("params"), params);
    QNetworkAccessManager nam;
    QNetworkRequest request(QUrl(QStringLiteral("http://127.0.0.1:%1/mopidy/rpc").arg(m_port)));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    request.setTransferTimeout(timeoutMs);
    QNetworkReply *reply = nam.post(request, QJsonDocument(body).toJson(QJsonDocument::Compact));
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    const QByteArray data = reply->readAll();
    const bool failed = reply->error() != QNetworkReply::NoError;
    const QString errorText = reply->errorString();
    delete reply;
    if (failed) {
        m_error = method + QStringLiteral(": ") + errorText;
        return QJsonValue(QJsonValue::Undefined);
    }
    const QJsonObject answer = QJsonDocument::fromJson(data).object();
    if (answer.contains(QStringLiteral("error"))) {
        m_error = method + QStringLiteral(": ") + QString::fromUtf8(data);
        return QJsonValue(QJsonValue::Undefined);
    }
    return answer.value(QStringLiteral("result"));
}

bool MopidyFixture::reset()
{
    call(QStringLiteral("core.playback.stop"));
    call(QStringLiteral("core.tracklist.clear"));
    call(QStringLiteral("core.tracklist.set_repeat"), {{QStringLiteral("value"), false}});
    call(QStringLiteral("core.tracklist.set_random"), {{QStringLiteral("value"), false}});
    return call(QStringLiteral("core.tracklist.get_length")).toInt(-1) == 0;
}

QStringList MopidyFixture::tracksWithCovers(int count)
{
    QStringList uris;
    const QJsonArray refs = call(QStringLiteral("core.library.browse"),
                                 { { "uri", "local:directory?type=track" } }).toArray();
    for (const QJsonValue &ref : refs) {
        if (uris.size() == count)
            break;
        const QString uri = ref.toObject().value("uri").toString();
        const QJsonObject images = call(QStringLiteral("core.library.get_images"),
                                        { { "uris", QJsonArray { uri } } }).toObject();
        if (!images.value(uri).toArray().isEmpty())
            uris << uri;
    }
    return uris;
}
