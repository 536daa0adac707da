#pragma once

#include <QString>
#include <functional>

// Qt Quick aborts when it cannot make an OpenGL context (no GL in a virtual
// machine, remote X, a broken driver, the offscreen platform). Asking first
// lets the application draw with the software renderer instead.
namespace GraphicsProbe {

enum class Renderer { AsConfigured, Software };

// requestedBackend: what QT_QUICK_BACKEND (or its older name) asks for.
// openGLWorks is only called when the answer depends on it.
Renderer choose(const QString& requestedBackend, const std::function<bool()>& openGLWorks);
// Whether an OpenGL context can be created and made current here.
bool openGLWorks();
// Switches Qt Quick to the software renderer when OpenGL cannot be had, with
// one log line; call after the application object and before the first window.
void selectRenderer();
}
