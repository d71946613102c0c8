#include "i18n/i18n.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

class TestI18n : public QObject
{
    Q_OBJECT

private slots:
    void chooseLang_data();
    void chooseLang();
    void langFromRaw();
    void translationTableIsComplete();
    void translate_data();
    void translate();
    void formatMovesArgumentsWithTheTranslation_data();
    void formatMovesArgumentsWithTheTranslation();
    void formatNumbersUseLocaleWithoutGrouping();
    void malformedFormatsKeepTheirText_data();
    void malformedFormatsKeepTheirText();
};

void TestI18n::chooseLang_data()
{
    QTest::addColumn<QStringList>("preferred");
    QTest::addColumn<Lang>("expected");

    QTest::newRow("swiss german before english") << QStringList{u"de-CH"_s, u"en-US"_s} << Lang::de;
    QTest::newRow("nothing we speak") << QStringList{u"zh-Hans"_s, u"ja-JP"_s} << Lang::en;
    QTest::newRow("european portuguese") << QStringList{u"pt-PT"_s} << Lang::pt;
    QTest::newRow("empty list") << QStringList{} << Lang::en;
    QTest::newRow("capital letters") << QStringList{u"FR-ca"_s} << Lang::fr;
    QTest::newRow("first match wins over later ones") << QStringList{u"ko"_s, u"it_IT"_s, u"es"_s} << Lang::it;
    QTest::newRow("one-letter and empty entries") << QStringList{u"e"_s, u""_s, u"es-419"_s} << Lang::es;
    QTest::newRow("posix locale name") << QStringList{u"C"_s} << Lang::en;
}

void TestI18n::chooseLang()
{
    QFETCH(QStringList, preferred);
    QFETCH(Lang, expected);
    QCOMPARE(::chooseLang(preferred), expected);
}

void TestI18n::langFromRaw()
{
    QCOMPARE(::langFromRaw(0), Lang::en);
    QCOMPARE(::langFromRaw(5), Lang::pt);
    QCOMPARE(::langFromRaw(6), std::nullopt);
    QCOMPARE(::langFromRaw(-1), std::nullopt);
}

// Every key must read in all five languages and keep the conversions of the key in
// number and order, or LF would put an argument in the wrong place or drop it.
void TestI18n::translationTableIsComplete()
{
    static const QRegularExpression conversion(u"%(ld|d|@)"_s);
    auto conversionsOf = [](const QString &text) {
        QStringList found;
        for (const auto &match : conversion.globalMatch(text))
            found << match.captured();
        return found;
    };

    // A line the loader cannot read is left out of the table: every line must make a row.
    QFile file(u":/i18n/translations.tsv"_s);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const qsizetype lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts).size();
    const QList<TranslationRow> rows = translationRows();
    QCOMPARE(rows.size(), lines - 1);
    for (const TranslationRow &row : rows) {
        QVERIFY2(!row.key.isEmpty(), "empty key");
        const QStringList expected = conversionsOf(row.key);
        for (const QString &translated : row.translations) {
            QVERIFY2(!translated.isEmpty(), qPrintable(row.key));
            QVERIFY2(translated.trimmed() == translated, qPrintable(translated));
            QCOMPARE(conversionsOf(translated), expected);
            QCOMPARE(translated.count(u'\n'), row.key.count(u'\n'));
        }
    }
}

void TestI18n::translate_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<Lang>("lang");
    QTest::addColumn<QString>("expected");

    QTest::newRow("english") << u"Histórico"_s << Lang::en << u"History"_s;
    QTest::newRow("portuguese is the key itself") << u"Histórico"_s << Lang::pt << u"Histórico"_s;
    QTest::newRow("german") << u"MENU"_s << Lang::de << u"MENÜ"_s;
    QTest::newRow("spanish") << u"MENU"_s << Lang::es << u"MENÚ"_s;
    QTest::newRow("line break in a key")
        << u"Cole um link acima, arraste um link para a janela\nou copie um link e volte para o Vireloom."_s << Lang::en
        << u"Paste a link above, drag a link onto the window\nor copy a link and come back to Vireloom."_s;
    QTest::newRow("linux-only text") << u"Sair"_s << Lang::en << u"Quit"_s;
    QTest::newRow("not in the table") << u"yt-dlp"_s << Lang::fr << u"yt-dlp"_s;
    QTest::newRow("keys are exact: case") << u"histórico"_s << Lang::en << u"histórico"_s;
    QTest::newRow("keys are exact: accents") << u"Historico"_s << Lang::en << u"Historico"_s;
}

void TestI18n::translate()
{
    QFETCH(QString, key);
    QFETCH(Lang, lang);
    QFETCH(QString, expected);
    QCOMPARE(::translate(key, lang), expected);
}

void TestI18n::formatMovesArgumentsWithTheTranslation_data()
{
    QTest::addColumn<Lang>("lang");
    QTest::addColumn<QString>("expected");

    QTest::newRow("english puts it first") << Lang::en << u"3:20 left"_s;
    QTest::newRow("german puts it last") << Lang::de << u"noch 3:20"_s;
    QTest::newRow("portuguese") << Lang::pt << u"faltam 3:20"_s;
}

void TestI18n::formatMovesArgumentsWithTheTranslation()
{
    QFETCH(Lang, lang);
    QFETCH(QString, expected);
    QCOMPARE(LFIn(lang, u"faltam %@"_s, u"3:20"_s), expected);
}

void TestI18n::formatNumbersUseLocaleWithoutGrouping()
{
    QCOMPARE(LFIn(Lang::it, u"%ld arquivos"_s, 1234), u"1234 file"_s);
    QCOMPARE(LFIn(Lang::en, u"HTTP %ld ao baixar %@"_s, qint64(404), u"ffmpeg.zip"_s),
             u"HTTP 404 while downloading ffmpeg.zip"_s);
    QCOMPARE(LFIn(Lang::en, u"yt-dlp saiu com código %d"_s, -9), u"yt-dlp exited with code -9"_s);

    const FormatArg big(qint64(1234567));
    QCOMPARE(formatPattern(u"%ld"_s, {&big, 1}, QLocale(QLocale::German)), u"1234567"_s);
    const FormatArg arabic(qint64(12));
    QCOMPARE(formatPattern(u"%ld"_s, {&arabic, 1}, QLocale(QLocale::Arabic, QLocale::Egypt)), u"١٢"_s);
}

void TestI18n::malformedFormatsKeepTheirText_data()
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

void TestI18n::malformedFormatsKeepTheirText()
{
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    const FormatArg arg(u"x"_s);
    QCOMPARE(formatPattern(pattern, {&arg, 1}, QLocale::c()), expected);
}

QTEST_APPLESS_MAIN(TestI18n)
#include "tst_i18n.moc"
