#include "navigation/navigationbar.h"

NavigationBar::NavigationBar(QQuickItem *parent)
    : QQuickItem(parent)
{
}

void NavigationBar::setTitle(const QString &title)
{
    m_title = title;
    emit titleChanged();
}
