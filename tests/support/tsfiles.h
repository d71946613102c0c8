#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One message of a Qt Linguist file, as the translators' tools read it.
struct TsMessage
{
    QString key; // the Portuguese text
    QStringList translations; // one per plural form of a counted text, else one
    bool numerus = false;
    QString kind; // "finished", "unfinished", "vanished" or "obsolete"

    bool inUse() const { return kind != u"vanished" && kind != u"obsolete"; }
};

struct TsFile
{
    QString code; // from the file's name: vireloom_<code>.ts
    QString language; // the file's language attribute
    QList<TsMessage> messages;
    QString error; // empty when the file read well
};

// The translation files of the source tree, sorted by name.
QStringList tsFilePaths();
TsFile readTsFile(const QString &path);
