#pragma once

#include "settings/settingstransfer.h"

#include <QJsonObject>

// Downloads the device's settings object.
class SettingsThread : public SettingsTransfer
{
    Q_OBJECT
public:
    explicit SettingsThread(QObject* parent = nullptr);

    void start(const QString& url, const QString& username, const QString& password);

Q_SIGNALS:
    // Once per download whose body is a JSON object.
    void settingsDownloaded(const QJsonObject& settings);

protected:
    QNetworkReply* send(QNetworkAccessManager* manager, const QNetworkRequest& request) override;
    void succeeded(const QByteArray& body) override;
};
