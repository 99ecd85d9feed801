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
                                                     << QByteArray("\\u202ex\\u2066y\\u200f") << true;
        // The ends of the escaped ranges, and their neighbours that stay as they are.
        QTest::newRow("line and paragraph separators") << QByteArray("a\xE2\x80\xA8"
                                                                     "b\xE2\x80\xA9")
                                                       << QByteArray("a\\u2028b\\u2029") << true;
        QTest::newRow("ends of the bidi ranges")
            << QByteArray("\xE2\x80\xAA\xE2\x80\xAE\xE2\x81\xA9\xE2\x81\xAF")
            << QByteArray("\\u202a\\u202e\\u2069\\u206f") << true;
        QTest::newRow("zero width, word joiner, Arabic mark, soft hyphen, BOM")
            << QByteArray("\xE2\x80\x8B\xE2\x81\xA0\xD8\x9C\xC2\xAD\xEF\xBB\xBF")
            << QByteArray("\\u200b\\u2060\\u061c\\u00ad\\ufeff") << true;
        QTest::newRow("tag characters, first and last")
            << QByteArray("\xF3\xA0\x80\x81\xF3\xA0\x81\xBF") << QByteArray("\\U000e0001\\U000e007f") << true;
        QTest::newRow("neighbours kept")
            << QByteArray("\xE2\x80\x8A\xE2\x80\xAF\xE2\x81\xB0\xC2\xA0")
            << QByteArray("\xE2\x80\x8A\xE2\x80\xAF\xE2\x81\xB0\xC2\xA0") << true;
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

    // Every code point is escaped exactly when Qt's own Unicode tables put it in
    // Cc, Cf, Zl or Zp (or it is the backslash).
    void escapesFollowTheCategories() {
        for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
            if (cp >= 0xD800 && cp <= 0xDFFF)
                continue;
            // Not through QString, which takes a leading U+FEFF for a byte-order mark.
            const char16_t units[2] = {cp > 0xFFFF ? QChar::highSurrogate(cp) : char16_t(cp),
                                       QChar::lowSurrogate(cp)};
            const QByteArray utf8 = QStringView(units, cp > 0xFFFF ? 2 : 1).toUtf8();
            const bool escaped =
                engine::reportText(std::string_view(utf8.constData(), std::size_t(utf8.size()))) !=
                utf8.toStdString();
            const QChar::Category category = QChar::category(cp);
            bool invisible = category == QChar::Other_Control || category == QChar::Other_Format ||
                             category == QChar::Separator_Line || category == QChar::Separator_Paragraph;
            // Format characters since Unicode 15, newer than these Qt tables.
            if (cp >= 0x13439 && cp <= 0x1343F)
                invisible = true;
            if (escaped != (invisible || cp == '\\'))
                QFAIL(qPrintable(QStringLiteral("U+%1").arg(uint(cp), 4, 16, QLatin1Char('0'))));
        }
    }
};

QTEST_APPLESS_MAIN(TestReportText)
#include "tst_ReportText.moc"
