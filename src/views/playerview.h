#pragma once

#include <QPointer>
#include <QQuickItem>

class Notices;
class Source;
class Tavirel;
class TavirelPlayer;

// Controller base of the now-playing screen: one selected source, its
// player and its outputs, and the save-queue and add-URL dialogs.
class PlayerView : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(Tavirel* tavirel READ tavirel WRITE setTavirel NOTIFY tavirelChanged)
    Q_PROPERTY(Source* selectedSource READ selectedSource WRITE setSelectedSource NOTIFY selectedSourceChanged)
    Q_PROPERTY(QQuickItem* connectionScreen READ connectionScreen WRITE setConnectionScreen NOTIFY connectionScreenChanged)
    // Where the page and the stacks it opens tell what the user's actions did.
    Q_PROPERTY(Notices* notices READ notices WRITE setNotices NOTIFY noticesChanged)
public:
    explicit PlayerView(QQuickItem* parent = nullptr);

    // Where the source the user last chose is kept between runs.
    static constexpr const char* ChosenSourceKey = "playerSource";
    struct PlayerSource {
        int index;
        bool playing;
    };
    // The source index the page shows among the device's player sources, in
    // device order: the one the user chose, when the device has it; else the
    // shown one while it plays; else the first that plays; else the shown
    // one; else the first. -1 without player sources.
    static int sourceToShow(const QList<PlayerSource>& players, int chosen, int shown);
    // Why `url` cannot go into the queue as a stream, or empty when it can:
    // it must start with its scheme ("http://radio.example/stream").
    Q_INVOKABLE static QString urlProblem(const QString& url);
    // The source index the user last chose, or -1.
    int chosenSource() const { return m_chosenSource; }

    Tavirel* tavirel() const;
    void setTavirel(Tavirel* t);
    Source* selectedSource() const;
    // The user's choice: shown now, and again whenever the device announces it.
    void setSelectedSource(Source* s);
    QQuickItem* connectionScreen() const { return m_connectionScreen; }
    void setConnectionScreen(QQuickItem* item);
    Notices* notices() const;
    void setNotices(Notices* notices);

    Q_INVOKABLE void requestImage(const QString& uri, QQuickItem* item);
    Q_INVOKABLE void abortImage(const QString& uri, QQuickItem* item);
    Q_INVOKABLE void showSavePlaylistDialog();
    Q_INVOKABLE void showAddUrlDialog();
    // Empties the selected source's queue, with a notice that can put it back.
    Q_INVOKABLE void clearQueue();
    // Opens the music library over this view for the selected source's player.
    Q_INVOKABLE void openMusicLibrary();
    // The library opened on its search page.
    Q_INVOKABLE void openMusicSearch();
    // The stored playlists of the selected source's player, on their own.
    Q_INVOKABLE void openPlaylists();
    QQuickItem* musicLibraryPopup() const { return m_libraryPopup; }
    QQuickItem* playlistsPopup() const { return m_playlistsPopup; }

Q_SIGNALS:
    void tavirelChanged();
    void selectedSourceChanged();
    void connectionScreenChanged();
    void noticesChanged();

public Q_SLOTS:
    void closeDialog(QQuickItem* dialog);
    // Saves the queue under `name`; a playlist of that name is replaced only
    // once the user agrees.
    void createPlaylist(const QString& name);
    void replacePlaylist(const QString& name);
    void addUrlToQueue(const QString& url);
    void updateSelectedSource();
    void showConnectionScreen(bool show);
    void setConnectionScreenMessage(const QString& message);

private:
    QQuickItem* createDialog(const QString& url);
    // Shows s without making it the user's choice.
    void showSource(Source* s);
    // Picks the source to show again, as the device's sources or their
    // playback change.
    void chooseSource();
    void watchPlayers();
    void tellNotPlayable();

    QPointer<QObject> m_tavirel;
    QPointer<QObject> m_selectedSource;
    QPointer<QQuickItem> m_connectionScreen;
    QPointer<QObject> m_notices;
    int m_chosenSource = -1;
    // The shown source has been seen playing since it was put on the page.
    bool m_shownSettled = false;
    // The player the document was bound to when the source was last shown.
    QPointer<TavirelPlayer> m_shownPlayer;
    // Players whose playback may change which source is shown.
    QList<QPointer<TavirelPlayer>> m_watchedPlayers;

    // The library popup, kept once opened so that it reopens where it was.
    // Creates the popup of a page stack on first use, keeps it in step with
    // the page's device and source through `sync`, and shows it.
    void showStackPopup(QPointer<QQuickItem>& popup, const char* url, void (PlayerView::*sync)(bool deviceChanged));
    void syncMusicLibrary(bool deviceChanged);
    void syncPlaylists(bool deviceChanged);
    QPointer<QQuickItem> m_libraryPopup;
    QPointer<QQuickItem> m_playlistsPopup;
};
