#pragma once

#include <QPointer>
#include <QQuickItem>

class Tavirel;

// Controller base of the sources screen; the document supplies the layout
// and the functions loadSources() and loadOutputs().
class SourcesView : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(Tavirel* tavirel READ tavirel WRITE setTavirel NOTIFY tavirelChanged)
    Q_PROPERTY(QQuickItem* connectionScreen READ connectionScreen WRITE setConnectionScreen NOTIFY connectionScreenChanged)
public:
    explicit SourcesView(QQuickItem* parent = nullptr);

    Tavirel* tavirel() const;
    void setTavirel(Tavirel* t);
    QQuickItem* connectionScreen() const { return m_connectionScreen; }
    void setConnectionScreen(QQuickItem* item);

    Q_INVOKABLE void requestImage(const QString& uri, QQuickItem* item);
    // Names of the outputs that play `source`, in output index order, capped
    // as Source::namesSummary caps them; empty when none does. Rows call it
    // once per routing change.
    Q_INVOKABLE QString routeSummary(QObject* source) const;

Q_SIGNALS:
    void tavirelChanged();
    void connectionScreenChanged();
    // The user picked a source to open in the player tab.
    void requireSelectSource(int source);

public Q_SLOTS:
    void showConnectionScreen(bool show);
    void setConnectionScreenMessage(const QString& message);

private:
    QPointer<QObject> m_tavirel;
    QPointer<QQuickItem> m_connectionScreen;
};
