#pragma once

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QUrl>
#include <QUrlQuery>

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

// The environment of the built program living in that home, with no session bus to reach.
inline QProcessEnvironment appEnvironment(const QDir &root)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), root.path());
    for (const auto &[name, folder] : {std::pair{"XDG_CONFIG_HOME", "config"}, {"XDG_DATA_HOME", "data"}, {"XDG_RUNTIME_DIR", "runtime"}})
        env.insert(QString::fromLatin1(name), root.filePath(QString::fromLatin1(folder)));
    env.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=/nonexistent/bus"));
    return env;
}

// A vireloom: address asking for `link` in `quality`, as the bookmarklet writes it.
inline QString schemeAddress(const QUrl &link, const QString &quality)
{
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("url"), QString::fromUtf8(QUrl::toPercentEncoding(link.toString())));
    query.addQueryItem(QStringLiteral("quality"), quality);
    return QStringLiteral("vireloom://download?") + query.toString(QUrl::FullyEncoded);
}
