#include "i18n/i18n.h"
#include "support/files.h"

#include <QRegularExpression>
#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

class TestI18n : public QObject
{
    Q_OBJECT

private slots:
    void chooseLang_data()
    {
        QTest::addColumn<QStringList>("preferred");
        QTest::addColumn<Lang>("expected");

        QTest::newRow("swiss german before english") << QStringList{u"de-CH"_s, u"en-US"_s} << Lang::de;
        QTest::newRow("nothing we speak") << QStringList{u"zh-Hans"_s, u"ko-KR"_s} << Lang::en;
        QTest::newRow("european portuguese") << QStringList{u"pt-PT"_s} << Lang::pt;
        QTest::newRow("empty list") << QStringList{} << Lang::en;
        QTest::newRow("capital letters") << QStringList{u"FR-ca"_s} << Lang::fr;
        QTest::newRow("first match wins over later ones") << QStringList{u"ko"_s, u"it_IT"_s, u"es"_s} << Lang::it;
        QTest::newRow("one-letter and empty entries") << QStringList{u"e"_s, u""_s, u"es-419"_s} << Lang::es;
    }

    void chooseLang()
    {
        QFETCH(QStringList, preferred);
        QFETCH(Lang, expected);
        QCOMPARE(::chooseLang(preferred), expected);
    }

    // Every key must read in every language and keep the conversions of the key in number
    // and order, or LF would put an argument in the wrong place or drop it. A counted text
    // needs exactly the forms its language's plural rule chooses from.
    void translationTableIsComplete()
    {
        static const QRegularExpression conversion(u"%(ld|d|@)"_s);
        auto conversionsOf = [](const QString &text) {
            QStringList found;
            for (const auto &match : conversion.globalMatch(text))
                found << match.captured();
            return found;
        };

        // A line the loader cannot read is left out of the table: every line must make a row.
        const qsizetype lines = QString::fromUtf8(readFile(u":/i18n/translations.tsv"_s)).split(u'\n', Qt::SkipEmptyParts).size();
        const QList<TranslationRow> rows = translationRows();
        QCOMPARE(rows.size(), lines - 1);
        for (const TranslationRow &row : rows) {
            QVERIFY2(!row.key.isEmpty(), "empty key");
            const bool counted = row.key.contains(kPluralSeparator);
            const QStringList keyForms = row.key.split(kPluralSeparator);
            QCOMPARE(keyForms.size(), counted ? pluralFormCount(Lang::pt) : 1);
            const QStringList expected = conversionsOf(keyForms.first());
            for (size_t column = 0; column < row.translations.size(); ++column) {
                const QString &translated = row.translations[column];
                const QStringList forms = translated.split(kPluralSeparator);
                QVERIFY2(forms.size() == (counted ? pluralFormCount(Lang(column)) : 1), qPrintable(translated));
                for (const QString &form : forms + keyForms) {
                    QVERIFY2(!form.isEmpty(), qPrintable(row.key));
                    QVERIFY2(form.trimmed() == form, qPrintable(translated));
                    QCOMPARE(conversionsOf(form), expected);
                    QCOMPARE(form.count(u'\n'), row.key.count(u'\n'));
                }
            }
        }
    }

    void translate_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<Lang>("lang");
        QTest::addColumn<QString>("expected");

        QTest::newRow("portuguese is the key itself") << u"Histórico"_s << Lang::pt << u"Histórico"_s;
        QTest::newRow("line break in a key")
            << u"Cole um link acima, arraste um link para a janela\nou copie um link e volte para o Vireloom."_s << Lang::en
            << u"Paste a link above, drag a link onto the window\nor copy a link and come back to Vireloom."_s;
        QTest::newRow("not in the table") << u"yt-dlp"_s << Lang::fr << u"yt-dlp"_s;
        QTest::newRow("keys are exact: case") << u"histórico"_s << Lang::en << u"histórico"_s;
    }

    void translate()
    {
        QFETCH(QString, key);
        QFETCH(Lang, lang);
        QFETCH(QString, expected);
        QCOMPARE(::translate(key, lang), expected);
    }

    void formatNumbersUseLocaleWithoutGrouping()
    {
        QCOMPARE(LPIn(Lang::fr, 1234, u"%ld download|%ld downloads"_s), u"1234 téléchargements"_s);
        QCOMPARE(LFIn(Lang::en, u"HTTP %ld ao baixar %@"_s, qint64(404), u"ffmpeg.zip"_s), u"HTTP 404 while downloading ffmpeg.zip"_s);
        QCOMPARE(LFIn(Lang::en, u"yt-dlp saiu com código %d"_s, -9), u"yt-dlp exited with code -9"_s);

        const FormatArg big(qint64(1234567));
        QCOMPARE(formatPattern(u"%ld"_s, {&big, 1}, QLocale(QLocale::German)), u"1234567"_s);
        const FormatArg arabic(qint64(12));
        QCOMPARE(formatPattern(u"%ld"_s, {&arabic, 1}, QLocale(QLocale::Arabic, QLocale::Egypt)), u"١٢"_s);
    }

    void malformedFormatsKeepTheirText_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");

        QTest::newRow("missing argument") << u"%@ and %@"_s << u"x and %@"_s;
        QTest::newRow("unknown conversion") << u"100%x %@"_s << u"100%x x"_s;
        QTest::newRow("escaped percent") << u"%% %@"_s << u"% x"_s;
        QTest::newRow("trailing percent") << u"%@ 50%"_s << u"x 50%"_s;
        QTest::newRow("lone l") << u"%l %@"_s << u"%l x"_s;
        QTest::newRow("extra arguments are ignored") << u"plain"_s << u"plain"_s;
    }

    void malformedFormatsKeepTheirText()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        const FormatArg arg(u"x"_s);
        QCOMPARE(formatPattern(pattern, {&arg, 1}, QLocale::c()), expected);
    }

    void pluralForms_data()
    {
        QTest::addColumn<Lang>("lang");
        QTest::addColumn<QList<int>>("forms");

        // The forms taken by 0, 1, 2, 5, 11, 21, 22, 25 and 101.
        QTest::newRow("japanese has one form") << Lang::ja << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("russian") << Lang::ru << QList<int>{2, 0, 1, 2, 2, 0, 1, 2, 0};
        QTest::newRow("polish: only 1 itself is singular") << Lang::pl << QList<int>{2, 0, 1, 2, 2, 2, 1, 2, 2};
        QTest::newRow("english") << Lang::en << QList<int>{1, 0, 1, 1, 1, 1, 1, 1, 1};
        QTest::newRow("dutch") << Lang::nl << QList<int>{1, 0, 1, 1, 1, 1, 1, 1, 1};
        QTest::newRow("french: zero is singular") << Lang::fr << QList<int>{0, 0, 1, 1, 1, 1, 1, 1, 1};
        QTest::newRow("portuguese: zero is singular") << Lang::pt << QList<int>{0, 0, 1, 1, 1, 1, 1, 1, 1};
    }

    void pluralForms()
    {
        QFETCH(Lang, lang);
        QFETCH(QList<int>, forms);
        const QList<qint64> counts{0, 1, 2, 5, 11, 21, 22, 25, 101};
        for (qsizetype i = 0; i < counts.size(); ++i) {
            QVERIFY2(pluralForm(lang, counts[i]) == forms[i], qPrintable(QString::number(counts[i])));
            QVERIFY(pluralForm(lang, -counts[i]) == forms[i]);
            QVERIFY(forms[i] < pluralFormCount(lang));
        }
        QVERIFY(pluralForm(lang, std::numeric_limits<qint64>::min()) < pluralFormCount(lang));
    }

    void countedTexts_data()
    {
        QTest::addColumn<Lang>("lang");
        QTest::addColumn<qint64>("count");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected");

        const QString downloads = u"%ld download|%ld downloads"_s;
        QTest::newRow("russian few") << Lang::ru << qint64(22) << downloads << u"22 загрузки"_s;
        QTest::newRow("untranslated text follows the portuguese rule")
            << Lang::ru << qint64(21) << u"%ld coisa|%ld coisas"_s << u"21 coisas"_s;
        QTest::newRow("a text without forms") << Lang::ru << qint64(5) << u"Playlist · %ld"_s << u"Плейлист · 5"_s;
    }

    void countedTexts()
    {
        QFETCH(Lang, lang);
        QFETCH(qint64, count);
        QFETCH(QString, format);
        QFETCH(QString, expected);
        QCOMPARE(LPIn(lang, count, format), expected);
    }
};

QTEST_APPLESS_MAIN(TestI18n)
#include "tst_i18n.moc"
