// The smallest Qt Quick window, started the way the application starts: the
// yardstick of the start-up benchmark.
#include <QGuiApplication>
#include <QQuickView>
#include <QQmlEngine>
#include <QQmlComponent>
#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QQuickView view;
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    QQmlComponent component(view.engine());
    component.setData("import QtQuick 2.12\nRectangle { color: \"black\"; Text { text: \"Hello\"; color: \"white\" } }",
                      QUrl());
    view.setContent(QUrl(), &component, component.create());
    view.resize(500, 800);
    QObject::connect(&view, &QQuickWindow::frameSwapped, &app, [] {
        static bool reported = false;
        if (reported)
            return;
        reported = true;
        fputs("first-frame\n", stdout);
        fflush(stdout);
        QCoreApplication::exit(0);
    }, Qt::QueuedConnection);
    view.show();
    return app.exec();
}
