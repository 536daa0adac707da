#include "player/playeritem.h"
#include "player/itemparsing.h"

PlayerItem::PlayerItem(QObject *parent)
    : QObject(parent)
{
}

void PlayerItem::setUri(const QString &uri)
{
    m_uri = uri;
    emit uriChanged();
}

void PlayerItem::setName(const QString &name)
{
    m_name = name;
    emit nameChanged();
}

void PlayerItem::setType(const QString &type)
{
    m_type = type;
    emit typeChanged();
}

QString PlayerItem::smallImgPath() const
{
    return ItemParsing::smallImage(m_images);
}

QString PlayerItem::mediumImgPath() const
{
    return ItemParsing::mediumImage(m_images);
}

QString PlayerItem::largeImgPath() const
{
    return ItemParsing::largeImage(m_images);
}

void PlayerItem::setImage(int width, const QString &url)
{
    m_images.insert(width, url);
}

void PlayerItem::clearImages()
{
    m_images.clear();
}

void PlayerItem::mergeImages(const ImageTable &table)
{
    for (auto it = table.cbegin(); it != table.cend(); ++it)
        m_images.insert(it.key(), it.value());
}

void PlayerItem::addImages(const QJsonArray &mopidyImages)
{
    mergeImages(ItemParsing::imageTable(mopidyImages));
}
