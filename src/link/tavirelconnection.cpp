#include "tavirelconnection.h"

#include "app/logcategories.h"
#include "tavirelconnsocket.h"

TavirelConnection::TavirelConnection(const QString &host, int port, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_port(port)
{
}

TavirelConnection::~TavirelConnection()
{
    if (m_socket) {
        disconnect(m_socket, nullptr, this, nullptr);
        m_socket->deleteLater();
        m_socket = nullptr;
    }
}

void TavirelConnection::startConnection()
{
    m_socket = new TavirelConnSocket();
    m_socket->setTickInterval(m_tickInterval);
    connect(m_socket, &TavirelConnSocket::connectionOpen, this, &TavirelConnection::connectionOpen);
    connect(m_socket, &TavirelConnSocket::connectionEstablished, this,
            &TavirelConnection::connectionEstablished);
    connect(m_socket, &TavirelConnSocket::connectionError, this,
            &TavirelConnection::connectionError);
    connect(m_socket, &TavirelConnSocket::connectionLost, this, &TavirelConnection::connectionLost);
    connect(m_socket, &TavirelConnSocket::authenticationRefused, this,
            &TavirelConnection::authenticationRefused);
    connect(m_socket, &TavirelConnSocket::elaborateCommand, this,
            &TavirelConnection::broadcastReceived);
    connect(m_socket, &TavirelConnSocket::connectionMustRestart, this,
            &TavirelConnection::startSocket);
    startSocket();
}

void TavirelConnection::broadcastReceived(const QString &command)
{
    if (!m_flowControl) {
        emit elaborateCommandReceived(command);
        return;
    }
    if (m_handedOn) {
        m_waiting.add(command);
        return;
    }
    m_handedOn = true;
    emit elaborateCommandReceived(command);
}

void TavirelConnection::commandHandled()
{
    if (m_waiting.isEmpty()) {
        m_handedOn = false;
        return;
    }
    emit elaborateCommandReceived(m_waiting.takeNext());
}

void TavirelConnection::startSocket()
{
    if (m_socket)
        m_socket->openLink(m_host, quint16(m_port));
}

void TavirelConnection::killConnection()
{
    if (!m_socket)
        return;
    disconnect(m_socket, nullptr, this, nullptr);
    m_socket->closeLink();
    m_socket->deleteLater();
    m_socket = nullptr;
}

void TavirelConnection::sendCommand(QString message)
{
    sendString(QStringLiteral("UI_COMMAND|") + message);
}

void TavirelConnection::sendString(QString message)
{
    if (!m_socket) {
        qCDebug(lcLink) << "no socket, message dropped:" << message;
        return;
    }
    m_socket->sendMessage(message);
}
