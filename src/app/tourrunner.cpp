#include "app/tourrunner.h"

#include "app/logcategories.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlExpression>
#include <QQuickItem>
#include <QQuickView>
#include <QTimer>

TourRunner::TourRunner(QQuickView* view, const QStringList& steps, const QString& directory)
    : QObject(view)
    , m_view(view)
    , m_steps(steps)
    , m_directory(directory)
{
    view->rootContext()->setContextProperty(QStringLiteral("tour"), this);
}

void TourRunner::startFromEnvironment(QQuickView* view)
{
    const QString path = qEnvironmentVariable("TAVIREL_TOUR");
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qCWarning(lcApp) << "tour file not readable:" << path;
        return;
    }
    const QStringList steps = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    QString dir = qEnvironmentVariable("TAVIREL_TOUR_DIR");
    if (dir.isEmpty())
        dir = QDir::currentPath();
    QDir().mkpath(dir);
    (new TourRunner(view, steps, dir))->start();
}

QObject* TourRunner::find(const QString& objectName) const
{
    QObject* root = m_view->rootObject();
    if (!root)
        return nullptr;
    if (root->objectName() == objectName)
        return root;
    if (QObject* found = root->findChild<QObject*>(objectName))
        return found;
    // Popups and pushed pages are often children of items, not of objects.
    const auto items = m_view->contentItem()->findChildren<QQuickItem*>();
    for (QQuickItem* item : items) {
        if (item->objectName() == objectName)
            return item;
    }
    return nullptr;
}

void TourRunner::start()
{
    QTimer::singleShot(0, this, &TourRunner::next);
}

void TourRunner::next()
{
    while (m_position < m_steps.size()) {
        const QString line = m_steps.at(m_position++).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QString verb = line.section(QLatin1Char(' '), 0, 0);
        const QString rest = line.section(QLatin1Char(' '), 1).trimmed();
        if (verb == QLatin1String("wait")) {
            QTimer::singleShot(rest.toInt(), this, &TourRunner::next);
            return;
        }
        if (verb == QLatin1String("size")) {
            const QStringList wh = rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (wh.size() == 2)
                m_view->resize(wh.at(0).toInt(), wh.at(1).toInt());
        } else if (verb == QLatin1String("js")) {
            // The root document's own context, so that its ids are in scope.
            QQmlContext* context = m_view->rootObject() ? qmlContext(m_view->rootObject()) : nullptr;
            QQmlExpression expression(context ? context : m_view->rootContext(), m_view->rootObject(), rest);
            expression.evaluate();
            if (expression.hasError())
                qCWarning(lcApp) << "tour step failed:" << rest << expression.error().toString();
        } else if (verb == QLatin1String("click")) {
            const QStringList xy = rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (xy.size() == 2) {
                const QPointF at(xy.at(0).toDouble(), xy.at(1).toDouble());
                QMouseEvent press(QEvent::MouseButtonPress, at, at, m_view->mapToGlobal(at.toPoint()),
                                  Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                QMouseEvent release(QEvent::MouseButtonRelease, at, at, m_view->mapToGlobal(at.toPoint()),
                                    Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
                QCoreApplication::sendEvent(m_view, &press);
                QCoreApplication::sendEvent(m_view, &release);
            }
        } else if (verb == QLatin1String("shot")) {
            const QString file = QDir(m_directory).filePath(rest + QStringLiteral(".png"));
            if (!m_view->grabWindow().save(file))
                qCWarning(lcApp) << "could not save" << file;
            else
                qCInfo(lcApp) << "saved" << file;
        } else if (verb == QLatin1String("quit")) {
            QCoreApplication::quit();
            return;
        } else {
            qCWarning(lcApp) << "unknown tour step:" << line;
        }
    }
    QCoreApplication::quit();
}
