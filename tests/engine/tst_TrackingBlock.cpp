#include "engine/TrackingBlock.h"

#include <QTest>

using namespace engine;

namespace {
QByteArray bytes(const std::string& s) {
    return QByteArray::fromStdString(s);
}
std::string str(const QByteArray& b) {
    return b.toStdString();
}
} // namespace

class TestTrackingBlock : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void serverDigit_data() {
        QTest::addColumn<QByteArray>("number");
        QTest::addColumn<int>("digit"); // -100 for overflow
        QTest::newRow("12345 picks server 2") << QByteArray("12345") << 2;
        QTest::newRow("999 is below a thousand") << QByteArray("999") << 0;
        QTest::newRow("10000 wraps to 0") << QByteArray("10000") << 0;
        QTest::newRow("19999 picks 9") << QByteArray("19999") << 9;
        QTest::newRow("-1 floors to -1") << QByteArray("-1") << -1;
        QTest::newRow("negative keeps the dividend's sign") << QByteArray("-13000") << -3;
        QTest::newRow("blanks inside are skipped") << QByteArray(" 12 345 ") << 2;
        QTest::newRow("tabs and line feeds are skipped") << QByteArray("\t1\n2345") << 2;
        QTest::newRow("letters only read as 0") << QByteArray("abc") << 0;
        QTest::newRow("empty reads as 0") << QByteArray("") << 0;
        QTest::newRow("digits stop at a letter") << QByteArray("15000abc") << 5;
        QTest::newRow("decimal fraction") << QByteArray("12345.99") << 2;
        QTest::newRow("leading plus") << QByteArray("+5000") << 5;
        QTest::newRow("exponent") << QByteArray("3e4") << 0;
        QTest::newRow("D exponent as E") << QByteArray("4.2D4") << 2;
        QTest::newRow("exponent without digits ends the number") << QByteArray("7000e") << 7;
        QTest::newRow("a second point ends the number") << QByteArray("8000.5.5") << 8;
        QTest::newRow("largest that fits") << QByteArray("2147483647999") << 7;
        QTest::newRow("just past 32 bits overflows") << QByteArray("2147483648000") << -100;
        QTest::newRow("smallest that fits") << QByteArray("-2147483648000") << -8;
        QTest::newRow("just below 32 bits overflows") << QByteArray("-2147483648001") << -100;
        QTest::newRow("huge exponent overflows") << QByteArray("1e999") << -100;
        QTest::newRow("tiny exponent is 0") << QByteArray("1e-999") << 0;
    }

    void serverDigit() {
        QFETCH(QByteArray, number);
        QFETCH(int, digit);
        const auto got = engine::serverDigit(str(number));
        if (digit == -100) {
            QVERIFY(!got.ok());
            QVERIFY(!buildTrackingBlock(Site::parse(str(number)), Protocol::Normal, "a.htm").ok());
            QVERIFY(!buildTrackingBlock(Site::parse(str(number)), Protocol::Secure, "a.htm").ok());
        } else {
            QVERIFY(got.ok());
            QCOMPARE(*got, digit);
        }
    }

    void workedExample_data() {
        QTest::addColumn<QByteArray>("protocol");
        QTest::addColumn<QByteArray>("server");
        QTest::newRow("normal uses db and the digit")
            << QByteArray("normal") << QByteArray("http://db2.trafalytic.com");
        QTest::newRow("secure uses www") << QByteArray("secure") << QByteArray("https://www.trafalytic.com");
        QTest::newRow("the word in any case")
            << QByteArray("SeCuRe") << QByteArray("https://www.trafalytic.com");
    }

    void workedExample() {
        QFETCH(QByteArray, protocol);
        QFETCH(QByteArray, server);
        const auto block =
            buildTrackingBlock(Site::parse("12345"), *protocolNamed(str(protocol)), "Index.HTM");
        QVERIFY(block.ok());
        const QByteArray expected =
            "<!-- START OF TRAFALYTIC CODE, COPYRIGHT 2003 VORNIQUE LLC -->\r\n"
            "<script language=\"JavaScript\" src=\"" +
            server +
            "/script/12345.js\" type=\"text/javascript\"></script>\r\n"
            "<noscript><img src=\"" +
            server +
            "/db.php?id=12345&page=index.htm&javascript=no\" alt=\"\" /></noscript>\r\n"
            "<!-- END OF TRAFALYTIC CODE -->\r\n";
        QCOMPARE(bytes(*block), expected);
    }

    void addressParts_data() {
        QTest::addColumn<QByteArray>("number");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("site");
        QTest::addColumn<QByteArray>("page");
        QTest::newRow("inner blank kept, outer trimmed")
            << QByteArray(" 12 345 ") << QByteArray("a.htm") << QByteArray("12 345") << QByteArray("a.htm");
        QTest::newRow("letters kept as typed")
            << QByteArray("abc") << QByteArray("a.htm") << QByteArray("abc") << QByteArray("a.htm");
        QTest::newRow("space in page name kept")
            << QByteArray("1") << QByteArray("My Page.HTML") << QByteArray("1") << QByteArray("my page.html");
        QTest::newRow("ampersand and quote encoded") << QByteArray("1\"2") << QByteArray("a&b'c.htm")
                                                     << QByteArray("1%222") << QByteArray("a%26b%27c.htm");
        QTest::newRow("markup characters encoded")
            << QByteArray("<1>") << QByteArray("#%.htm") << QByteArray("%3C1%3E") << QByteArray("%23%25.htm");
        QTest::newRow("control characters encoded") << QByteArray("1\t") << QByteArray("a\x7f\x01.htm")
                                                    << QByteArray("1%09") << QByteArray("a%7F%01.htm");
        QTest::newRow("non-ASCII written as UTF-8 escapes, not lowered")
            << QByteArray("1")
            << QByteArray("\xC3\x9C"
                          "ber.HTM")
            << QByteArray("1") << QByteArray("%C3%9Cber.htm");
        QTest::newRow("empty inputs") << QByteArray() << QByteArray() << QByteArray() << QByteArray();
    }

    void addressParts() {
        QFETCH(QByteArray, number);
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, site);
        QFETCH(QByteArray, page);
        QCOMPARE(bytes(siteNo(str(number))), site);
        QCOMPARE(bytes(pageName(str(file))), page);
        const auto block = buildTrackingBlock(Site::parse(str(number)), Protocol::Normal, str(file));
        QVERIFY(block.ok());
        QVERIFY(
            bytes(*block).contains(QByteArray("/db.php?id=" + site + "&page=" + page + "&javascript=no\"")));
        QVERIFY(bytes(*block).contains(QByteArray("/script/" + site + ".js\"")));
    }

    void blockShape_data() {
        QTest::addColumn<QByteArray>("number");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("plain") << QByteArray("12345") << QByteArray("index.html");
        QTest::newRow("hostile") << QByteArray("\r\n<x>\n") << QByteArray("a\r\nb\n.htm");
        QTest::newRow("non-ASCII") << QByteArray("\xE2\x82\xAC") << QByteArray("\xFF\xFE.htm");
    }

    void blockShape() {
        QFETCH(QByteArray, number);
        QFETCH(QByteArray, file);
        const QByteArray block =
            bytes(*buildTrackingBlock(Site::parse(str(number)), Protocol::Normal, str(file)));
        QVERIFY(block.startsWith(QByteArray(SearchKey.data(), SearchKey.size())));
        QVERIFY(block.endsWith("<!-- END OF TRAFALYTIC CODE -->\r\n"));
        QCOMPARE(block.count("\r\n"), 4);
        QCOMPARE(block.count('\n'), 4);
        QCOMPARE(block.count('\r'), 4);
        for (const char c : block)
            QVERIFY2(static_cast<unsigned char>(c) < 0x7F, "the block is ASCII");
    }
};

QTEST_GUILESS_MAIN(TestTrackingBlock)
#include "tst_TrackingBlock.moc"
