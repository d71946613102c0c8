#pragma once

#include <QDir>
#include <QFile>

// Lays out a home of the application's own under `root` for a test that starts the built program:
// config, data, a private runtime folder and the download folder "out", with settings that
// download there without a sound.
inline bool prepareAppHome(const QDir &root)
{
    for (const QString &folder : {QStringLiteral("config/Vireloom"), QStringLiteral("data"), QStringLiteral("runtime"), QStringLiteral("out")}) {
        if (!root.mkpath(folder))
            return false;
    }
    QFile::setPermissions(root.filePath(QStringLiteral("runtime")), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QFile settings(root.filePath(QStringLiteral("config/Vireloom/Vireloom.conf")));
    return settings.open(QIODevice::WriteOnly)
        && settings.write("[General]\nfolder=" + root.filePath(QStringLiteral("out")).toUtf8() + "\nsoundOnDone=false\n") > 0;
}
