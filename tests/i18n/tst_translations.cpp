#include "i18n/i18n.h"
#include "support/tsfiles.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

QStringList conversionsOf(const QString &text)
{
    static const QRegularExpression conversion(u"%(ld|d|@|\\([a-z_]+\\)s)"_s);
    QStringList found;
    for (const auto &match : conversion.globalMatch(text))
        found << match.captured();
    return found;
}

QSet<QString> inUse(const TsFile &ts)
{
    QSet<QString> keys;
    for (const TsMessage &message : ts.messages) {
        if (message.inUse())
            keys.insert(message.key);
    }
    return keys;
}

QString listed(QSet<QString> keys)
{
    QStringList sorted(keys.begin(), keys.end());
    sorted.sort();
    return sorted.join(u"\n  "_s);
}

} // namespace

// The translation files are what translators work in: each must be complete and keep what
// the code fills in, and the code and the files must know the same texts.
class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void everyLanguageHasAFile()
    {
        QSet<QString> files;
        for (const QString &path : tsFilePaths()) {
            const TsFile ts = readTsFile(path);
            QVERIFY2(ts.error.isEmpty(), qPrintable(path + u": "_s + ts.error));
            files.insert(ts.code);
        }
        QSet<QString> languages;
        for (const Lang lang : kLanguages)
            languages.insert(langCode(lang));
        QCOMPARE(files, languages);
    }

    void filesAreComplete_data()
    {
        QTest::addColumn<QString>("path");
        for (const QString &path : tsFilePaths())
            QTest::newRow(qPrintable(readTsFile(path).code)) << path;
    }

    // Every text in use is finished, keeps the conversions of its key in number and order
    // (or LF would put an argument in the wrong place or drop one) and its line breaks, and
    // has no stray spaces at its ends. Counted texts, and only they, have plural forms.
    void filesAreComplete()
    {
        QFETCH(QString, path);
        const TsFile ts = readTsFile(path);
        QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
        QVERIFY(!ts.messages.isEmpty());
        for (const TsMessage &message : ts.messages) {
            if (!message.inUse())
                continue;
            const QString &key = message.key;
            QVERIFY2(message.kind == u"finished", qPrintable(u"unfinished: "_s + key));
            const bool counted = key.contains(kPluralSeparator);
            QVERIFY2(message.numerus == counted, qPrintable(key));
            const QStringList keyForms = key.split(kPluralSeparator);
            const QStringList expected = conversionsOf(keyForms.last());
            if (ts.code == u"pt") {
                // The Portuguese file holds the forms the keys already have, for their rule.
                QCOMPARE(message.translations, keyForms);
                continue;
            }
            QVERIFY(!message.translations.isEmpty());
            for (const QString &form : message.translations + keyForms) {
                QVERIFY2(!form.isEmpty(), qPrintable(u"empty form: "_s + key));
                QVERIFY2(form.trimmed() == form, qPrintable(form));
                QVERIFY2(conversionsOf(form) == expected, qPrintable(form + u" for "_s + key));
                QVERIFY2(form.count(u'\n') == keyForms.last().count(u'\n'), qPrintable(form));
                QVERIFY2(!form.contains(kPluralSeparator), qPrintable(form));
            }
        }
    }

    // A counted text has exactly the forms Qt's rule for its language chooses from: every
    // count finds its form in the compiled file, and every form is some count's.
    void countedTextsHaveTheirLanguagesForms_data()
    {
        QTest::addColumn<Lang>("lang");
        for (const Lang lang : kLanguages)
            QTest::newRow(qPrintable(langCode(lang))) << lang;
    }

    void countedTextsHaveTheirLanguagesForms()
    {
        QFETCH(Lang, lang);
        QTranslator translator;
        QVERIFY(translator.load(u":/i18n/vireloom_"_s + langCode(lang) + u".qm"_s));
        const TsFile ts = readTsFile(QStringLiteral(VIRELOOM_SOURCE_DIR "/src/i18n/translations/vireloom_") + langCode(lang) + u".ts"_s);
        QList<int> counts;
        for (int n = 0; n <= 1100; ++n)
            counts << n;
        counts << 1'000'000 << 1'000'001 << 2'000'002 << 1'000'011;
        int checked = 0;
        for (const TsMessage &message : ts.messages) {
            if (!message.inUse() || !message.numerus)
                continue;
            const QByteArray key = message.key.toUtf8();
            QSet<QString> chosen;
            for (const int n : counts) {
                const QString form = translator.translate("Vireloom", key.constData(), nullptr, n);
                QVERIFY2(!form.isNull(), qPrintable(u"no form for %1: "_s.arg(n) + message.key));
                QVERIFY(message.translations.contains(form));
                chosen.insert(form);
            }
            QCOMPARE(chosen, QSet<QString>(message.translations.begin(), message.translations.end()));
            ++checked;
        }
        QVERIFY(checked > 0);
    }

    // lupdate, told which functions take the texts, reads the code: every text it finds is
    // in every file, and every text the files hold in use is still in the code. (A text the
    // code dropped stays in the files as vanished, with its translation, until it returns.)
    void codeAndFilesKnowTheSameTexts()
    {
        QFile aliasFile(QStringLiteral(VIRELOOM_SOURCE_DIR "/src/i18n/lupdate-aliases"));
        QVERIFY(aliasFile.open(QIODevice::ReadOnly));
        QStringList aliases;
        for (const QByteArray &line : aliasFile.readAll().split('\n')) {
            if (!line.trimmed().isEmpty() && !line.startsWith('#'))
                aliases << QString::fromUtf8(line.trimmed());
        }
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString found = dir.filePath(u"found.ts"_s);
        QProcess lupdate;
        lupdate.start(QStringLiteral(VIRELOOM_LUPDATE),
                      {u"-silent"_s, u"-extensions"_s, u"cpp,h,qml"_s, u"-locations"_s, u"none"_s, u"-tr-function-alias"_s,
                       aliases.join(u','), QStringLiteral(VIRELOOM_SOURCE_DIR "/src"), u"-ts"_s, found});
        QVERIFY(lupdate.waitForFinished(120'000));
        QCOMPARE(lupdate.exitCode(), 0);

        QFile file(found);
        QVERIFY(file.open(QIODevice::ReadOnly));
        // lupdate writes a line break inside an id as it is, which XML reads as a space.
        QString written = QString::fromUtf8(file.readAll());
        static const QRegularExpression id(u"<message id=\"[^\"]*\""_s);
        QString fixed;
        qsizetype last = 0;
        for (const auto &match : id.globalMatch(written)) {
            fixed += QStringView(written).sliced(last, match.capturedStart() - last);
            fixed += match.captured().replace(u'\n', u"&#xa;"_s);
            last = match.capturedEnd();
        }
        fixed += QStringView(written).sliced(last);
        QSet<QString> inCode;
        QXmlStreamReader xml(fixed);
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"message")
                inCode.insert(xml.attributes().value(u"id"_s).toString());
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(inCode.size() > 100);

        QSet<QString> counted;
        for (const QString &key : inCode) {
            if (key.contains(kPluralSeparator))
                counted.insert(key);
        }
        for (const QString &path : tsFilePaths()) {
            const TsFile ts = readTsFile(path);
            const QSet<QString> wanted = ts.code == u"pt" ? counted : inCode;
            const QSet<QString> held = inUse(ts);
            QVERIFY2(wanted - held == QSet<QString>(),
                     qPrintable(ts.code + u" lacks what the code says (run scripts/update-translations):\n  "_s + listed(wanted - held)));
            QVERIFY2(held - wanted == QSet<QString>(),
                     qPrintable(ts.code + u" holds what the code no longer says (run scripts/update-translations):\n  "_s
                                + listed(held - wanted)));
        }
    }
};

QTEST_APPLESS_MAIN(TestTranslations)
#include "tst_translations.moc"
