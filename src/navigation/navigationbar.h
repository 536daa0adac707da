#pragma once
#include <QQuickItem>

// The top bar of a navigation stack. Its buttons and their texts are declared
// by the bar's document; the stack sets them through properties by name.
class NavigationBar : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY titleChanged)

public:
    explicit NavigationBar(QQuickItem *parent = nullptr);

    QString title() const { return m_title; }
    void setTitle(const QString &title);

signals:
    void titleChanged();

private:
    QString m_title;
};
