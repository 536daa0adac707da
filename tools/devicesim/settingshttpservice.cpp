#include "settingshttpservice.h"

#include <QJsonDocument>
#include <QMutexLocker>
#include <QRandomGenerator>

#include <arpa/inet.h>
#include <microhttpd.h>
#include <netinet/in.h>

namespace {
const char kRealm[] = "Tavirel";
// The device caps what it accepts; a bigger body is refused.
constexpr size_t kMaxBody = 1 << 20;

struct Request
{
    QByteArray body;
    bool tooLarge = false;
};

QByteArray headerValue(MHD_Connection *connection, const char *name)
{
    const char *value = MHD_lookup_connection_value(connection, MHD_HEADER_KIND, name);
    return value ? QByteArray(value) : QByteArray();
}

MHD_Result queueText(MHD_Connection *connection, unsigned int status, const QByteArray &text,
                     const char *type = "text/plain; charset=utf-8")
{
    MHD_Response *response = MHD_create_response_from_buffer(size_t(text.size()), const_cast<char *>(text.constData()),
                                                             MHD_RESPMEM_MUST_COPY);
    MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_TYPE, type);
    const MHD_Result result = MHD_queue_response(connection, status, response);
    MHD_destroy_response(response);
    return result;
}
}

struct SettingsHttpCallbacks
{
    static MHD_Result handle(void *cls, MHD_Connection *connection, const char *url, const char *method,
                             const char *, const char *uploadData, size_t *uploadSize, void **state)
    {
        auto *request = static_cast<Request *>(*state);
        if (!request) {
            *state = new Request;
            return MHD_YES;
        }
        if (*uploadSize > 0) {
            if (size_t(request->body.size()) + *uploadSize > kMaxBody)
                request->tooLarge = true;
            else
                request->body.append(uploadData, int(*uploadSize));
            *uploadSize = 0;
            return MHD_YES;
        }
        auto *self = static_cast<SettingsHttpService *>(cls);
        if (request->tooLarge)
            return queueText(connection, MHD_HTTP_CONTENT_TOO_LARGE, "too large\n");
        return MHD_Result(self->answer(connection, url, method, request->body));
    }

    static void completed(void *, MHD_Connection *, void **state, MHD_RequestTerminationCode)
    {
        delete static_cast<Request *>(*state);
        *state = nullptr;
    }
};

SettingsHttpService::SettingsHttpService(const QString &user, const QString &password, Auth auth,
                                         const QJsonObject &settings, QObject *parent)
    : QObject(parent)
    , m_user(user)
    , m_password(password)
    , m_auth(auth)
    , m_settings(settings)
{
    m_random.resize(32);
    for (char &c : m_random)
        c = char(QRandomGenerator::system()->bounded(256));
}

SettingsHttpService::~SettingsHttpService()
{
    if (m_daemon)
        MHD_stop_daemon(m_daemon);
}

bool SettingsHttpService::listen(const QHostAddress &address, quint16 port, QString *error)
{
    sockaddr_in v4 {};
    sockaddr_in6 v6 {};
    const sockaddr *bindAddress = nullptr;
    unsigned int flags = MHD_USE_INTERNAL_POLLING_THREAD | MHD_USE_ERROR_LOG;
    if (address.protocol() == QAbstractSocket::IPv6Protocol) {
        v6.sin6_family = AF_INET6;
        v6.sin6_port = htons(port);
        const Q_IPV6ADDR raw = address.toIPv6Address();
        memcpy(&v6.sin6_addr, &raw, sizeof raw);
        bindAddress = reinterpret_cast<const sockaddr *>(&v6);
        flags |= MHD_USE_IPv6;
    } else {
        v4.sin_family = AF_INET;
        v4.sin_port = htons(port);
        v4.sin_addr.s_addr = htonl(address.toIPv4Address());
        bindAddress = reinterpret_cast<const sockaddr *>(&v4);
    }
    m_daemon = MHD_start_daemon(flags, port, nullptr, nullptr, &SettingsHttpCallbacks::handle, this,
                                MHD_OPTION_SOCK_ADDR, bindAddress,
                                MHD_OPTION_NOTIFY_COMPLETED, &SettingsHttpCallbacks::completed, this,
                                MHD_OPTION_DIGEST_AUTH_RANDOM, size_t(m_random.size()), m_random.constData(),
                                MHD_OPTION_NONCE_NC_SIZE, 300u,
                                MHD_OPTION_CONNECTION_TIMEOUT, 30u,
                                MHD_OPTION_END);
    if (!m_daemon) {
        *error = QStringLiteral("the HTTP service could not start (port %1 in use?)").arg(port);
        return false;
    }
    m_address = address;
    m_port = MHD_get_daemon_info(m_daemon, MHD_DAEMON_INFO_BIND_PORT)->port;
    return true;
}

QString SettingsHttpService::url(const char *path) const
{
    const QString host = m_address.protocol() == QAbstractSocket::IPv6Protocol
        ? QLatin1Char('[') + m_address.toString() + QLatin1Char(']')
        : m_address.toString();
    return QStringLiteral("http://%1:%2%3").arg(host).arg(m_port).arg(QLatin1String(path));
}

QJsonObject SettingsHttpService::settings() const
{
    QMutexLocker lock(&m_mutex);
    return m_settings;
}

void SettingsHttpService::setSettings(const QJsonObject &settings)
{
    QMutexLocker lock(&m_mutex);
    m_settings = settings;
}

bool SettingsHttpService::authorised(MHD_Connection *connection, int *digestResult, QString *who) const
{
    *digestResult = MHD_NO;
    if (m_auth == Auth::Basic) {
        char *password = nullptr;
        char *user = MHD_basic_auth_get_username_password(connection, &password);
        const bool ok = user && password && QString::fromUtf8(user) == m_user
            && QString::fromUtf8(password) == m_password;
        *who = user ? QString::fromUtf8(user) : QString();
        MHD_free(user);
        MHD_free(password);
        return ok;
    }
    char *user = MHD_digest_auth_get_username(connection);
    *who = user ? QString::fromUtf8(user) : QString();
    MHD_free(user);
    if (who->isNull() || *who != m_user)
        return false;
    *digestResult = MHD_digest_auth_check2(connection, kRealm, m_user.toUtf8().constData(),
                                           m_password.toUtf8().constData(), 300, MHD_DIGEST_ALG_MD5);
    return *digestResult == MHD_YES;
}

int SettingsHttpService::refuse(MHD_Connection *connection, int digestResult)
{
    static const QByteArray text = "authentication required\n";
    MHD_Response *response = MHD_create_response_from_buffer(size_t(text.size()), const_cast<char *>(text.constData()),
                                                             MHD_RESPMEM_PERSISTENT);
    MHD_Result result;
    if (m_auth == Auth::Basic)
        result = MHD_queue_basic_auth_fail_response(connection, kRealm, response);
    else
        result = MHD_queue_auth_fail_response2(connection, kRealm, "tavirel-settings", response,
                                               digestResult == MHD_INVALID_NONCE ? MHD_YES : MHD_NO,
                                               MHD_DIGEST_ALG_MD5);
    MHD_destroy_response(response);
    return result;
}

int SettingsHttpService::answer(MHD_Connection *connection, const QByteArray &path, const QByteArray &method,
                                const QByteArray &body)
{
    const QString what = QString::fromLatin1(method + ' ' + path);
    const bool get = method == "GET" && path == GetPath;
    const bool post = method == "POST" && path == PostPath;
    if (!get && !post) {
        emit logLine(QStringLiteral("settings %1: 404").arg(what));
        return queueText(connection, MHD_HTTP_NOT_FOUND, "not found\n");
    }
    int digestResult = MHD_NO;
    QString who;
    if (!authorised(connection, &digestResult, &who)) {
        // Only a request that carried credentials answered a challenge.
        if (headerValue(connection, MHD_HTTP_HEADER_AUTHORIZATION).isEmpty())
            emit logLine(QStringLiteral("settings %1: 401, asking for credentials").arg(what));
        else
            emit logLine(QStringLiteral("settings %1: 401, wrong credentials for \"%2\"").arg(what, who));
        return refuse(connection, digestResult);
    }
    if (get) {
        const QByteArray json = QJsonDocument(settings()).toJson(QJsonDocument::Compact);
        emit logLine(QStringLiteral("settings %1: 200, %2 bytes").arg(what).arg(json.size()));
        return queueText(connection, MHD_HTTP_OK, json, "application/json");
    }
    // The body is "content=" and the JSON text as it stands: no form decoding,
    // so '+', '&' and '%' in the settings survive.
    static const QByteArray prefix = "content=";
    QJsonParseError parseError;
    const QJsonDocument doc = body.startsWith(prefix) ? QJsonDocument::fromJson(body.mid(prefix.size()), &parseError)
                                                      : QJsonDocument();
    if (!doc.isObject()) {
        emit logLine(QStringLiteral("settings %1: 400, body is not content=<JSON object>: %2")
                         .arg(what, QString::fromUtf8(body.left(200))));
        return queueText(connection, MHD_HTTP_BAD_REQUEST, "expected content=<JSON object>\n");
    }
    setSettings(doc.object());
    emit logLine(QStringLiteral("settings %1: 200, stored %2 bytes").arg(what).arg(body.size() - prefix.size()));
    emit settingsPosted(doc.object());
    return queueText(connection, MHD_HTTP_OK, "ok\n");
}
