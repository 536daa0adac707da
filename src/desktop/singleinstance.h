#pragma once

#include <QDBusConnection>
#include <QObject>

// One running copy per settings store and desktop session. The first start
// holds a name on the session bus; a later start asks the holder to show its
// window and leaves. Copies with settings of their own (a demo, a test) each
// run, since they stand for different users of the application.
class SingleInstance : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "example.orvith.Tavirel")
public:
    // The organisation's domain, reversed, and the application name; the
    // interface of the object too.
    static constexpr const char* BaseName = "example.orvith.Tavirel";
    static constexpr const char* ObjectPath = "/example/orvith/Tavirel";

    enum class Outcome {
        First,       // this copy holds the name: go on starting
        Unavailable, // no bus, or the holder did not answer: go on starting
        Handed,      // the running copy shows its window: leave
    };

    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;

    // The bus name for the settings file at settingsPath.
    static QString serviceName(const QString& settingsPath);

    Outcome claim(const QDBusConnection& bus, const QString& settingsPath, int answerTimeoutMs = 10000);

public slots:
    // Called over the bus by a later start.
    Q_SCRIPTABLE void Activate();

signals:
    void activationRequested();

private:
    QDBusConnection m_bus;
    QString m_name;
    bool m_holding = false;
};
