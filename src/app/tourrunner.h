#pragma once

#include <QObject>
#include <QStringList>

class QQuickView;

// Walks the window through a scripted tour for screenshots. The tour file has
// one step a line:
//   wait MS          let the interface settle
//   size W H         resize the window
//   js EXPRESSION    evaluate in the root document's context; `tour.find(name)`
//                    returns the item with that objectName
//   click X Y        press and release the left button there, as a mouse does
//   shot NAME        save the window to <directory>/NAME.png
//   quit             end the application
// Empty lines and lines starting with "#" are skipped.
class TourRunner : public QObject
{
    Q_OBJECT
public:
    TourRunner(QQuickView* view, const QStringList& steps, const QString& directory);

    // Starts a tour when TAVIREL_TOUR names a file (pictures go to
    // TAVIREL_TOUR_DIR, default the working directory).
    static void startFromEnvironment(QQuickView* view);

    Q_INVOKABLE QObject* find(const QString& objectName) const;
    void start();

private:
    void next();

    QQuickView* m_view;
    QStringList m_steps;
    QString m_directory;
    int m_position = 0;
};
