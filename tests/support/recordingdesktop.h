#pragma once

#include "engine/desktop.h"

#include <QStringList>

// Records what the engine asked of the desktop, one "what path" entry per call.
class RecordingDesktop : public Desktop
{
public:
    void playCompletionSound() override { calls << QStringLiteral("sound"); }
    void requestAttention() override { calls << QStringLiteral("attention"); }
    void notifyFinished(const QString &what) override { calls << QStringLiteral("notify ") + what; }
    void notifyFailed(const QString &title, const QString &why) override
    {
        calls << QStringLiteral("failed ") + title + QStringLiteral(": ") + why;
    }
    void notifyFollowed(const QString &what) override { calls << QStringLiteral("followed ") + what; }
    void openFile(const QString &path) override { calls << QStringLiteral("open ") + path; }
    void openFolder(const QString &path) override { calls << QStringLiteral("folder ") + path; }
    void revealFile(const QString &path) override { calls << QStringLiteral("reveal ") + path; }
    void openLink(const QUrl &link) override { calls << QStringLiteral("link ") + link.toString(); }
    void activateApplication() override { calls << QStringLiteral("activate"); }

    QStringList calls;
};
