#pragma once
#include <QJsonArray>
#include <QMap>
#include <QObject>
#include <QString>

// One entry of a browse, search, queue or playlist result. Besides its
// properties it keeps an image table (width in pixels -> image URL) from
// which the three cover sizes are chosen on every read.
class PlayerItem : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString uri READ uri WRITE setUri NOTIFY uriChanged)
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    Q_PROPERTY(QString type READ type WRITE setType NOTIFY typeChanged)
    Q_PROPERTY(QString smallImgPath READ smallImgPath NOTIFY smallImgPathChanged)
    Q_PROPERTY(QString mediumImgPath READ mediumImgPath NOTIFY mediumImgPathChanged)
    Q_PROPERTY(QString largeImgPath READ largeImgPath NOTIFY largeImgPathChanged)

public:
    // Ordered by width, so "first" and "last" in the fall-backs are the
    // narrowest and the widest image.
    using ImageTable = QMap<int, QString>;

    explicit PlayerItem(QObject *parent = nullptr);

    QString uri() const { return m_uri; }
    QString name() const { return m_name; }
    QString type() const { return m_type; }
    void setUri(const QString &uri);
    void setName(const QString &name);
    void setType(const QString &type);

    QString smallImgPath() const;
    QString mediumImgPath() const;
    QString largeImgPath() const;

    const ImageTable &images() const { return m_images; }
    bool hasImages() const { return !m_images.isEmpty(); }
    // Replaces an entry of the same width.
    void setImage(int width, const QString &url);
    void clearImages();
    // Adds every entry of `table`, replacing entries of the same widths.
    void mergeImages(const ImageTable &table);
    // Adds the images of a Mopidy Image list ({"uri", "width"} objects).
    void addImages(const QJsonArray &mopidyImages);

signals:
    void uriChanged();
    void nameChanged();
    void typeChanged();
    // Declared for QML only: owners announce new images with their own signals.
    void smallImgPathChanged();
    void mediumImgPathChanged();
    void largeImgPathChanged();

private:
    QString m_uri;
    QString m_name;
    QString m_type;
    ImageTable m_images;
};
