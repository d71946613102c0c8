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
        const QByteArray expected = qgetenv("EXPECTED_LANG");
        const QHash<QByteArray, Lang> byCode{{"en", Lang::en}, {"de", Lang::de}, {"pt", Lang::pt}, {"ru", Lang::ru}, {"ja", Lang::ja}};
        QVERIFY(byCode.contains(expected));
        QCOMPARE(appLang(), byCode.value(expected));

        const QHash<Lang, QString> history{{Lang::en, u"History"_s},
                                           {Lang::de, u"Verlauf"_s},
                                           {Lang::pt, u"Histórico"_s},
                                           {Lang::ru, u"История"_s},
                                           {Lang::ja, u"履歴"_s}};
        QCOMPARE(L(u"Histórico"_s), history.value(appLang()));

        // The short label of the best preset stays as stored, whatever the language.
        QCOMPARE(Quality(Quality::best).shortLabel(), u"Melhor"_s);
        QCOMPARE(Quality(Quality::best).label(), L(u"Melhor qualidade"_s));
    }
};

QTEST_GUILESS_MAIN(TestAppLang)
#include "tst_applang.moc"
