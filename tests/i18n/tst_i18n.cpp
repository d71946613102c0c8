#include "i18n/i18n.h"

#include <QSet>
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
        QTest::newRow("nothing we speak") << QStringList{u"fi-FI"_s, u"th"_s} << Lang::en;
        QTest::newRow("european portuguese") << QStringList{u"pt-PT"_s} << Lang::pt;
        QTest::newRow("empty list") << QStringList{} << Lang::en;
        QTest::newRow("capital letters") << QStringList{u"FR-ca"_s} << Lang::fr;
        QTest::newRow("first match wins over later ones") << QStringList{u"fi"_s, u"it_IT"_s, u"es"_s} << Lang::it;
        QTest::newRow("one-letter and empty entries") << QStringList{u"e"_s, u""_s, u"-"_s, u"es-419"_s} << Lang::es;
        QTest::newRow("a longer code is another language") << QStringList{u"fil-PH"_s, u"ast"_s, u"hu"_s} << Lang::hu;
        QTest::newRow("simplified chinese") << QStringList{u"zh-Hans-CN"_s} << Lang::zh_CN;
        QTest::newRow("chinese of singapore") << QStringList{u"zh-SG"_s} << Lang::zh_CN;
        QTest::newRow("chinese without a region") << QStringList{u"zh"_s} << Lang::zh_CN;
        QTest::newRow("traditional chinese by script") << QStringList{u"zh-Hant"_s} << Lang::zh_TW;
        QTest::newRow("taiwan") << QStringList{u"zh-TW"_s} << Lang::zh_TW;
        QTest::newRow("hong kong, as LANGUAGE writes it") << QStringList{u"zh_HK"_s} << Lang::zh_TW;
        QTest::newRow("macau") << QStringList{u"zh-MO"_s} << Lang::zh_TW;
        QTest::newRow("the script decides over the region") << QStringList{u"zh-Hans-HK"_s} << Lang::zh_CN;
        QTest::newRow("korean") << QStringList{u"ko-KR"_s} << Lang::ko;
        QTest::newRow("arabic of egypt") << QStringList{u"ar-EG"_s} << Lang::ar;
        QTest::newRow("hebrew's old code") << QStringList{u"iw-IL"_s} << Lang::he;
        QTest::newRow("indonesian's old code") << QStringList{u"in"_s} << Lang::id;
        QTest::newRow("ukrainian before russian") << QStringList{u"uk-UA"_s, u"ru-RU"_s} << Lang::uk;
    }

    void chooseLang()
    {
        QFETCH(QStringList, preferred);
        QFETCH(Lang, expected);
        QCOMPARE(::chooseLang(preferred), expected);
    }

    // Every language has its code, and codes name one language each, as the files are named.
    void languagesHaveCodes()
    {
        QSet<QString> codes;
        for (const Lang lang : kLanguages) {
            const QString code = langCode(lang);
            QVERIFY2(!codes.contains(code), qPrintable(code));
            codes.insert(code);
            QCOMPARE(::chooseLang({langTag(lang)}), lang);
            QCOMPARE(QLocale(langTag(lang)).textDirection() == Qt::RightToLeft, isRightToLeft(lang));
        }
        QCOMPARE(codes.size(), qsizetype(kLanguageCount));
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
        QTest::newRow("traditional chinese") << u"Histórico"_s << Lang::zh_TW << u"歷史紀錄"_s;
        QTest::newRow("arabic") << u"Histórico"_s << Lang::ar << u"السجل"_s;
    }

    void translate()
    {
        QFETCH(QString, key);
        QFETCH(Lang, lang);
        QFETCH(QString, expected);
        QCOMPARE(::translate(key, lang), expected);
        QCOMPARE(::translate(key.toUtf8().constData(), lang), expected);
    }

    void formatNumbersUseLocaleWithoutGrouping()
    {
        QCOMPARE(LPIn(Lang::fr, u"%ld download|%ld downloads"_s, 1234), u"1234 téléchargements"_s);
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

    void countedTexts_data()
    {
        QTest::addColumn<Lang>("lang");
        QTest::addColumn<qint64>("count");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected");

        const QString downloads = u"%ld download|%ld downloads"_s;
        QTest::newRow("russian one") << Lang::ru << qint64(21) << downloads << u"21 загрузка"_s;
        QTest::newRow("russian few") << Lang::ru << qint64(22) << downloads << u"22 загрузки"_s;
        QTest::newRow("russian many") << Lang::ru << qint64(11) << downloads << u"11 загрузок"_s;
        QTest::newRow("negative counts take the form of their size") << Lang::ru << qint64(-22) << downloads << u"-22 загрузки"_s;
        QTest::newRow("polish: 22 is few") << Lang::pl << qint64(22) << downloads << u"22 pobierania"_s;
        QTest::newRow("polish: 21 is many") << Lang::pl << qint64(21) << downloads << u"21 pobrań"_s;
        QTest::newRow("arabic two") << Lang::ar << qint64(2) << downloads << u"2 تنزيلان"_s;
        QTest::newRow("arabic few") << Lang::ar << qint64(103) << downloads << u"103 تنزيلات"_s;
        QTest::newRow("arabic many") << Lang::ar << qint64(11) << downloads << u"11 تنزيلًا"_s;
        QTest::newRow("korean has one form") << Lang::ko << qint64(1) << downloads << u"다운로드 1개"_s;
        QTest::newRow("french: zero is singular") << Lang::fr << qint64(0) << downloads << u"0 téléchargement"_s;
        QTest::newRow("english: zero is plural") << Lang::en << qint64(0) << downloads << u"0 downloads"_s;
        QTest::newRow("portuguese: zero is singular") << Lang::pt << qint64(0) << u"%ld item|%ld itens"_s << u"0 item"_s;
        QTest::newRow("portuguese plural") << Lang::pt << qint64(2) << u"%ld item|%ld itens"_s << u"2 itens"_s;
        QTest::newRow("beyond what qt counts") << Lang::ru << std::numeric_limits<qint64>::max() << downloads
                                               << u"9223372036854775807 загрузок"_s;
        QTest::newRow("the smallest count") << Lang::ru << std::numeric_limits<qint64>::min() << downloads
                                            << u"-9223372036854775808 загрузок"_s;
        QTest::newRow("untranslated text: the general form")
            << Lang::ru << qint64(1) << u"%ld coisa|%ld coisas"_s << u"1 coisas"_s;
        QTest::newRow("a text without forms") << Lang::ru << qint64(5) << u"Playlist · %ld"_s << u"Плейлист · 5"_s;
    }

    void countedTexts()
    {
        QFETCH(Lang, lang);
        QFETCH(qint64, count);
        QFETCH(QString, format);
        QFETCH(QString, expected);
        QCOMPARE(LPIn(lang, format, count), expected);
    }

    // In Arabic and Hebrew a text argument is isolated, so that a Latin title keeps its
    // direction and does not turn the sentence round; numbers and the other languages' texts
    // are left as they are.
    void textArgumentsAreIsolatedRightToLeft_data()
    {
        QTest::addColumn<Lang>("lang");
        QTest::addColumn<bool>("isolated");

        QTest::newRow("hebrew") << Lang::he << true;
        QTest::newRow("arabic") << Lang::ar << true;
        QTest::newRow("english") << Lang::en << false;
        QTest::newRow("japanese") << Lang::ja << false;
    }

    void textArgumentsAreIsolatedRightToLeft()
    {
        QFETCH(Lang, lang);
        QFETCH(bool, isolated);
        const QString title = u"Big Buck Bunny (2008)"_s;
        const QString shown = isolated ? kFirstStrongIsolate + title + kPopDirectionalIsolate : title;
        QCOMPARE(LFIn(lang, u"Concluído · %@"_s, title), ::translate(u"Concluído · %@"_s, lang).replace(u"%@"_s, shown));
        QCOMPARE(LFIn(lang, u"yt-dlp saiu com código %d"_s, 2), ::translate(u"yt-dlp saiu com código %d"_s, lang).replace(u"%d"_s, u"2"_s));
        QCOMPARE(LPIn(lang, u"%ld novo de %@|%ld novos de %@"_s, 1, qint64(1), title).count(kFirstStrongIsolate), isolated ? 1 : 0);
        // A sentence that starts with the title still reads in the language's direction.
        const QString sentence = LFIn(lang, u"%@ não está mais na pasta. Use “Baixar de novo” para buscá-lo outra vez."_s, title);
        QCOMPARE(sentence.isRightToLeft(), isRightToLeft(lang));
        // So does one whose translation opens with a Latin name.
        QCOMPARE(LFIn(lang, u"yt-dlp saiu com código %d"_s, 2).isRightToLeft(), isRightToLeft(lang));
        QCOMPARE(LFIn(lang, u"Este yt-dlp tem mais de %d dias; não foi possível verificar se há uma versão mais nova."_s, 40)
                     .isRightToLeft(),
                 isRightToLeft(lang));
    }
};

QTEST_APPLESS_MAIN(TestI18n)
#include "tst_i18n.moc"
