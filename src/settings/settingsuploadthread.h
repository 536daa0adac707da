#pragma once

#include "settings/settingstransfer.h"

// Sends an edited settings object to the device as a form POST whose body is
// "content=" followed by the JSON text as it stands (not percent-encoded),
// encoded once as UTF-8.
class SettingsUploadThread : public SettingsTransfer
{
    Q_OBJECT
public:
    explicit SettingsUploadThread(QObject* parent = nullptr);

    void start(const QString& url, const QString& username, const QString& password, const QString& json);
    QString body() const { return m_body; }

Q_SIGNALS:
    void uploadSucceeded();

protected:
    QNetworkRequest buildRequest(const QUrl& url) const override;
    QNetworkReply* send(QNetworkAccessManager* manager, const QNetworkRequest& request) override;
    void succeeded(const QByteArray& body) override;

private:
    QString m_body;
};
