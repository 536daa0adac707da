#pragma once

#include "broadcastcoalescer.h"

#include <QObject>
#include <QString>

class TavirelConnSocket;

// One run's link to the device: owns the socket, reopens it when it closes,
// and passes its events on. Lives in the link thread.
class TavirelConnection : public QObject
{
    Q_OBJECT

public:
    TavirelConnection(const QString &host, int port, QObject *parent = nullptr);
    ~TavirelConnection() override;

    QString host() const { return m_host; }
    int port() const { return m_port; }
    TavirelConnSocket *socket() const { return m_socket; }
    // Applied to the socket created by startConnection(); for tests.
    void setTickInterval(int ms) { m_tickInterval = ms; }
    // With flow control, one broadcast at a time is handed on: the next only
    // after commandHandled(). What arrives meanwhile is coalesced, so a
    // device that sends faster than the receiver works cannot pile up
    // events in the receiver's queue.
    void setFlowControl(bool on) { m_flowControl = on; }
    int waitingBroadcasts() const { return m_waiting.size(); }

signals:
    void connectionOpen();
    void connectionEstablished();
    // TavirelConnSocket::Failure
    void connectionError(int failure);
    void connectionLost();
    void authenticationRefused();
    void elaborateCommandReceived(QString command);

public slots:
    void startConnection();
    void killConnection();
    void sendCommand(QString message);
    void sendString(QString message);
    // The receiver is done with the broadcast handed on last.
    void commandHandled();

private slots:
    void startSocket();
    void broadcastReceived(const QString &command);

private:
    QString m_host;
    int m_port;
    int m_tickInterval = 1000;
    TavirelConnSocket *m_socket = nullptr;
    bool m_flowControl = false;
    bool m_handedOn = false;
    BroadcastCoalescer m_waiting;
};
