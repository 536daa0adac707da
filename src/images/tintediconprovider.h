#pragma once
#include <QQuickImageProvider>

// The application's one-colour icons drawn in a theme colour, so that they
// stand out on light themes as on dark ones. The id is the colour without
// its "#" and the icon's resource path: "1a1a1a/TavirelImgs/Images/mute.svg".
class TintedIconProvider : public QQuickImageProvider
{
public:
    TintedIconProvider();

    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;

    // The icon painted in `colour` at `size` (the icon's own size when
    // empty); a null image when the id names no icon.
    static QImage tinted(const QString &id, const QSize &size);
};
