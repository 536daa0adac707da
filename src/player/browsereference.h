#pragma once
#include <QObject>
#include <QPointer>
#include <QStringList>

// Handle of one pending lookup made by a list view; the controller keeps it
// by request id until the reply arrives.
class BrowseReference : public QObject
{
    Q_OBJECT

public:
    explicit BrowseReference(QObject *parent = nullptr);

    QString typeKey() const { return m_typeKey; }
    void setTypeKey(const QString &typeKey) { m_typeKey = typeKey; }
    QStringList uris() const { return m_uris; }
    void setUris(const QStringList &uris) { m_uris = uris; }
    // Null once the view has been destroyed.
    QObject *view() const { return m_view.data(); }
    void setView(QObject *view) { m_view = view; }

private:
    QString m_typeKey;
    QStringList m_uris;
    QPointer<QObject> m_view;
};
