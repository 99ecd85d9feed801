#include "EachKernel.h"
#include "engine/TrackingBlock.h"
#include "engine/scan/HtmlScan.h"
#include "engine/scan/MarkupSkip.h"
#include "engine/scan/TextScan.h"

#include <QTest>

#include <random>

using namespace engine;

namespace {

// Pages are built of plain markup, with now and then a piece that is not plain:
// each vector skip must find the closing body tag where a plain reading does.
const char* const Plain[] = {"<p class=\"c1\">Lorem ipsum ",
                             "<a href=\"p1.html\">link</a> ",
                             "</p>\r\n",
                             "<div id=\"x\" title='t'>",
                             "</div>",
                             "text, more text ",
                             "<img src=\"a.png\" alt=\"\">",
                             "<td width=100>",
                             "<br/>",
                             "<li data-x=\"1\" data-y=\"2\">",
                             "<b>bold</b>",
                             "<a title=\"a value long enough to run from one block of sixty-four bytes into "
                             "the next one\" href=\"z\">"};
const char* const NotPlain[] = {"<span\n  class=\"s\">",
                                "<",
                                ">",
                                "\"",
                                "'",
                                "=",
                                " ",
                                "</body>",
                                "</BODY >",
                                "<script>",
                                "</script>",
                                "<!--",
                                "-->",
                                "<?",
                                "</ ",
                                "<template>",
                                "</template>",
                                "<title>",
                                "</title>",
                                "<textarea>",
                                "</textarea>",
                                "<a b\"c>",
                                "<a x= y=\">\">",
                                "<a x=y=\">\">",
                                "<a x= y=\"b c=\"></body>\">",
                                "<a x= y='b c='></body>'>",
                                "<a x =y=\"b\"></body>\">",
                                "<ab=\"x>\">",
                                "<a ='>'>",
                                "<a x=\"1\"y=\">\">",
                                "<p title=\"it's\">",
                                "<p title='say \"hi\"'>",
                                "<p/x=\">\">",
                                "<p\t x=\"a\">",
                                "<P CLASS=\"A\">",
                                "\xC3\xA9",
                                "<\xC3\xA9>",
                                "</\xC3\xA9>",
                                "<plaintext>"};

std::string page(std::mt19937& random, unsigned pieces, unsigned oneIn) {
    std::string text;
    for (unsigned i = 0; i < pieces; ++i) {
        if (oneIn != 0 && random() % oneIn == 0)
            text += NotPlain[random() % std::size(NotPlain)];
        else
            text += Plain[random() % std::size(Plain)];
    }
    return text;
}

std::size_t plainReading(const std::string& text) {
    std::u16string wide(text.size(), u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        wide[i] = static_cast<unsigned char>(text[i]);
    return findClosingBodyTag(wide);
}

} // namespace

class TestMarkupSkip : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void agreesWithPlainReading_data() {
        QTest::addColumn<unsigned>("oneIn");
        QTest::newRow("plain markup, long") << 0u;
        QTest::newRow("now and then not plain") << 40u;
        QTest::newRow("often not plain") << 4u;
    }

    void agreesWithPlainReading() {
        QFETCH(unsigned, oneIn);
        std::mt19937 random(oneIn + 1);
        std::vector<scan::MarkupSkip> skips = scan::markupSkips();
        for (int run = 0; run < 3000; ++run) {
            std::string text = page(random, 20 + random() % 200, oneIn);
            if (random() % 2 == 0)
                text += "</body></html>";
            const std::size_t expected = plainReading(text);
            for (const scan::MarkupSkip skip : skips)
                QCOMPARE(findClosingBodyTag(text, skip), expected);
            // Every skip stops at the same places and tells the same of what it passed over.
            for (std::size_t from = 0; from < text.size() && skips.size() > 1; from += 1 + random() % 300) {
                bool first = false;
                bool other = false;
                QCOMPARE(skips[0](text.data(), text.size(), from, first),
                         skips[1](text.data(), text.size(), from, other));
                QCOMPARE(first, other);
            }
        }
    }

    // The search for what makes a page binary and for marker candidates, at
    // every offset from the blocks it reads: found where it stands, not outside
    // the range searched; a '<' that ends the range counts.
    void markupOrNul_data() {
        QTest::addColumn<QByteArray>("planted");
        QTest::addColumn<bool>("found");
        QTest::newRow("a NUL") << QByteArray("\0", 1) << true;
        QTest::newRow("<!") << QByteArray("<!") << true;
        QTest::newRow("< before another letter") << QByteArray("<p") << false;
        QTest::newRow("! alone") << QByteArray("!") << false;
    }

    void markupOrNul() {
        QFETCH(QByteArray, planted);
        QFETCH(bool, found);
        for (std::size_t at = 0; at < 140; ++at) {
            std::string text(200, 'x');
            text.replace(at, planted.size(), planted.toStdString());
            QCOMPARE(scan::findMarkupOrNul(text.data(), 0, text.size()), found ? at : std::string::npos);
            QCOMPARE(scan::findMarkupOrNul(text.data(), at + 1, text.size()), std::string::npos);
            QCOMPARE(scan::findMarkupOrNul(text.data(), 0, at), std::string::npos);
        }
        const std::string endsInLt = std::string(150, 'x') + "<";
        QCOMPARE(scan::findMarkupOrNul(endsInLt.data(), 3, endsInLt.size()), endsInLt.size() - 1);
    }

    // The same pass that reads the page as HTML finds NUL bytes and markers,
    // wherever they stand: in text the skip passes over, in values, in what the
    // tokenizer reads itself, after the closing body tag.
    void sweepFindsNulsAndMarkers_data() {
        QTest::addColumn<QByteArray>("planted");
        QTest::addColumn<bool>("clean");
        QTest::newRow("nothing") << QByteArray() << true;
        QTest::newRow("a comment") << QByteArray("<!-- a note -->") << true;
        QTest::newRow("a NUL") << QByteArray("x\0y", 3) << false;
        QTest::newRow("a start marker") << QByteArray(StartMarker.data()) << false;
        QTest::newRow("an end marker in lower case")
            << QByteArray("<!-- end of trafalytic code -->") << false;
        QTest::newRow("a marker in a quoted value")
            << QByteArray("<a title=\"<!-- END OF TRAFALYTIC CODE -->\">") << false;
        QTest::newRow("a marker in a script")
            << QByteArray("<script><!-- END OF TRAFALYTIC CODE --></script>") << false;
    }

    void sweepFindsNulsAndMarkers() {
        QFETCH(QByteArray, planted);
        QFETCH(bool, clean);
        const auto isMarker = [](std::string_view text, std::size_t at) {
            std::string head(text.substr(at, EndMarker.size()));
            for (char& c : head)
                c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
            return head.starts_with(SearchKey) || head.starts_with(EndMarker);
        };
        for (const unsigned piecesBefore : {0u, 3u, 40u, 300u}) {
            for (const bool bodyFirst : {false, true}) {
                std::mt19937 random(piecesBefore);
                std::string text = page(random, piecesBefore, 0) + (bodyFirst ? "</body>" : "") +
                                   planted.toStdString() + page(random, 300, 0) + "</body>";
                const BodyTagSweep sweep = sweepForClosingBodyTag(text, isMarker);
                QCOMPARE(sweep.clean, clean);
                if (sweep.clean)
                    QCOMPARE(sweep.body, plainReading(text));
            }
        }
    }
};

QTEST_EACH_KERNEL_MAIN(TestMarkupSkip)
#include "tst_MarkupSkip.moc"
