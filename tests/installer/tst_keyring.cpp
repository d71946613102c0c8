#include "installer/releases.h"
#include "installer/verification.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Keyrings reach gpgv in binary; the release key ships armored, as its makers publish it,
// so undoing the armor must give exactly what gpg itself gives.
class TestKeyring : public QObject
{
    Q_OBJECT

private slots:
    void dearmoredAsGpgDoes_data()
    {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<bool>("valid");

        QFile shipped(Releases::ytDlpKeyring());
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        const QByteArray armored = shipped.readAll();
        QVERIFY(armored.startsWith("-----BEGIN PGP PUBLIC KEY BLOCK-----\n"));
        const qsizetype body = armored.indexOf("\n\n") + 2;
        QByteArray altered = armored;
        altered[body + 100] = altered[body + 100] == 'A' ? 'B' : 'A';

        QTest::newRow("as published") << armored << true;
        QTest::newRow("with headers and CRLF")
            << QByteArray(armored).insert(body - 1, "Comment: from the makers\nVersion: 1\n").replace("\n", "\r\n") << true;
        QTest::newRow("after other text") << "yt-dlp's key:\n\n" + armored << true;
        QTest::newRow("without its checksum") << QByteArray(armored).remove(armored.indexOf("\n=") + 1, 6) << true;
        QTest::newRow("a character changed") << altered << false;
        QTest::newRow("cut short") << armored.left(armored.indexOf("-----END")) << false;
    }

    void dearmoredAsGpgDoes()
    {
        QFETCH(QByteArray, key);
        QFETCH(bool, valid);
        // gpg keeps its state in a home of its own, gone with the test.
        QTemporaryDir home;
        QVERIFY(home.isValid());
        QProcess gpg;
        gpg.start(u"gpg"_s, {u"--homedir"_s, home.path(), u"--batch"_s, u"--dearmor"_s});
        gpg.write(key);
        gpg.closeWriteChannel();
        QVERIFY(gpg.waitForFinished(30000));
        const QByteArray packets = gpg.readAllStandardOutput();
        const QByteArray ours = dearmored(key);
        if (valid) {
            QCOMPARE(gpg.exitCode(), 0);
            QCOMPARE(ours.toHex(), packets.toHex());
            // Already binary: left as it is.
            QCOMPARE(dearmored(ours), ours);
        } else {
            QCOMPARE(ours, QByteArray());
            // A key that cannot be read proves nothing: neither good nor bad.
            QCOMPARE(checkSignature("sums", "signature", key).verdict, SignatureVerdict::uncheckable);
        }
    }
};

QTEST_GUILESS_MAIN(TestKeyring)
#include "tst_keyring.moc"
