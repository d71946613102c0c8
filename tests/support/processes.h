#pragma once

#include <QFile>
#include <QString>

// A process that has ended but was not reaped yet (its parent gone, and no init in a
// container to reap it) counts as ended.
inline bool processAlive(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    return line.mid(line.lastIndexOf(')') + 2, 1) != "Z";
}
