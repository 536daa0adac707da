#pragma once

#include <QObject>
#include <QString>
#include <QVariantHash>

// One device the application knows: how to reach its control link, the
// credentials for it, and a free dictionary of descriptive properties.
class Device : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString serialNumber READ serialNumber WRITE setSerialNumber NOTIFY serialNumberChanged)
    Q_PROPERTY(QString localIp READ localIp WRITE setLocalIp NOTIFY localIpChanged)
    Q_PROPERTY(int localPort READ localPort WRITE setLocalPort NOTIFY localPortChanged)
    Q_PROPERTY(QString remoteIp READ remoteIp WRITE setRemoteIp NOTIFY remoteIpChanged)
    Q_PROPERTY(int remotePort READ remotePort WRITE setRemotePort NOTIFY remotePortChanged)
    Q_PROPERTY(QString username READ username WRITE setUsername NOTIFY usernameChanged)
    Q_PROPERTY(QString password READ password WRITE setPassword NOTIFY passwordChanged)
    Q_PROPERTY(QVariantHash propDictionary READ propDictionary WRITE setPropDictionary NOTIFY propDictionaryChanged)
public:
    static constexpr int DefaultPort = 7550;

    explicit Device(QObject* parent = nullptr);

    QString serialNumber() const { return m_serialNumber; }
    QString localIp() const { return m_localIp; }
    int localPort() const { return m_localPort; }
    QString remoteIp() const { return m_remoteIp; }
    int remotePort() const { return m_remotePort; }
    QString username() const { return m_username; }
    QString password() const { return m_password; }
    QVariantHash propDictionary() const { return m_propDictionary; }

    void setSerialNumber(const QString& v);
    void setLocalIp(const QString& v);
    void setLocalPort(int v);
    void setRemoteIp(const QString& v);
    void setRemotePort(int v);
    void setUsername(const QString& v);
    void setPassword(const QString& v);
    void setPropDictionary(const QVariantHash& v);

    Q_INVOKABLE QString getPropDictionaryValue(const QString& key) const;
    // How lists, cards and messages name the device: its given name, else
    // its serial number, else its address, else "Tavirel".
    Q_INVOKABLE QString displayName() const;
    // Inserts or replaces one entry without notifying.
    void setPropDictionaryValue(const QString& key, const QString& value);

Q_SIGNALS:
    void serialNumberChanged();
    void localIpChanged();
    void localPortChanged();
    void remoteIpChanged();
    void remotePortChanged();
    void usernameChanged();
    void passwordChanged();
    void propDictionaryChanged();

private:
    QString m_serialNumber;
    QString m_localIp;
    int m_localPort = 0;
    QString m_remoteIp;
    int m_remotePort = 0;
    QString m_username;
    QString m_password;
    QVariantHash m_propDictionary;
};
