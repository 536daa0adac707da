#include "navigation/navigationview.h"

NavigationView::NavigationView(QQuickItem *parent)
    : QQuickItem(parent)
{
}

void NavigationView::setTitle(const QString &title)
{
    m_title = title;
    emit titleChanged();
}
