#pragma once

#include <QObject>
#include <QString>

// The colour theme: one dynamic QColor property per colour name. The themes
// the user chooses from are resources (":/Themes/theme<N>.json"); a file
// beside the application may stand in for theme 0.
class TavirelTheme : public QObject
{
    Q_OBJECT
public:
    static constexpr int ThemeCount = 4;
    // User setting holding the chosen theme's number.
    static constexpr const char* SettingsKey = "currentTheme";

    explicit TavirelTheme(QObject* parent = nullptr);

    static QString resourcePath(int theme);
    // The chosen theme's number from the user settings (0 when unset).
    static int storedTheme();

    // Reads a theme file; a missing or malformed file leaves the theme as it
    // is. Returns whether the colours were replaced.
    bool loadFromFile(const QString& path);
    Q_INVOKABLE QString getColor(const QString& propName) const;

    // A file that replaces theme 0 when it exists.
    void setTheme0File(const QString& path) { m_theme0File = path; }
    // Loads theme number theme and tells the documents to read their colours
    // again; an unknown number or unreadable file changes nothing.
    bool applyTheme(int theme);
    int currentTheme() const { return m_current; }

Q_SIGNALS:
    // The colours changed; whoever published the theme publishes it again.
    void themeChanged();

private:
    bool readColours(const QString& path, bool keepOthers);

    QString m_theme0File;
    int m_current = -1;
};
