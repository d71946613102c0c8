#include "tsfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

QStringList tsFilePaths()
{
    const QDir dir(QStringLiteral(VIRELOOM_SOURCE_DIR "/src/i18n/translations"));
    QStringList paths;
    for (const QString &name : dir.entryList({u"vireloom_*.ts"_s}, QDir::Files, QDir::Name))
        paths << dir.filePath(name);
    return paths;
}

TsFile readTsFile(const QString &path)
{
    TsFile ts;
    ts.code = QFileInfo(path).completeBaseName().sliced(qsizetype(sizeof("vireloom_") - 1));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ts.error = file.errorString();
        return ts;
    }
    QXmlStreamReader xml(&file);
    TsMessage message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"TS") {
            ts.language = xml.attributes().value(u"language"_s).toString();
        } else if (xml.name() == u"message") {
            message = TsMessage{};
            message.numerus = xml.attributes().value(u"numerus"_s) == u"yes";
        } else if (xml.name() == u"source") {
            message.key = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const QStringView type = xml.attributes().value(u"type"_s);
            message.kind = type.isEmpty() ? u"finished"_s : type.toString();
            if (message.numerus) {
                while (xml.readNextStartElement()) {
                    if (xml.name() == u"numerusform")
                        message.translations << xml.readElementText();
                    else
                        xml.skipCurrentElement();
                }
            } else {
                message.translations << xml.readElementText();
            }
            ts.messages << message;
        }
    }
    if (xml.hasError())
        ts.error = xml.errorString() + u" at line "_s + QString::number(xml.lineNumber());
    return ts;
}
