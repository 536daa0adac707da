#pragma once

#include "settings/settingstransfer.h"

#include <QJsonObject>

// Downloads the device's settings object.
class SettingsThread : public SettingsTransfer
{
    Q_OBJECT
public:
    // A device's settings are a few kilobytes; a larger answer is refused
    // while it arrives instead of being held in memory.
    static constexpr qint64 MaxSettingsBytes = 4 * 1024 * 1024;

    explicit SettingsThread(QObject* parent = nullptr);

    void start(const QString& url, const QString& username, const QString& password);

Q_SIGNALS:
    // Once per download whose body is a JSON object.
    void settingsDownloaded(const QJsonObject& settings);

protected:
    QNetworkReply* send(QNetworkAccessManager* manager, const QNetworkRequest& request) override;
    void succeeded(const QByteArray& body) override;
};
