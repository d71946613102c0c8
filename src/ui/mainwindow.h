#pragma once

class QQmlApplicationEngine;
class QQuickWindow;
class Shell;

// Loads the main window into `engine`, with the shell, its Downloader and their settings
// as the QML singletons; the window is returned hidden. Null when it could not be loaded.
// The application, the window tests and the benchmarks all start the window this way.
QQuickWindow *loadMainWindow(QQmlApplicationEngine &engine, Shell &shell);
