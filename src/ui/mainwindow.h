#pragma once

#include <QFont>
#include <QList>

class QQmlApplicationEngine;
class QQuickWindow;
class Shell;

// Loads the main window into `engine`, with the shell, its Downloader and their settings
// as the QML singletons; the window is returned hidden. Null when it could not be loaded.
// The application, the window tests and the benchmarks all start the window this way.
QQuickWindow *loadMainWindow(QQmlApplicationEngine &engine, Shell &shell);
// Starts reading the main window's QML on QML's loader thread, so that it is read while the
// application sets up what the window shows; loadMainWindow() waits for what is left.
void startReadingMainWindow(QQmlApplicationEngine &engine);
// Lets the reading go on where it waits for this thread: QML's loader thread has the modules
// it imports set up here, and waits for each. Cheap when it asks nothing.
void answerWindowReading();
// The faces the window's first frame draws with (the sidebar's type, its figure and its
// symbols), in the interface font: loadMainWindow() loads them while the window's QML is
// read, so they are not loaded one by one as the first frame's text is laid out.
QList<QFont> firstFrameFonts();
