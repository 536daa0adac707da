#pragma once

#include <QPointer>
#include <QQuickItem>

class Tavirel;

// Controller base of an outputs screen that follows the routing: the
// document's loadOutputs() runs after every routes message.
class OutputsView : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(Tavirel* tavirel READ tavirel WRITE setTavirel NOTIFY tavirelChanged)
    Q_PROPERTY(QQuickItem* connectionScreen READ connectionScreen WRITE setConnectionScreen NOTIFY connectionScreenChanged)
public:
    explicit OutputsView(QQuickItem* parent = nullptr);

    Tavirel* tavirel() const;
    void setTavirel(Tavirel* t);
    QQuickItem* connectionScreen() const { return m_connectionScreen; }
    void setConnectionScreen(QQuickItem* item);

    Q_INVOKABLE void requestImage(const QString& uri, QQuickItem* item);

Q_SIGNALS:
    void tavirelChanged();
    void connectionScreenChanged();

public Q_SLOTS:
    void showConnectionScreen(bool show);
    void setConnectionScreenMessage(const QString& message);

private:
    QPointer<QObject> m_tavirel;
    QPointer<QQuickItem> m_connectionScreen;
};
