// Names as bytes: what a name read from the system or the command line becomes
// as text, and that it goes back to the very same bytes.
#include "files/Names.h"

#include <QDir>
#include <QTest>

class TestNames : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void bytesComeBack_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("text"); // valid UTF-8, read as such
        QTest::newRow("ASCII") << QByteArray("index.html") << true;
        QTest::newRow("two, three and four bytes")
            << QByteArray("\xC3\x9C \xE2\x82\xAC \xF0\x9F\x98\x80") << true;
        QTest::newRow("Latin-1") << QByteArray("\xDC"
                                               "ber uns")
                                 << false;
        QTest::newRow("a lone continuation byte") << QByteArray("a\x80z") << false;
        QTest::newRow("an overlong slash") << QByteArray("\xC0\xAF") << false;
        QTest::newRow("an encoded surrogate") << QByteArray("\xED\xA0\x80") << false;
        QTest::newRow("beyond Unicode") << QByteArray("\xF4\x90\x80\x80") << false;
        QTest::newRow("a sequence cut at the end") << QByteArray("euro\xE2\x82") << false;
        QTest::newRow("every high byte") << QByteArray("\xFE\xFF\xF8\xC1") << false;
    }

    void bytesComeBack() {
#ifdef INSERTER_FILES_GENERIC
        QSKIP("the generic file layer goes by QFile's names");
#endif
        QFETCH(QByteArray, bytes);
        QFETCH(bool, text);
        const QString name = files::decodeName(bytes);
        QCOMPARE(files::encodeName(name), bytes);
        if (text)
            QCOMPARE(name, QString::fromUtf8(bytes));
        else
            QVERIFY(name != QString::fromUtf8(bytes));
    }

    void absoluteNames_data() {
        QTest::addColumn<QByteArray>("given");
        QTest::addColumn<QByteArray>("absolute"); // beneath the working folder when relative
        QTest::newRow("absolute, cleaned") << QByteArray("/srv//www/./site/") << QByteArray("/srv/www/site");
        QTest::newRow("up a level") << QByteArray("/srv/www/../site") << QByteArray("/srv/site");
        QTest::newRow("relative, not text") << QByteArray("site-\xFF\xFE-x") << QByteArray("site-\xFF\xFE-x");
        QTest::newRow("relative with dots") << QByteArray("./a/../b") << QByteArray("b");
    }

    void absoluteNames() {
#ifdef INSERTER_FILES_GENERIC
        QSKIP("the generic file layer goes by QFileInfo");
#endif
        QFETCH(QByteArray, given);
        QFETCH(QByteArray, absolute);
        const QByteArray expected =
            absolute.startsWith('/') ? absolute : QFile::encodeName(QDir::currentPath()) + '/' + absolute;
        QCOMPARE(files::absoluteName(files::decodeName(given)), expected);
    }
};

QTEST_GUILESS_MAIN(TestNames)
#include "tst_Names.moc"
