#pragma once

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
