#include "settings/settingstransfer.h"

#include "app/logcategories.h"

#include <QAuthenticator>
#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkCookie>
#include <QNetworkCookieJar>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QVariant>

namespace {
// The device answers at once on the local network; a stalled answer ends
// the transfer.
constexpr int TransferTimeoutMs = 15000;
}

SettingsTransfer::SettingsTransfer(QObject* parent)
    : QThread(parent)
    , m_homeThread(QThread::currentThread())
{
    moveToThread(this);
}

SettingsTransfer::~SettingsTransfer()
{
    quit();
    wait();
}

void SettingsTransfer::startWith(const QString& url, const QString& username, const QString& password)
{
    if (isRunning()) {
        quit();
        wait();
    }
    m_url = url;
    m_username = username;
    m_password = password;
    QThread::start(QThread::InheritPriority);
}

QNetworkRequest SettingsTransfer::buildRequest(const QUrl& url) const
{
    QNetworkRequest request(url);
    request.setTransferTimeout(TransferTimeoutMs);
    return request;
}

void SettingsTransfer::run()
{
    m_authenticationCount = 0;
    m_retried = false;
    m_manager = new QNetworkAccessManager;
    m_cookieJar = new QNetworkCookieJar(m_manager);
    m_manager->setCookieJar(m_cookieJar);
    connect(m_manager, &QNetworkAccessManager::finished, this, &SettingsTransfer::replyFinished,
            Qt::DirectConnection);
    send(m_manager, buildRequest(QUrl(m_url, QUrl::TolerantMode)));

    exec();

    disconnect(m_manager, nullptr, this, nullptr);
    delete m_manager;
    m_manager = nullptr;
    m_cookieJar = nullptr;
    moveToThread(m_homeThread);
}

void SettingsTransfer::replyFinished(QNetworkReply* reply)
{
    reply->deleteLater();
    const QNetworkReply::NetworkError error = reply->error();
    if (error == QNetworkReply::NoError) {
        succeeded(reply->readAll());
        quit();
        return;
    }
    if (error == QNetworkReply::AuthenticationRequiredError && !m_retried) {
        m_retried = true;
        qCDebug(lcSettings) << "settings service asks for credentials; sending again with them";
        QNetworkRequest request = buildRequest(reply->url());
        for (const QNetworkCookie& cookie : m_cookieJar->cookiesForUrl(reply->url()))
            request.setHeader(QNetworkRequest::CookieHeader, QVariant::fromValue(QList<QNetworkCookie> { cookie }));
        connect(m_manager, &QNetworkAccessManager::authenticationRequired, this,
                &SettingsTransfer::authenticationRequired, Qt::DirectConnection);
        send(m_manager, request);
        return;
    }
    qCDebug(lcSettings) << "settings transfer failed:" << reply->errorString();
    if (reply->property(TooLargeProperty).toBool()) {
        Q_EMIT transferFailed(QCoreApplication::translate("SettingsTransfer", "the answer is too large"));
        quit();
        return;
    }
    const bool credentials = error == QNetworkReply::AuthenticationRequiredError
        || m_authenticationCount > MaxAnsweredChallenges;
    Q_EMIT transferFailed(credentials
                              ? QCoreApplication::translate("SettingsTransfer",
                                                            "the user name or password was not accepted")
                              : reply->errorString());
    quit();
}

void SettingsTransfer::authenticationRequired(QNetworkReply* reply, QAuthenticator* authenticator)
{
    ++m_authenticationCount;
    if (m_authenticationCount > MaxAnsweredChallenges) {
        qCDebug(lcSettings) << "credentials refused" << MaxAnsweredChallenges << "times; giving up";
        reply->abort();
        return;
    }
    // Qt sends credentials again only when the authenticator changed since
    // the last attempt; clearing it first makes every challenge answered.
    authenticator->setUser(QString());
    authenticator->setPassword(QString());
    authenticator->setUser(m_username);
    authenticator->setPassword(m_password);
}
