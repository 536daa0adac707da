#include "views/playerview.h"

#include "model/source.h"
#include "model/tavirel.h"
#include "player/tavirelplayer.h"
#include "images/imagedownloader.h"
#include "views/documentitem.h"


PlayerView::PlayerView(QQuickItem* parent)
    : QQuickItem(parent)
{
}

Tavirel* PlayerView::tavirel() const
{
    return static_cast<Tavirel*>(m_tavirel.data());
}

Source* PlayerView::selectedSource() const
{
    return static_cast<Source*>(m_selectedSource.data());
}

void PlayerView::setTavirel(Tavirel* t)
{
    if (m_tavirel)
        disconnect(m_tavirel, nullptr, this, nullptr);
    m_tavirel = t;
    Q_EMIT tavirelChanged();
    if (t) {
        if (metaObject()->indexOfMethod("loadOutputs()") >= 0)
            connect(t, SIGNAL(outputsChanged()), this, SLOT(loadOutputs()));
        connect(t, &Tavirel::sourcesChanged, this, &PlayerView::updateSelectedSource);
    }
}

void PlayerView::setSelectedSource(Source* s)
{
    if (metaObject()->indexOfMethod("prepareDisconnectSource()") >= 0)
        QMetaObject::invokeMethod(this, "prepareDisconnectSource");
    m_selectedSource = s;
    Q_EMIT selectedSourceChanged();
}

void PlayerView::setConnectionScreen(QQuickItem* item)
{
    m_connectionScreen = item;
    Q_EMIT connectionScreenChanged();
}

void PlayerView::updateSelectedSource()
{
    Source* current = selectedSource();
    if (!current || !tavirel())
        return;
    Source* fresh = tavirel()->sourceByIndex(current->index());
    if (fresh && fresh->player())
        setSelectedSource(fresh);
}

void PlayerView::showConnectionScreen(bool show)
{
    if (m_connectionScreen)
        m_connectionScreen->setVisible(show);
}

void PlayerView::setConnectionScreenMessage(const QString& message)
{
    if (m_connectionScreen)
        m_connectionScreen->setProperty("connText", message);
}

void PlayerView::requestImage(const QString& uri, QQuickItem* item)
{
    ImageDownloader::instance()->requestImageForItem(uri, item);
}

void PlayerView::abortImage(const QString& uri, QQuickItem* item)
{
    ImageDownloader::instance()->discardImage(uri, item);
}

QQuickItem* PlayerView::createDialog(const QString& url)
{
    // Dialogs cover the whole window: they hang under the view's grandparent.
    QQuickItem* host = parentItem() && parentItem()->parentItem() ? parentItem()->parentItem() : this;
    return DocumentItem::create(this, url, host);
}

void PlayerView::showSavePlaylistDialog()
{
    QQuickItem* dialog = createDialog(QStringLiteral("qrc:/Qml/PlaylistSaveDialog.qml"));
    if (!dialog)
        return;
    dialog->setProperty("headTitle", tr("Save"));
    dialog->setProperty("bodyMessage", tr("Save current queue to a new playlist with name"));
    dialog->setProperty("okBtnText", tr("Save"));
    dialog->setProperty("cancBtnText", tr("Cancel"));
    dialog->setVisible(true);
    connect(dialog, SIGNAL(close(QQuickItem*)), this, SLOT(closeDialog(QQuickItem*)));
    connect(dialog, SIGNAL(createPlaylist(QString)), this, SLOT(createPlaylist(QString)));
}

void PlayerView::showAddUrlDialog()
{
    QQuickItem* dialog = createDialog(QStringLiteral("qrc:/Qml/AddUrlDialog.qml"));
    if (!dialog)
        return;
    dialog->setProperty("headTitle", tr("Add Url"));
    dialog->setProperty("okBtnText", tr("Add"));
    dialog->setProperty("cancBtnText", tr("Cancel"));
    dialog->setVisible(true);
    connect(dialog, SIGNAL(close(QQuickItem*)), this, SLOT(closeDialog(QQuickItem*)));
    connect(dialog, SIGNAL(addUrl(QString)), this, SLOT(addUrlToQueue(QString)));
}

void PlayerView::closeDialog(QQuickItem* dialog)
{
    if (!dialog)
        return;
    dialog->setParentItem(nullptr);
    dialog->deleteLater();
}

void PlayerView::createPlaylist(const QString& name)
{
    Source* source = selectedSource();
    if (source && source->player())
        source->player()->actionCreatePlaylist(name, true);
}

void PlayerView::addUrlToQueue(const QString& url)
{
    Source* source = selectedSource();
    if (source && source->player())
        source->player()->actionPlayAdd(QStringList { url }, source->player()->currentTlid() + 1, true);
}
