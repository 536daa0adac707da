#include "tavirelconnsocket.h"

#include "app/logcategories.h"


namespace {
// Splits at "|" dropping empty fields, without allocating the fields.
QVector<QStringRef> tokenFields(const QString &text)
{
    return text.splitRef(QLatin1Char('|'), Qt::SkipEmptyParts);
}
}

TavirelConnSocket::TavirelConnSocket(QObject *parent)
    : QTcpSocket(parent)
    , m_watchdog(this)
    , m_framer(LinkFramer::deviceSeparator())
{
    m_watchdog.setInterval(1000);
    m_watchdog.setSingleShot(false);
    connect(this, &QTcpSocket::connected, this, &TavirelConnSocket::socketConnected);
    connect(this, &QTcpSocket::disconnected, this, &TavirelConnSocket::socketDisconnected);
    connect(this, &QTcpSocket::readyRead, this, &TavirelConnSocket::socketReadStream);
    connect(this, &QTcpSocket::bytesWritten, this, &TavirelConnSocket::bytesWritten);
    connect(this, &QAbstractSocket::errorOccurred, this, &TavirelConnSocket::socketError);
    connect(&m_watchdog, &QTimer::timeout, this, &TavirelConnSocket::timerTimeout,
            Qt::DirectConnection);
}

TavirelConnSocket::~TavirelConnSocket()
{
    m_watchdog.stop();
    // The base class closes the socket as it is destroyed and signals that;
    // by then this part of the object is gone, so no slot of it may run.
    disconnect(this, nullptr, this, nullptr);
}

void TavirelConnSocket::setTickInterval(int ms)
{
    m_watchdog.setInterval(ms);
}

void TavirelConnSocket::openLink(const QString &host, quint16 port)
{
    // The cipher starts every message from a zero vector, so only the counter
    // and the leftovers of an earlier connection need resetting.
    m_sendCounter = 0;
    m_refused = false;
    m_connecting = true;
    m_connectTicks = 0;
    m_open = false;
    m_framer.clear();
    connectToHost(host, port, QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
    if (!m_watchdog.isActive())
        m_watchdog.start();
}

void TavirelConnSocket::sendMessage(const QString &message)
{
    const QString plain = QString::number(m_sendCounter) + QLatin1Char('|') + message;
    QByteArray frame = m_cipher.encodeText(plain);
    frame.append(LinkFramer::appSeparator());
    if (state() != QAbstractSocket::ConnectedState) {
        // Not counted: the device numbers only what it receives, and the
        // handshake of the next connection must go out as 0.
        qCDebug(lcLink) << "not connected, message dropped:" << message;
        return;
    }
    write(frame);
    // Commands are small and interactive: hand them to the kernel now
    // rather than on the next pass of the event loop.
    flush();
    ++m_sendCounter;
}

void TavirelConnSocket::socketConnected()
{
    setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_sendCounter = 0;
    m_connecting = false;
    m_open = true;
    emit connectionOpen();
    m_awaitingJoin = true;
    m_joinTicks = 0;
}

void TavirelConnSocket::socketDisconnected()
{
    if (!m_open)
        return;
    m_open = false;
    m_awaitingJoin = false;
    qCDebug(lcLink) << "connection closed by the device";
    emit connectionLost();
}

void TavirelConnSocket::bytesWritten(qint64) { }

void TavirelConnSocket::socketError(QAbstractSocket::SocketError socketError)
{
    if (m_connecting) {
        // A refused or unroutable attempt is known at once; only an attempt
        // that hangs is left to the watchdog.
        qCDebug(lcLink) << "connection attempt failed:" << socketError;
        m_connecting = false;
        m_connectTicks = 0;
        switch (socketError) {
        case QAbstractSocket::ConnectionRefusedError:
            fail(Refused);
            break;
        case QAbstractSocket::SocketTimeoutError:
            fail(TimedOut);
            break;
        default:
            fail(Unreachable);
            break;
        }
        return;
    }
    if (m_open && state() != QAbstractSocket::ConnectedState)
        socketDisconnected();
}

void TavirelConnSocket::abortQuietly()
{
    m_open = false;
    abort();
}

void TavirelConnSocket::fail(Failure failure)
{
    m_watchdog.stop();
    abortQuietly();
    emit connectionError(failure);
}

void TavirelConnSocket::socketReadStream()
{
    processIncoming(readAll());
}

void TavirelConnSocket::processIncoming(const QByteArray &bytes)
{
    // Whatever a refusing device sends after "REFUSE" belongs to no link,
    // in this read or a later one.
    if (m_refused)
        return;
    const QList<QByteArray> pieces = m_framer.feed(bytes);
    for (const QByteArray &piece : pieces) {
        if (handleMessage(piece) == RefusedLogin) {
            m_refused = true;
            m_framer.clear();
            return;
        }
    }
}

TavirelConnSocket::Handled TavirelConnSocket::handleMessage(const QByteArray &piece)
{
    const QString text = m_cipher.decodeText(piece);
    const QVector<QStringRef> fields = tokenFields(text);
    if (fields.size() < 2) {
        qCDebug(lcLink) << "message with fewer than two fields ignored";
        return Continue;
    }
    const QStringRef token = fields.at(1);
    if (token == QLatin1String("JOIN")) {
        m_awaitingJoin = false;
        m_silenceTicks = 0;
        emit connectionEstablished();
        sendMessage(QStringLiteral("UI_COMMAND|17"));
    } else if (token == QLatin1String("REFUSE")) {
        emit authenticationRefused();
        abortQuietly();
        return RefusedLogin;
    } else if (token == QLatin1String("BROAD")) {
        m_silenceTicks = 0;
        if (fields.size() < 3) {
            qCDebug(lcLink) << "broadcast without a code ignored";
        } else if (fields.at(2) == QLatin1String("5")) {
            sendMessage(QStringLiteral("UI_ALIVE"));
        } else {
            emit elaborateCommand(text);
        }
    } else {
        qCDebug(lcLink) << "message with unknown token ignored";
    }
    return Continue;
}

void TavirelConnSocket::timerTimeout()
{
    if (state() != QAbstractSocket::ConnectedState) {
        if (m_connecting) {
            if (++m_connectTicks > ConnectTickLimit) {
                m_connecting = false;
                m_connectTicks = 0;
                qCDebug(lcLink) << "no connection within" << ConnectTickLimit << "ticks";
                fail(TimedOut);
            }
        } else {
            qCDebug(lcLink) << "socket closed, asking for a restart";
            abortQuietly();
            emit connectionMustRestart();
        }
    } else if (m_awaitingJoin) {
        if (++m_joinTicks > JoinTickLimit) {
            qCDebug(lcLink) << "no JOIN within" << JoinTickLimit << "ticks";
            fail(NoJoin);
        }
    } else if (++m_silenceTicks > SilenceTickLimit) {
        qCDebug(lcLink) << "link silent for" << SilenceTickLimit << "ticks";
        fail(Silent);
    }
}
