#pragma once
// A minimal HTTP/1.1 server on 127.0.0.1 for the image tests: it answers each
// GET from a route table (or a handler), counts requests per path, records
// the request targets and can hold or stall answers.
#include <QBuffer>
#include <QHash>
#include <QHostAddress>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>

struct HttpResponse
{
    int status = 200;
    QByteArray contentType = "application/octet-stream";
    QByteArray body;
    // Send the headers (announcing the body) and then nothing.
    bool stall = false;
    // Keep the answer until release() is called for the path.
    bool hold = false;
};

inline QByteArray pngBytes(int width, int height, QColor colour = Qt::red)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

inline HttpResponse pngResponse(int width = 300, int height = 200)
{
    HttpResponse r;
    r.contentType = "image/png";
    r.body = pngBytes(width, height);
    return r;
}

class LocalHttpServer
{
public:
    std::function<HttpResponse(const QByteArray &target)> handler;

    LocalHttpServer()
    {
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] { accept(); });
    }

    bool listen(quint16 port = 0) { return m_server.listen(QHostAddress::LocalHost, port); }
    quint16 port() const { return m_server.serverPort(); }
    QString url(const QString &path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path);
    }
    void setRoute(const QByteArray &path, const HttpResponse &response) { m_routes.insert(path, response); }
    int hits(const QByteArray &path) const { return m_hits.value(path); }
    int totalHits() const { return m_targets.size(); }
    QList<QByteArray> targets() const { return m_targets; }

    void release(const QByteArray &path)
    {
        const QList<Held> held = m_held.take(path);
        for (const Held &h : held) {
            if (h.socket)
                answer(h.socket, h.response);
        }
    }

private:
    void accept()
    {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { readRequest(socket); });
        }
    }

    void readRequest(QTcpSocket *socket)
    {
        QByteArray &buffer = m_buffers[socket];
        buffer += socket->readAll();
        const int end = buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QList<QByteArray> requestLine = buffer.left(buffer.indexOf("\r\n")).split(' ');
        m_buffers.remove(socket);
        const QByteArray target = requestLine.value(1);
        const QByteArray path = target.left(target.indexOf('?') < 0 ? target.size() : target.indexOf('?'));
        m_targets.append(target);
        ++m_hits[path];

        HttpResponse r;
        if (handler) {
            r = handler(target);
        } else if (m_routes.contains(path)) {
            r = m_routes.value(path);
        } else {
            r.status = 404;
            r.contentType = "text/plain";
            r.body = "not found";
        }
        if (r.hold) {
            m_held[path].append(Held{QPointer<QTcpSocket>(socket), r});
            return;
        }
        answer(socket, r);
    }

    static void answer(QTcpSocket *socket, const HttpResponse &r)
    {
        // hold only matters on arrival; a released answer is sent as it is.
        QByteArray head = "HTTP/1.1 " + QByteArray::number(r.status) + (r.status == 200 ? " OK" : " Error") + "\r\n";
        head += "Content-Type: " + r.contentType + "\r\n";
        head += "Content-Length: " + QByteArray::number(r.stall ? r.body.size() + 1000 : r.body.size()) + "\r\n";
        head += "Connection: close\r\n\r\n";
        socket->write(head);
        if (r.stall)
            return;
        socket->write(r.body);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QHash<QByteArray, HttpResponse> m_routes;
    QHash<QByteArray, int> m_hits;
    QList<QByteArray> m_targets;
    QHash<QTcpSocket *, QByteArray> m_buffers;
    struct Held
    {
        QPointer<QTcpSocket> socket;
        HttpResponse response;
    };
    QHash<QByteArray, QList<Held>> m_held;
};
