#pragma once

#include <QHostAddress>
#include <QJsonObject>
#include <QMutex>
#include <QObject>

struct MHD_Daemon;
struct MHD_Connection;

// The device's settings service: one JSON object, read with GET at the
// download address and replaced by a form POST ("content=" and the JSON text,
// taken as it stands) at the upload address, behind HTTP authentication with
// the device's user name and password. The HTTP library answers in a thread
// of its own; the object is guarded by a mutex and changes are announced by
// signals, which reach receivers in other threads queued.
class SettingsHttpService : public QObject
{
    Q_OBJECT

public:
    enum class Auth { Basic, Digest };

    static constexpr const char *GetPath = "/cgi-bin/getsettings";
    static constexpr const char *PostPath = "/cgi-bin/setsettings";

    SettingsHttpService(const QString &user, const QString &password, Auth auth,
                        const QJsonObject &settings, QObject *parent = nullptr);
    ~SettingsHttpService() override;

    bool listen(const QHostAddress &address, quint16 port, QString *error);
    quint16 port() const { return m_port; }
    QString url(const char *path) const;

    QJsonObject settings() const;
    void setSettings(const QJsonObject &settings);

signals:
    // A POST replaced the object (emitted in the service's thread).
    void settingsPosted(const QJsonObject &settings);
    void logLine(const QString &line);

private:
    friend struct SettingsHttpCallbacks;
    int answer(MHD_Connection *connection, const QByteArray &path, const QByteArray &method,
               const QByteArray &body);
    bool authorised(MHD_Connection *connection, int *digestResult, QString *who) const;
    int refuse(MHD_Connection *connection, int digestResult);

    const QString m_user;
    const QString m_password;
    const Auth m_auth;
    QHostAddress m_address;
    quint16 m_port = 0;
    QByteArray m_random;
    MHD_Daemon *m_daemon = nullptr;
    mutable QMutex m_mutex;
    QJsonObject m_settings;
};
