#pragma once

#include "desktop/traydbustypes.h"

#include <QDBusConnection>
#include <QObject>
#include <QPoint>

class QDBusServiceWatcher;
class TrayMenu;

// The application's item in the desktop panel, spoken over the session bus
// to the panel's watcher service. It registers again whenever the watcher
// (re)appears, so a restarted panel shows it again. Clicks, middle clicks
// and scrolling on the item come back as signals.
class StatusNotifierItem : public QObject
{
    Q_OBJECT
public:
    static constexpr const char* ObjectPath = "/StatusNotifierItem";
    static constexpr const char* WatcherService = "org.kde.StatusNotifierWatcher";
    static constexpr const char* WatcherPath = "/StatusNotifierWatcher";

    explicit StatusNotifierItem(const QString& id, QObject* parent = nullptr);
    ~StatusNotifierItem() override;

    // Exports the item and its menu on bus and starts following the watcher.
    // False, with one log line, when the bus cannot be used.
    bool publish(const QDBusConnection& bus);
    QString serviceName() const { return m_serviceName; }
    // A watcher took the item and a panel shows it: only then can the window
    // go away while the application stays reachable.
    bool isShown() const { return m_registered && m_hostPresent; }
    TrayMenu* menu() const { return m_menu; }

    QString id() const { return m_id; }
    QString title() const;
    TrayIconPixmapList iconPixmaps() const { return m_icon; }
    void setIcon(const QImage& image);
    TrayToolTip toolTip() const { return m_toolTip; }
    void setToolTip(const QString& title, const QString& text);

    // Called by the D-Bus interface.
    void activate(const QPoint& at) { emit activated(at); }
    void secondaryActivate(const QPoint& at) { emit secondaryActivated(at); }
    void scroll(int delta, const QString& orientation);

signals:
    void shownChanged();
    // A click: the panel's point on the screen, or null when it gave none.
    void activated(const QPoint& at);
    // A middle click.
    void secondaryActivated(const QPoint& at);
    // Vertical scrolling; positive away from the user (louder).
    void scrolled(int delta);
    void iconChanged();
    void toolTipChanged();

private slots:
    // Asks the watcher whether a panel shows its items.
    void readHostPresent();

private:
    void registerWithWatcher();
    void setRegistered(bool registered, bool hostPresent);

    QString m_id;
    QDBusConnection m_bus;
    QString m_serviceName;
    TrayMenu* m_menu;
    QDBusServiceWatcher* m_watcher = nullptr;
    bool m_published = false;
    bool m_registered = false;
    bool m_hostPresent = false;
    TrayIconPixmapList m_icon;
    TrayToolTip m_toolTip;
};
