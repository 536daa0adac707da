#pragma once
#include "navigation/browsesections.h"
#include "navigation/navigationview.h"

#include <QJsonValue>
#include <QList>
#include <QQmlListProperty>
#include <QSet>
#include <QStringList>
#include <memory>

class BackupImageDownloader;
class BrowseReference;
class PlayerItem;

// One level of the music library: its entries grouped into sections by entry
// type, shown to QML as one flat list. Details and covers of the rows on
// screen are asked for lazily through the controller.
class BrowseListView : public NavigationView
{
    Q_OBJECT
    Q_PROPERTY(QStringList rowTypes READ rowTypes NOTIFY rowTypesChanged)
    Q_PROPERTY(QQmlListProperty<PlayerItem> allSortedItems READ allSortedItems NOTIFY allSortedItemsChanged)
    // True from the request of a level until its entries arrive.
    Q_PROPERTY(bool loading READ loading WRITE setLoading NOTIFY loadingChanged)
    // Shown instead of rows when there is nothing to list; empty for none.
    Q_PROPERTY(QString message READ message WRITE setMessage NOTIFY messageChanged)
    // The library uri this level lists; empty for the root and for lists
    // that are no uri of the library (search results, a playlist's tracks).
    Q_PROPERTY(QString uri READ uri NOTIFY uriChanged)
    // The uri of the track playing now, marked wherever it is listed.
    Q_PROPERTY(QString playingUri READ playingUri WRITE setPlayingUri NOTIFY playingUriChanged)

public:
    explicit BrowseListView(QQuickItem *parent = nullptr);
    ~BrowseListView() override;

    QStringList rowTypes() const { return m_rowTypes; }
    QQmlListProperty<PlayerItem> allSortedItems();
    bool loading() const { return m_loading; }
    void setLoading(bool loading);
    QString message() const { return m_message; }
    void setMessage(const QString &message);
    QString uri() const { return m_uri; }
    QString playingUri() const { return m_playingUri; }
    void setPlayingUri(const QString &uri);

    // No signal: the sections follow.
    void setRowTypes(const QStringList &types) { m_rowTypes = types; }
    // Takes ownership of the sections and their items; sections replaced
    // here are released with deferred deletion. Always emits rowTypesChanged.
    void setSections(const BrowseSections::SectionMap &sections);
    const BrowseSections::SectionMap &sections() const { return m_sections; }

    void applyLookupResult(const QString &typeKey, const QJsonValue &v);
    // `serverUrl` resolves image paths on the player's own web server.
    void applyImagesResult(const QString &typeKey, const QJsonValue &v, const QUrl &serverUrl = QUrl());
    QList<PlayerItem *> entriesFrom(const QString &uri) const;
    QStringList urisFrom(const QString &uri) const;

    // The flat list as last built for QML.
    const QList<PlayerItem *> &sortedItems() const { return m_sortedItems; }

    Q_INVOKABLE void requirePushView(const QString &uri, const QString &title);
    Q_INVOKABLE virtual void requireLookup(int startIndex, int endIndex);
    Q_INVOKABLE void requestImage(const QString &uri, QQuickItem *item);
    Q_INVOKABLE void discardImage(const QString &uri, QQuickItem *item);

signals:
    void rowTypesChanged();
    void allSortedItemsChanged();
    void browse(BrowseListView *v, QString uri);
    void lookup(BrowseReference *b);
    void lookupImages(BrowseReference *b);
    void needRefresh();
    void playNow(QStringList uris);
    void openMenuWithItem(PlayerItem *item);
    void loadingChanged();
    void messageChanged();
    void uriChanged();
    void playingUriChanged();

protected:
    // Builds the flat list from the sections; search results order theirs.
    virtual void buildSortedItems(QList<PlayerItem *> *items);
    BrowseReference *reference(const QString &typeKey, const QStringList &uris);
    // A further page of the stack, owned by the stack's item so that it
    // outlives this one; null when the document does not load.
    NavigationView *createView(const QString &url);
    QSet<PlayerItem *> *askedLookup() { return &m_askedLookup; }
    QSet<PlayerItem *> *askedImages() { return &m_askedImages; }

private:
    static int itemCount(QQmlListProperty<PlayerItem> *list);
    static PlayerItem *itemAt(QQmlListProperty<PlayerItem> *list, int index);

    QStringList m_rowTypes;
    BrowseSections::SectionMap m_sections;
    QList<PlayerItem *> m_sortedItems;
    bool m_loading = false;
    QString m_message;
    QString m_uri;
    QString m_playingUri;
    // Entries already asked for, so that scrolling asks each row once.
    QSet<PlayerItem *> m_askedLookup;
    QSet<PlayerItem *> m_askedImages;
    std::unique_ptr<BackupImageDownloader> m_fallbackArt;
};
