#pragma once

#include <QFile>
#include <QString>

// The whole of a file, or nothing when it cannot be read.
inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFile(const QString &path, const QByteArray &content = {})
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// The run token that the captured engine output in tests/data carries.
inline const QString kCaptureToken = QStringLiteral("5f3c9a0e7b214d6c8e1f2a3b4c5d6e7f");
