#include "settings/settingsthread.h"

#include "app/logcategories.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>

SettingsThread::SettingsThread(QObject* parent)
    : SettingsTransfer(parent)
{
}

void SettingsThread::start(const QString& url, const QString& username, const QString& password)
{
    startWith(url, username, password);
}

QNetworkReply* SettingsThread::send(QNetworkAccessManager* manager, const QNetworkRequest& request)
{
    QNetworkReply* reply = manager->get(request);
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64 total) {
        if (received <= MaxSettingsBytes && total <= MaxSettingsBytes)
            return;
        qCDebug(lcSettings) << "settings download larger than" << MaxSettingsBytes << "bytes; abandoned";
        reply->setProperty(TooLargeProperty, true);
        reply->abort();
    });
    return reply;
}

void SettingsThread::succeeded(const QByteArray& body)
{
    const QJsonDocument doc = QJsonDocument::fromJson(body);
    if (!doc.isObject()) {
        qCDebug(lcSettings) << "settings download is not a JSON object; dropped";
        Q_EMIT transferFailed(QCoreApplication::translate("SettingsTransfer", "the answer is not a settings object"));
        return;
    }
    Q_EMIT settingsDownloaded(doc.object());
}
