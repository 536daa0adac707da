#include "app/graphicsprobe.h"

#include "app/logcategories.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QQuickWindow>
#include <QSGRendererInterface>

namespace GraphicsProbe {

Renderer choose(const QString& requestedBackend, const std::function<bool()>& openGLWorks)
{
    // The software renderer needs nothing from the graphics stack. Every other
    // backend falls back to OpenGL when it is unknown or unavailable.
    const QString backend = requestedBackend.trimmed().toLower();
    if (backend == QLatin1String("software") || backend == QLatin1String("softwarecontext"))
        return Renderer::AsConfigured;
    return openGLWorks() ? Renderer::AsConfigured : Renderer::Software;
}

bool openGLWorks()
{
    QOpenGLContext context;
    if (!context.create())
        return false;
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!surface.isValid() || !context.makeCurrent(&surface))
        return false;
    context.doneCurrent();
    return true;
}

void selectRenderer()
{
    QString requested = qEnvironmentVariable("QT_QUICK_BACKEND");
    if (requested.isEmpty())
        requested = qEnvironmentVariable("QMLSCENE_DEVICE");
    if (choose(requested, &openGLWorks) == Renderer::AsConfigured)
        return;
    qCInfo(lcApp) << "no OpenGL context can be made here: drawing with the software renderer";
    QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
}
}
