#include "views/outputsview.h"

#include "images/imagedownloader.h"
#include "model/tavirel.h"

OutputsView::OutputsView(QQuickItem* parent)
    : QQuickItem(parent)
{
}

Tavirel* OutputsView::tavirel() const
{
    return static_cast<Tavirel*>(m_tavirel.data());
}

void OutputsView::setTavirel(Tavirel* t)
{
    // An earlier model is left connected: this view only ever follows one.
    m_tavirel = t;
    Q_EMIT tavirelChanged();
    if (t && metaObject()->indexOfMethod("loadOutputs()") >= 0)
        connect(t, SIGNAL(routesUpdated()), this, SLOT(loadOutputs()));
}

void OutputsView::setConnectionScreen(QQuickItem* item)
{
    m_connectionScreen = item;
    Q_EMIT connectionScreenChanged();
}

void OutputsView::showConnectionScreen(bool show)
{
    if (m_connectionScreen)
        m_connectionScreen->setVisible(show);
}

void OutputsView::setConnectionScreenMessage(const QString& message)
{
    if (m_connectionScreen)
        m_connectionScreen->setProperty("connText", message);
}

void OutputsView::requestImage(const QString& uri, QQuickItem* item)
{
    ImageDownloader::instance()->requestImageForItem(uri, item);
}
