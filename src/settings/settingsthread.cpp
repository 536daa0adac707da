#include "settings/settingsthread.h"

#include "app/logcategories.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QNetworkAccessManager>

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
    return manager->get(request);
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
