#pragma once
#include <QQuickItem>

// Base of every page that a navigation stack can show. A view asks its
// controller to push a further view or to pop itself; the controller tells it
// when it comes on top (presented) and when it leaves the top (dismissed).
class NavigationView : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY titleChanged)

public:
    explicit NavigationView(QQuickItem *parent = nullptr);

    QString title() const { return m_title; }
    void setTitle(const QString &title);

signals:
    void titleChanged();
    void pushView(NavigationView *view);
    void popLastView();
    void presented();
    void dismissed();

private:
    QString m_title;
};
