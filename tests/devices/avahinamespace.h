#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// A network namespace of its own with a veth pair (198.18.77.1/24 on one
// end), a private D-Bus system bus and an Avahi daemon inside it. The test
// process joins the namespace on its main thread, so that threads it starts
// afterwards see only the namespace's interfaces. Needs root; everything is
// torn down by the destructor, also after a failure.
class AvahiNamespace
{
public:
    static constexpr const char* Address = "198.18.77.1";

    AvahiNamespace();
    ~AvahiNamespace();

    // Empty on success, otherwise what went wrong.
    QString setUp();
    // Leaves the namespace and removes it with everything started in it.
    void tearDown();

    // The environment that reaches the private bus.
    QProcessEnvironment environment() const;
    // Starts a program inside the namespace, talking to the private bus. The
    // process is stopped by tearDown at the latest.
    QProcess* start(const QString& program, const QStringList& args);
    void stop(QProcess* process);

private:
    QString run(const QStringList& command);
    QString m_name;
    QTemporaryDir m_dir;
    QString m_busAddress;
    QList<QProcess*> m_processes;
    int m_originalNamespace = -1;
    bool m_created = false;
};
