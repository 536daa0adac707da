#pragma once

#include <QObject>
#include <QString>

// The colour theme: one dynamic QColor property per colour name.
class TavirelTheme : public QObject
{
    Q_OBJECT
public:
    explicit TavirelTheme(QObject* parent = nullptr);

    // Reads a theme file; a missing or malformed file leaves the theme as it is.
    void loadFromFile(const QString& path);
    Q_INVOKABLE QString getColor(const QString& propName) const;
};
