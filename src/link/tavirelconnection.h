#pragma once

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

signals:
    void connectionOpen();
    void connectionEstablished();
    void connectionError();
    void authenticationRefused();
    void elaborateCommandReceived(QString command);

public slots:
    void startConnection();
    void killConnection();
    void sendCommand(QString message);
    void sendString(QString message);

private slots:
    void startSocket();

private:
    QString m_host;
    int m_port;
    int m_tickInterval = 1000;
    TavirelConnSocket *m_socket = nullptr;
};
