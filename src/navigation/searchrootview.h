#pragma once
#include "navigation/browselistview.h"

#include <QJsonValue>

// The library's search page. Each answer holds one result set per searched
// service; every set adds its own artist, album and track sections, so a key
// may have several sections. The page shows the first five entries of each,
// newest result set first, and "Show more..." opens a whole section.
class SearchRootView : public BrowseListView
{
    Q_OBJECT
    Q_PROPERTY(int sectionPreview READ sectionPreview CONSTANT)

public:
    // Rows a section shows before "Show more...".
    static constexpr int SectionPreview = 5;

    explicit SearchRootView(QQuickItem *parent = nullptr);

    int sectionPreview() const { return SectionPreview; }
    // Entries of the newest section of `key`, which "Show more..." opens.
    Q_INVOKABLE int sectionCount(const QString &key) const;

    // Fills the page from a search answer; false, leaving it as it was, when
    // the answer is not a list of result sets.
    bool applySearchResult(const QJsonValue &v);

    Q_INVOKABLE void showSectionDetails(const QString &section);
    // Empties the page; an answer still on its way no longer fills it.
    Q_INVOKABLE void clearResults();
    void requireLookup(int startIndex, int endIndex) override;

signals:
    void search(SearchRootView *view, QString text, QString filter);
    void resultsCleared();

protected:
    void buildSortedItems(QList<PlayerItem *> *items) override;

private:
    // The displayed rows by section: key, section, and how many rows it shows.
    struct Shown
    {
        QString key;
        SectionItems *section;
        int rows;
    };
    QList<Shown> shownSections() const;
};
