#include "settings/settingsuploadthread.h"

#include <QNetworkAccessManager>
#include <QNetworkRequest>

SettingsUploadThread::SettingsUploadThread(QObject* parent)
    : SettingsTransfer(parent)
{
}

void SettingsUploadThread::start(const QString& url, const QString& username, const QString& password,
                                 const QString& json)
{
    if (isRunning()) {
        quit();
        wait();
    }
    m_body = QStringLiteral("content=") + json;
    startWith(url, username, password);
}

QNetworkRequest SettingsUploadThread::buildRequest(const QUrl& url) const
{
    QNetworkRequest request = SettingsTransfer::buildRequest(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QStringLiteral("application/x-www-form-urlencoded; charset=utf-8"));
    return request;
}

QNetworkReply* SettingsUploadThread::send(QNetworkAccessManager* manager, const QNetworkRequest& request)
{
    return manager->post(request, m_body.toUtf8());
}

void SettingsUploadThread::succeeded(const QByteArray&)
{
    Q_EMIT uploadSucceeded();
}
