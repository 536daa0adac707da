#include "views/sourcesview.h"

#include "images/imagedownloader.h"
#include "model/output.h"
#include "model/source.h"
#include "model/tavirel.h"

SourcesView::SourcesView(QQuickItem* parent)
    : QQuickItem(parent)
{
}

Tavirel* SourcesView::tavirel() const
{
    return static_cast<Tavirel*>(m_tavirel.data());
}

void SourcesView::setTavirel(Tavirel* t)
{
    if (m_tavirel)
        disconnect(m_tavirel, nullptr, this, nullptr);
    m_tavirel = t;
    Q_EMIT tavirelChanged();
    if (t) {
        // loadSources() and loadOutputs() are functions of the document.
        if (metaObject()->indexOfMethod("loadSources()") >= 0)
            connect(t, SIGNAL(sourcesChanged()), this, SLOT(loadSources()));
        if (metaObject()->indexOfMethod("loadOutputs()") >= 0)
            connect(t, SIGNAL(outputsChanged()), this, SLOT(loadOutputs()));
    }
}

void SourcesView::setConnectionScreen(QQuickItem* item)
{
    m_connectionScreen = item;
    Q_EMIT connectionScreenChanged();
}

void SourcesView::showConnectionScreen(bool show)
{
    if (m_connectionScreen)
        m_connectionScreen->setVisible(show);
}

void SourcesView::setConnectionScreenMessage(const QString& message)
{
    if (m_connectionScreen)
        m_connectionScreen->setProperty("connText", message);
}

void SourcesView::requestImage(const QString& uri, QQuickItem* item)
{
    ImageDownloader::instance()->requestImageForItem(uri, item);
}

QString SourcesView::routeSummary(QObject* source) const
{
    auto* s = qobject_cast<Source*>(source);
    return s ? Source::namesSummary(s->linkedOutputList()) : QString();
}
