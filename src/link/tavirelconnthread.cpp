#include "tavirelconnthread.h"

#include "app/logcategories.h"
#include "devices/device.h"
#include "tavirelconnection.h"
#include "tavirelconnsocket.h"

#include <QCryptographicHash>
#include <QSettings>
#include <QSysInfo>
#include <algorithm>

TavirelConnThread::TavirelConnThread(QObject *parent)
    : QThread(parent)
{
    QSettings settings;
    m_uniqueId = settings.value(QStringLiteral("uniqueID")).toString();
    m_readyTimer.setSingleShot(true);
    m_readyTimer.setInterval(ReadyTimeoutMs);
    connect(&m_readyTimer, &QTimer::timeout, this, [this] {
        qCDebug(lcLink) << "no ready message within" << m_readyTimer.interval() << "ms";
        failRun(failureText(TavirelConnSocket::NotReady));
    });
    m_retryTimer.setInterval(1000);
    connect(&m_retryTimer, &QTimer::timeout, this, &TavirelConnThread::countDown);
}

TavirelConnThread::~TavirelConnThread()
{
    quit();
    wait();
}

QString TavirelConnThread::host() const { return m_host; }
int TavirelConnThread::port() const { return m_port; }
bool TavirelConnThread::usingLocalAddress() const { return m_usingLocalAddress; }
QString TavirelConnThread::uniqueId() const { return m_uniqueId; }

void TavirelConnThread::setDevice(Device *device)
{
    stop();
    m_hasLocalAddress = false;
    m_hasRemoteAddress = false;
    m_failuresInARow = 0;
    m_failure.clear();
    m_deviceName = device ? device->getPropDictionaryValue(QStringLiteral("name")) : QString();
    if (m_deviceName.isEmpty() && device)
        m_deviceName = device->serialNumber();
    if (m_deviceName.isEmpty())
        m_deviceName = tr("Tavirel");
    if (!device) {
        m_localIp.clear();
        m_remoteIp.clear();
        m_localPort = m_remotePort = 0;
        m_username.clear();
        m_password.clear();
        return;
    }
    m_localIp = device->localIp();
    m_localPort = device->localPort();
    m_remoteIp = device->remoteIp();
    m_remotePort = device->remotePort();
    m_username = device->username();
    m_password = device->password();
    if (!m_localIp.isEmpty())
        m_hasLocalAddress = true;
    else if (!m_remoteIp.isEmpty())
        m_hasRemoteAddress = true;
}

void TavirelConnThread::stop()
{
    m_readyTimer.stop();
    if (m_retryTimer.isActive()) {
        m_retryTimer.stop();
        emit retryPendingChanged(false);
    }
    setLinkUp(false);
    if (isRunning()) {
        quit();
        wait();
    }
}

void TavirelConnThread::restart()
{
    stop();
    start(QThread::InheritPriority);
}

QString TavirelConnThread::md5Hex(const QString &text)
{
    // Latin-1 where it can hold the text, as devices have always been sent;
    // beyond it Latin-1 turns every character into "?", so such texts are
    // hashed from their UTF-8 bytes.
    const bool latin1 = std::all_of(text.cbegin(), text.cend(),
                                    [](QChar c) { return c.unicode() <= 0xFF; });
    return QString::fromLatin1(QCryptographicHash::hash(latin1 ? text.toLatin1() : text.toUtf8(),
                                                        QCryptographicHash::Md5)
                                   .toHex());
}

QString TavirelConnThread::credentialsProblem(const QString &username, const QString &password)
{
    // The handshake joins its fields with "|": one inside a credential would
    // shift every field after it.
    if (username.contains(QLatin1Char('|')) || password.contains(QLatin1Char('|')))
        return tr("User name and password must not contain \"|\".");
    return QString();
}

QString TavirelConnThread::handshakeRequest(const QString &uniqueId, const QString &username,
                                            const QString &password)
{
    if (!credentialsProblem(username, password).isEmpty())
        return QString();
    const QString appHash = md5Hex(QStringLiteral("Tavirel|") + uniqueId);
    QStringList fields { QStringLiteral("CONNECT"), uniqueId };
    if (!username.isEmpty() && !password.isEmpty())
        fields << username << md5Hex(password) << QSysInfo::prettyProductName() << appHash;
    else
        fields << QStringLiteral("default") << appHash;
    return fields.join(QLatin1Char('|'));
}

void TavirelConnThread::run()
{
    if (m_hasLocalAddress) {
        m_host = m_localIp;
        m_port = m_localPort;
        m_usingLocalAddress = true;
    } else if (m_hasRemoteAddress) {
        m_host = m_remoteIp;
        m_port = m_remotePort;
        m_usingLocalAddress = false;
    }
    m_firstConnectionPending = true;
    emit showConnectionScreen(true);
    emit setConnectionScreenMessage(attemptMessage(tr("Connecting to %1…").arg(deviceAndAddress())));

    if (TavirelConnection *old = m_connection.exchange(nullptr)) {
        old->killConnection();
        old->deleteLater();
    }

    auto *connection = new TavirelConnection(m_host, m_port);
    connection->setTickInterval(m_tickInterval);
    connect(connection, &TavirelConnection::connectionOpen, this,
            &TavirelConnThread::connectionOpen);
    connect(connection, &TavirelConnection::connectionEstablished, this,
            &TavirelConnThread::connectionEstablished);
    connect(connection, &TavirelConnection::connectionError, this,
            &TavirelConnThread::connectionErrorReceived);
    connect(connection, &TavirelConnection::connectionLost, this, &TavirelConnThread::connectionLost);
    connect(connection, &TavirelConnection::authenticationRefused, this,
            &TavirelConnThread::authenticationRefused);
    connect(connection, &TavirelConnection::elaborateCommandReceived, this,
            &TavirelConnThread::elaborateCommandReceived);
    connect(this, &TavirelConnThread::requireSendString, connection,
            &TavirelConnection::sendString);
    connect(this, &TavirelConnThread::requireSendCommand, connection,
            &TavirelConnection::sendCommand);
    connect(this, &TavirelConnThread::commandHandled, connection,
            &TavirelConnection::commandHandled);
    // The GUI thread takes one broadcast at a time; a flood is coalesced in
    // this thread instead of queueing up in the GUI thread.
    connection->setFlowControl(true);
    m_connection = connection;
    connection->startConnection();

    exec();

    m_connection = nullptr;
    disconnect(connection, nullptr, this, nullptr);
    disconnect(this, nullptr, connection, nullptr);
    connection->killConnection();
    // Still in the link thread: the connection can go now; the socket's
    // deferred deletion runs when the thread finishes.
    delete connection;
    if (m_endsFailed)
        return;
    emit setConnectionScreenMessage(tr("Disconnected."));
    emit showConnectionScreen(true);
}

bool TavirelConnThread::fromCurrentRun() const
{
    QObject *origin = sender();
    if (!origin || origin == m_connection.load())
        return true;
    qCDebug(lcLink) << "event from an ended run dropped";
    return false;
}

void TavirelConnThread::connectionOpen()
{
    if (!fromCurrentRun())
        return;
    const QString problem = credentialsProblem(m_username, m_password);
    if (!problem.isEmpty()) {
        qCDebug(lcLink) << "credentials not sendable, handshake withheld";
        emit setConnectionScreenMessage(problem);
        emit requireAuthenticationDialog();
        return;
    }
    emit setConnectionScreenMessage(attemptMessage(tr("Logging in to %1…").arg(deviceAndAddress())));
    emit requireSendString(handshakeRequest(m_uniqueId, m_username, m_password));
}

void TavirelConnThread::connectionEstablished()
{
    if (!fromCurrentRun())
        return;
    m_readyTimer.start();
}

void TavirelConnThread::connectionErrorReceived(int failure)
{
    if (!fromCurrentRun())
        return;
    failRun(failureText(failure));
}

void TavirelConnThread::connectionLost()
{
    if (!fromCurrentRun())
        return;
    if (!m_linkUp) {
        failRun(failureText(TavirelConnSocket::ClosedInLogin));
        return;
    }
    // The socket reopens the link at its next tick; until the device is
    // ready again nothing may be sent.
    setLinkUp(false);
    emit setConnectionScreenMessage(tr("Connection to %1 lost — reconnecting…").arg(deviceAndAddress()));
    emit showConnectionScreen(true);
}

int TavirelConnThread::retryDelay(int failures)
{
    return failures >= 5 ? 30 : 1 << failures;
}

void TavirelConnThread::failRun(const QString &reason)
{
    emit closePlayersConnections();
    m_endsFailed = true;
    stop();
    m_endsFailed = false;
    m_failure = reason;
    m_secondsToRetry = retryDelay(m_failuresInARow);
    m_failuresInARow = qMin(m_failuresInARow + 1, 5);
    qCDebug(lcLink) << "run failed, next attempt in" << m_secondsToRetry << "s:" << reason;
    m_retryTimer.start();
    emit retryPendingChanged(true);
    emit showConnectionScreen(true);
    showCountdown();
}

void TavirelConnThread::countDown()
{
    if (--m_secondsToRetry > 0)
        showCountdown();
    else
        restart();
}

void TavirelConnThread::showCountdown()
{
    emit setConnectionScreenMessage(m_failure + QLatin1Char('\n')
                                    + tr("Next attempt in %1 s.").arg(m_secondsToRetry));
}

void TavirelConnThread::retryNow()
{
    if (!m_linkUp)
        restart();
}

void TavirelConnThread::setLinkUp(bool up)
{
    if (up == m_linkUp)
        return;
    m_linkUp = up;
    emit linkUpChanged(up);
}

QString TavirelConnThread::address() const
{
    if (m_host.isEmpty())
        return tr("none");
    return m_host + QLatin1Char(':') + QString::number(m_port);
}

QString TavirelConnThread::deviceAndAddress() const
{
    return tr("%1 (%2)").arg(m_deviceName, address());
}

QString TavirelConnThread::attemptMessage(const QString &stage) const
{
    if (m_failure.isEmpty())
        return stage;
    return m_failure + QLatin1Char('\n') + tr("Trying again…");
}

QString TavirelConnThread::failureText(int failure) const
{
    QString why;
    switch (failure) {
    case TavirelConnSocket::Refused:
        why = tr("%1 refused the connection. Is the address right and the Tavirel switched on?");
        break;
    case TavirelConnSocket::Unreachable:
        why = m_host.isEmpty() ? tr("%1 has no address. Choose another Tavirel or add it again.")
                               : tr("%1 cannot be reached. Check the address and the network.");
        break;
    case TavirelConnSocket::TimedOut:
        why = tr("%1 did not answer in time. Check the address and the network.");
        break;
    case TavirelConnSocket::NoJoin:
        why = tr("%1 did not answer the login.");
        break;
    case TavirelConnSocket::NotReady:
        why = tr("%1 accepted the login but sent no data.");
        break;
    case TavirelConnSocket::ClosedInLogin:
        why = tr("%1 closed the connection during the login.");
        break;
    default:
        why = tr("%1 stopped answering.");
        break;
    }
    return why.arg(deviceAndAddress());
}

void TavirelConnThread::elaborateCommandReceived(QString command)
{
    if (!fromCurrentRun())
        return;
    // Also when the handling below returns early; the model has done its
    // work by then (direct connection).
    struct Handled {
        TavirelConnThread *thread;
        ~Handled() { emit thread->commandHandled(); }
    } handled { this };
    const QStringList fields = command.split(QLatin1Char('|'));
    if (fields.size() < 3)
        return;
    const int code = fields.at(2).toInt();
    if (code == 20) {
        if (fields.size() > 5)
            emit deviceSettingsUrlsUpdated(fields.at(4), fields.at(5));
    } else if (code == 500) {
        m_readyTimer.stop();
        m_failuresInARow = 0;
        m_failure.clear();
        setLinkUp(true);
        emit showConnectionScreen(false);
        if (m_firstConnectionPending) {
            m_firstConnectionPending = false;
            emit firstConnected();
        }
    } else {
        emit tavirelCommandReceived(fields);
    }
}

void TavirelConnThread::authenticationRefused()
{
    if (!fromCurrentRun())
        return;
    emit setConnectionScreenMessage(tr("Authentication failed."));
    emit requireAuthenticationDialog();
}
