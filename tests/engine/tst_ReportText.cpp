#include "engine/ReportText.h"

#include <QTest>

class TestReportText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void escapes_data() {
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<QByteArray>("shown");
        QTest::addColumn<bool>("utf8");
        QTest::newRow("plain and accented")
            << QByteArray("caf\xC3\xA9 & co.html") << QByteArray("caf\xC3\xA9 & co.html") << true;
        QTest::newRow("line breaks and tab")
            << QByteArray("a\nb\rc\td") << QByteArray("a\\nb\\rc\\td") << true;
        QTest::newRow("escape, NUL and DEL")
            << QByteArray("\x1b[2J\x7f", 5) + QByteArray(1, '\0') << QByteArray("\\x1b[2J\\x7f\\x00") << true;
        QTest::newRow("backslash") << QByteArray("a\\b") << QByteArray("a\\\\b") << true;
        QTest::newRow("C1 control") << QByteArray("a\xC2\x85"
                                                  "b")
                                    << QByteArray("a\\u0085b") << true;
        QTest::newRow("bidi overrides and isolates") << QByteArray("\xE2\x80\xAEx\xE2\x81\xA6y\xE2\x80\x8F")
                                                     << QByteArray("\\u202ex\\u2066y\xE2\x80\x8F") << true;
        QTest::newRow("invalid bytes") << QByteArray("a\xFF\xFE"
                                                     "b")
                                       << QByteArray("a\\xff\\xfeb") << false;
        QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << QByteArray("\\xc0\\xaf") << false;
        QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << QByteArray("\\xed\\xa0\\x80") << false;
        QTest::newRow("cut sequence at the end")
            << QByteArray("ok\xE2\x80") << QByteArray("ok\\xe2\\x80") << false;
        QTest::newRow("four bytes") << QByteArray("\xF0\x9F\x98\x80") << QByteArray("\xF0\x9F\x98\x80")
                                    << true;
    }

    void escapes() {
        QFETCH(QByteArray, raw);
        QFETCH(QByteArray, shown);
        QFETCH(bool, utf8);
        const std::string_view bytes(raw.constData(), std::size_t(raw.size()));
        QCOMPARE(QByteArray::fromStdString(engine::reportText(bytes)), shown);
        QCOMPARE(engine::isValidUtf8(bytes), utf8);
        QVERIFY(engine::isValidUtf8(engine::reportText(bytes)));
    }
};

QTEST_APPLESS_MAIN(TestReportText)
#include "tst_ReportText.moc"
