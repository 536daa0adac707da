#pragma once

#include <QObject>
#include <QString>

// Turns the keys of browse filters, item menus and settings into translated
// labels. The key table is built once for the whole program.
class DynamicTranslator : public QObject
{
    Q_OBJECT
public:
    explicit DynamicTranslator(QObject* parent = nullptr);

    Q_INVOKABLE QString translate(const QString& origin) const;

    // The same lookup without an instance, for C++ callers.
    static QString label(const QString& origin);
    // Fills the key table; safe to call more than once.
    static void initTable();
    // The untranslated label of a key, or a null string when the table lacks it.
    static QString sourceLabel(const QString& origin);
};
