#include "i18n/i18n.h"
#include "model/quality.h"

#include <QTest>

// Run several times by CTest with different LANGUAGE values: the interface language
// must come from the system's preferred languages.
using namespace Qt::StringLiterals;

class TestAppLang : public QObject
{
    Q_OBJECT

private slots:
    void followsPreferredLanguages()
    {
        const QString expected = qEnvironmentVariable("EXPECTED_LANG");
        QCOMPARE(langCode(appLang()), expected);

        const QHash<QString, QString> history{{u"en"_s, u"History"_s}, {u"de"_s, u"Verlauf"_s}, {u"pt"_s, u"Histórico"_s},
                                              {u"ru"_s, u"История"_s}, {u"ja"_s, u"履歴"_s},        {u"zh_TW"_s, u"歷史紀錄"_s},
                                              {u"zh_CN"_s, u"历史记录"_s}, {u"ar"_s, u"السجل"_s}};
        QVERIFY(history.contains(expected));
        QCOMPARE(L("Histórico"), history.value(expected));
        QCOMPARE(L(u"Histórico"_s), history.value(expected));

        // The short label of the best preset stays as stored, whatever the language.
        QCOMPARE(Quality(Quality::best).shortLabel(), u"Melhor"_s);
        QCOMPARE(Quality(Quality::best).label(), L("Melhor qualidade"));
    }
};

QTEST_GUILESS_MAIN(TestAppLang)
#include "tst_applang.moc"
