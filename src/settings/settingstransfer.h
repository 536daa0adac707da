#pragma once

#include <QByteArray>
#include <QString>
#include <QThread>

class QAuthenticator;
class QNetworkAccessManager;
class QNetworkCookieJar;
class QNetworkReply;
class QNetworkRequest;

// One HTTP exchange with the device's settings service, run in a thread of
// its own. The first request goes out without credentials; when the service
// asks for them the request is sent once more, now answering up to three
// challenges with the device's user name and password (a fourth aborts).
// Each object serves one transfer; when its run ends it moves back to the
// thread that created it, so that deleteLater() on finished() works.
class SettingsTransfer : public QThread
{
    Q_OBJECT
public:
    // Challenges answered per run before the request is given up.
    static constexpr int MaxAnsweredChallenges = 3;
    // Set on a reply abandoned because it grew too large.
    static constexpr const char* TooLargeProperty = "tavirelTooLarge";

    ~SettingsTransfer() override;

Q_SIGNALS:
    // The run ended without the expected answer; reason is for the user.
    void transferFailed(const QString& reason);

public Q_SLOTS:
    void replyFinished(QNetworkReply* reply);
    void authenticationRequired(QNetworkReply* reply, QAuthenticator* authenticator);

protected:
    explicit SettingsTransfer(QObject* parent = nullptr);

    // Stops a running transfer, stores the address and credentials, starts.
    void startWith(const QString& url, const QString& username, const QString& password);
    void run() override;
    // Builds the request for url, with the headers the transfer needs.
    virtual QNetworkRequest buildRequest(const QUrl& url) const;
    virtual QNetworkReply* send(QNetworkAccessManager* manager, const QNetworkRequest& request) = 0;
    // The service answered without an error.
    virtual void succeeded(const QByteArray& body) = 0;

private:
    QNetworkAccessManager* m_manager = nullptr;
    QNetworkCookieJar* m_cookieJar = nullptr;
    QString m_url;
    QString m_username;
    QString m_password;
    int m_authenticationCount = 0;
    bool m_retried = false;
    QThread* m_homeThread = nullptr;
};
