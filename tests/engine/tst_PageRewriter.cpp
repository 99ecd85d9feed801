#include "EachKernel.h"
#include "engine/Includes.h"
#include "engine/PageRewriter.h"
#include "engine/TrackingBlock.h"
#include "engine/scan/HtmlScan.h"

#include <QTest>

using namespace engine;

namespace {

const QByteArray Start = "<!-- START OF TRAFALYTIC CODE, COPYRIGHT 2003 VORNIQUE LLC -->";
const QByteArray End = "<!-- END OF TRAFALYTIC CODE -->";
const QByteArray NewBlock = Start + "\r\nnew\r\n" + End + "\r\n";
const QByteArray OldBlock = Start + "\r\nold\r\n" + End + "\r\n";

// Page texts in the tables are written with {B} for the new block, {O} for an old
// one, {S} and {E} for lone markers.
QByteArray expand(QByteArray text) {
    return text.replace("{B}", NewBlock).replace("{O}", OldBlock).replace("{S}", Start).replace("{E}", End);
}

// A page by its name (.html), or a template that is a page only by its closing body tag.
Result<RewritePlan> plan(const std::string& text, Mode mode, bool asPage = true) {
    return planRewrite(text, mode, NewBlock.toStdString(), asPage ? "page.html" : "page.php");
}

// The page's new text; a page that is not rewritten stays as it is.
QByteArray rewrite(const QByteArray& page, Mode mode, bool asPage = true) {
    const std::string text = page.toStdString();
    const Result<RewritePlan> planned = plan(text, mode, asPage);
    return planned ? QByteArray::fromStdString(planned->text(text)) : page;
}

Failure::Kind refusal(const QByteArray& page, Mode mode) {
    const Result<RewritePlan> planned = plan(page.toStdString(), mode);
    return planned ? Failure::Kind::Settings : planned.kind(); // Settings: none of the plan's
}

QByteArray utf16Page(const QString& text, bool bigEndian) {
    QByteArray out = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
    for (const QChar c : text) {
        const char hi = static_cast<char>(c.unicode() >> 8);
        const char lo = static_cast<char>(c.unicode() & 0xFF);
        out.append(bigEndian ? hi : lo);
        out.append(bigEndian ? lo : hi);
    }
    return out;
}

} // namespace

class TestPageRewriter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rewrite_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<bool>("insert");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<int>("blocksRemoved");

        QTest::newRow("insert goes before a lower-case closing body tag, which keeps its case")
            << QByteArray("<html><body>hi</body></html>") << true
            << QByteArray("<html><body>hi{B}</body></html>") << 0;
        QTest::newRow("insert replaces an old block, leaving no extra line end")
            << QByteArray("<body>hi\r\n{O}</body>") << true << QByteArray("<body>hi\r\n{B}</body>") << 1;
        QTest::newRow("remove takes the block and the line end it wrote")
            << QByteArray("<body>hi\r\n{O}</body>") << false << QByteArray("<body>hi\r\n</body>") << 1;
        QTest::newRow("remove takes an LF-only line end too")
            << QByteArray("<body>{S}\nold\n{E}\n</body>") << false << QByteArray("<body></body>") << 1;
        QTest::newRow("a start marker with another notice is found")
            << QByteArray("a<!-- start of trafalytic code, (c) 2009 -->x{E}\r\nb") << false
            << QByteArray("ab") << 1;
        QTest::newRow("markers in any letter case are found")
            << QByteArray("a<!-- START OF TRAFALYTIC code -->x<!-- end of trafalytic CODE -->b") << false
            << QByteArray("ab") << 1;
        QTest::newRow("an end marker before the first start marker stays")
            << QByteArray("a{E}b{O}c</body>") << false << QByteArray("a{E}bc</body>") << 1;
        QTest::newRow("a start marker without an end marker stays")
            << QByteArray("a{S}b</body>") << false << QByteArray("a{S}b</body>") << 0;
        QTest::newRow("a stray start marker before a block loses no text")
            << QByteArray("a{S}keep me{O}c") << false << QByteArray("a{S}keep mec") << 1;
        QTest::newRow("every block is removed")
            << QByteArray("{O}a{O}b{O}</BODY>") << false << QByteArray("ab</BODY>") << 3;
        QTest::newRow("insert into a page with two old blocks leaves one")
            << QByteArray("{O}a{O}</body>") << true << QByteArray("a{B}</body>") << 2;
        QTest::newRow("no body tag: appended to an HTML page")
            << QByteArray("<p>hello") << true << QByteArray("<p>hello{B}") << 0;
        QTest::newRow("empty page, insert: the block alone")
            << QByteArray() << true << QByteArray("{B}") << 0;
        QTest::newRow("empty page, remove: empty") << QByteArray() << false << QByteArray() << 0;
        QTest::newRow("spaces at both ends go, a final CR LF stays")
            << QByteArray("  <body></body></html>\r\n") << true << QByteArray("<body>{B}</body></html>\r\n")
            << 0;
        QTest::newRow("spaces before bytes that read as a UTF-16 mark stay")
            << QByteArray("  \xFE\xFF<body></body>  ") << true << QByteArray("  \xFE\xFF<body>{B}</body>")
            << 0;
        QTest::newRow("spaces that a block at the end stood behind go too")
            << QByteArray("<body></body>  {O}") << false << QByteArray("<body></body>") << 1;
        QTest::newRow("tabs at the ends stay")
            << QByteArray("\t<body></body>\t ") << true << QByteArray("\t<body>{B}</body>\t") << 0;
        QTest::newRow("a body tag inside a comment is text")
            << QByteArray("<!-- </body> --><body>x</body>") << true
            << QByteArray("<!-- </body> --><body>x{B}</body>") << 0;
        QTest::newRow("a body tag inside a script string is text")
            << QByteArray("<script>var s = \"</BODY>\";</script>x</body>") << true
            << QByteArray("<script>var s = \"</BODY>\";</script>x{B}</body>") << 0;
        QTest::newRow("a script with attributes and an upper-case end tag")
            << QByteArray("<SCRIPT type=x>'</body>'</SCRIPT ></body>") << true
            << QByteArray("<SCRIPT type=x>'</body>'</SCRIPT >{B}</body>") << 0;
        QTest::newRow("a body tag inside a style element is text")
            << QByteArray("<style>/* </body> */</style></body>") << true
            << QByteArray("<style>/* </body> */</style>{B}</body>") << 0;
        QTest::newRow("a tag named like script is no script")
            << QByteArray("<scripts></body>") << true << QByteArray("<scripts>{B}</body>") << 0;
        QTest::newRow("the first of two body tags is taken")
            << QByteArray("a</body>b</body>") << true << QByteArray("a{B}</body>b</body>") << 0;
        QTest::newRow("a body tag joined by removing a block is found")
            << QByteArray("x</bo{O}dy>") << true << QByteArray("x{B}</body>") << 1;
    }

    // Where the closing body tag is found: '|' marks it; no '|', none is markup.
    void closingBodyTag_data() {
        QTest::addColumn<QByteArray>("html");
        // end tags
        QTest::newRow("plain") << QByteArray("<body>x|</body>");
        QTest::newRow("upper case, space before >") << QByteArray("<BODY>x|</BODY >");
        QTest::newRow("DocBook: > on the next line") << QByteArray("<p>x</p>|</BODY\n></HTML\n>");
        QTest::newRow("slash and attributes") << QByteArray("x|</body/ class=\"a>b\">");
        QTest::newRow("other tag named body-ish") << QByteArray("</bodyx></body-><p>|</body>");
        QTest::newRow("unclosed at the end") << QByteArray("<body>x</body");
        QTest::newRow("</ not a letter is a bogus comment") << QByteArray("<p></ </body>x|</body>");
        QTest::newRow("processing instruction") << QByteArray("<?php echo '</body>' ?>|</body>");
        // raw text and RCDATA elements
        QTest::newRow("textarea") << QByteArray("<textarea></body></textarea>|</body>");
        QTest::newRow("title") << QByteArray("<title>a </body> b</TITLE>|</body>");
        QTest::newRow("xmp") << QByteArray("<xmp></body></xmp>|</body>");
        QTest::newRow("noscript") << QByteArray("<noscript></body></noscript>|</body>");
        QTest::newRow("iframe, noembed, noframes") << QByteArray(
            "<iframe></body></iframe><noembed></body></noembed><noframes></body></noframes>|</body>");
        QTest::newRow("end tag must end its name")
            << QByteArray("<script></scripts></body></script\t>|</body>");
        QTest::newRow("unclosed script hides the rest") << QByteArray("<script>x</body>");
        QTest::newRow("template content")
            << QByteArray("<template><template></body></template></body></template>|</body>");
        QTest::newRow("plaintext") << QByteArray("<plaintext></body>");
        // attribute values
        QTest::newRow("double-quoted") << QByteArray("<a onclick=\"w.write('</body>')\">|</body>");
        QTest::newRow("single-quoted srcdoc") << QByteArray("<iframe srcdoc='</body>'></iframe>|</body>");
        QTest::newRow("comment opener in a value") << QByteArray("<a title=\"<!--\">x|</body>-->");
        QTest::newRow("unquoted value ends at >") << QByteArray("<a href=x>|</body>");
        QTest::newRow("quote inside a name is no quote") << QByteArray("<a b\"c>|</body>");
        QTest::newRow("space after = starts an unquoted value") << QByteArray("<a b= c=\"</body>\">|</body>");
        QTest::newRow("= inside an unquoted value") << QByteArray("<a b=c=\"</body>\">|</body>");
        QTest::newRow("value after a slash") << QByteArray("<a x/y=\"</body>\">|</body>");
        QTest::newRow("= and quotes in a tag name") << QByteArray("<ab=\"x>|</body>\"></body>");
        QTest::newRow("values back to back") << QByteArray("<a b=\"1\"c='</body>' d=\">\">|</body>");
        QTest::newRow("unclosed quote hides the rest") << QByteArray("<a href=\"</body>");
        // comments
        QTest::newRow("comment") << QByteArray("<!-- </body> -->|</body>");
        QTest::newRow("empty comments") << QByteArray("<!-->|</body>");
        QTest::newRow("empty comment with a dash") << QByteArray("<!--->|</body>");
        QTest::newRow("--!> ends a comment") << QByteArray("<!-- a --!>|</body>");
        QTest::newRow("-- > does not") << QByteArray("<!-- -- > </body> -->|</body>");
        QTest::newRow("bogus comment") << QByteArray("<![CDATA[</body>]]>|</body>");
        QTest::newRow("unclosed comment") << QByteArray("<!-- </body>");
    }

    void closingBodyTag() {
        QFETCH(QByteArray, html);
        const qsizetype mark = html.indexOf('|');
        const std::string text = QByteArray(html).replace("|", "").toStdString();
        const std::size_t expected = mark < 0 ? std::string::npos : std::size_t(mark);
        QCOMPARE(findClosingBodyTag(text), expected);
        std::u16string wide(text.begin(), text.end());
        QCOMPARE(findClosingBodyTag(wide), expected);
        // Behind plain markup, so that the case stands across the vector skip's
        // blocks of 64 bytes (and its groups of eight) at every offset.
        std::string markup;
        while (markup.size() < 1200)
            markup += "<p class=\"c\">Lorem <a href=\"x.html\">ipsum</a></p>\n";
        for (std::size_t shift = 0; shift < 130; ++shift) {
            const std::string prefix = markup + std::string(shift, 'x');
            QCOMPARE(findClosingBodyTag(prefix + text), mark < 0 ? expected : prefix.size() + expected);
        }
    }

    void webPages_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("page");
        QTest::newRow("page extension") << QByteArray("a.SHTML") << QByteArray("x") << true;
        QTest::newRow("template extension") << QByteArray("base.html.twig") << QByteArray("x") << true;
        QTest::newRow("php") << QByteArray("index.php") << QByteArray("<?php") << true;
        QTest::newRow("doctype after BOM and blanks")
            << QByteArray("page") << QByteArray("\xEF\xBB\xBF \r\n<!DOCTYPE HTML>") << true;
        QTest::newRow("html tag") << QByteArray("README") << QByteArray("\t<Html lang=en>") << true;
        QTest::newRow("UTF-16 doctype")
            << QByteArray("x.dat") << QByteArray("\xFF\xFE<\0!\0d\0o\0c\0t\0y\0p\0e\0 \0h\0t\0m\0l\0", 30)
            << true;
        QTest::newRow("script") << QByteArray("app.js") << QByteArray("w('</body>')") << false;
        QTest::newRow("feed") << QByteArray("feed.xml") << QByteArray("<?xml?><![CDATA[</body>]]>") << false;
        QTest::newRow("style sheet") << QByteArray("site.css") << QByteArray("p:after{content:'</body>'}")
                                     << false;
        QTest::newRow("text mentioning html later")
            << QByteArray("notes.txt") << QByteArray("see <html>") << false;
    }

    void webPages() {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, contents);
        QFETCH(bool, page);
        QCOMPARE(isWebPage(name.toStdString(),
                           std::string_view(contents.constData(), std::size_t(contents.size()))),
                 page);
    }

    // Markers that do not pair into blocks: the page is left exactly as it is.
    void tangledMarkers_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::newRow("nested") << QByteArray("{S}<p>KEEP ONE</p>{S}old{E}<p>KEEP TWO</p>{E}</body>");
        QTest::newRow("around a block") << QByteArray("a{S}x{O}y{E}b</body>");
        QTest::newRow("a marker split by a block")
            << QByteArray("a<!-- START OF TRAF{O}ALYTIC CODE -->x{E}\r\nb");
        QTest::newRow("deeply nested") << QByteArray("{S}{S}{S}a{E}b{E}c{E}</body>");
    }

    void tangledMarkers() {
        QFETCH(QByteArray, page);
        for (const Mode mode : {Mode::Insert, Mode::Remove}) {
            QCOMPARE(refusal(expand(page), mode), Failure::Kind::TangledMarkers);
        }
    }

    void utf32IsNotRewritten() {
        QCOMPARE(refusal(QByteArray("\xFF\xFE\0\0<\0\0\0", 8), Mode::Insert), Failure::Kind::Utf32);
        // Nor does a UTF-16 page become one: the space before a NUL is kept.
        const QByteArray spaced("\xFF\xFE \0\0\0x\0", 8);
        const QByteArray once = ::rewrite(spaced, Mode::Insert);
        QVERIFY(once.startsWith(spaced.left(4)));
        QCOMPARE(::rewrite(once, Mode::Insert, true), once);
    }

    void rewrite() {
        QFETCH(QByteArray, page);
        QFETCH(bool, insert);
        QFETCH(QByteArray, expected);
        QFETCH(int, blocksRemoved);
        const std::string text = expand(page).toStdString();
        const Result<RewritePlan> planned = plan(text, insert ? Mode::Insert : Mode::Remove);
        QVERIFY(planned);
        QCOMPARE(QByteArray::fromStdString(planned->text(text)), expand(expected));
        QCOMPARE(int(planned->blocksRemoved), blocksRemoved);
        QCOMPARE(planned->changed, expand(page) != expand(expected));
    }

    void notPages_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<bool>("asPage");
        QTest::addColumn<Failure::Kind>("kind");
        QTest::newRow("a NUL byte marks a binary file")
            << QByteArray("GIF89a\0</body>", 14) << true << Failure::Kind::Binary;
        QTest::newRow("a style sheet without body tag is no page")
            << QByteArray("p { color: red }") << false << Failure::Kind::NoClosingBody;
        QTest::newRow("a block whose removal would leave a UTF-16 mark in front")
            << QByteArray("{O}\xFE\xFFx</body>") << true << Failure::Kind::WouldTurnUtf16;
        QTest::newRow("UTF-16 with an odd byte count")
            << QByteArray("\xFF\xFE<\0b", 5) << true << Failure::Kind::BadUtf16;
    }

    void notPages() {
        QFETCH(QByteArray, page);
        QFETCH(bool, asPage);
        QFETCH(Failure::Kind, kind);
        for (const Mode mode : {Mode::Insert, Mode::Remove}) {
            if (kind == Failure::Kind::NoClosingBody && mode == Mode::Remove)
                continue;
            const Result<RewritePlan> planned = plan(expand(page).toStdString(), mode, asPage);
            QVERIFY(!planned);
            QCOMPARE(planned.kind(), kind);
            QVERIFY(!planned.reason().empty());
        }
    }

    // A page without a closing body tag gets the block at its end only where it
    // would run; else it is refused, naming what the page ends inside. Both
    // encodings, and after an old block that is taken out.
    void endsInside_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("inside"); // empty: appended
        QTest::newRow("text") << QByteArray("<p>x</p>") << QString();
        QTest::newRow("a lone '<' at the end") << QByteArray("a <") << QString();
        QTest::newRow("a closed template") << QByteArray("<template>x</template>") << QString();
        QTest::newRow("a complete comment") << QByteArray("<!-- x -->") << QString();
        for (const char* element :
             {"script", "style", "textarea", "title", "xmp", "noscript", "iframe", "noembed", "noframes"})
            QTest::newRow(element) << QByteArray("<p><") + element + " id=a>x"
                                   << QStringLiteral("a <%1> element").arg(QLatin1String(element));
        QTest::newRow("upper-case SCRIPT") << QByteArray("<SCRIPT>x") << QStringLiteral("a <script> element");
        QTest::newRow("template content")
            << QByteArray("<template><p>x") << QStringLiteral("a <template> element");
        QTest::newRow("plaintext") << QByteArray("<plaintext>x</plaintext>")
                                   << QStringLiteral("a <plaintext> element");
        QTest::newRow("an unclosed tag") << QByteArray("<div title=x") << QStringLiteral("an unfinished tag");
        QTest::newRow("an unclosed value")
            << QByteArray("<div title=\"x>") << QStringLiteral("an unfinished tag");
        QTest::newRow("an unclosed end tag") << QByteArray("x</di") << QStringLiteral("an unfinished tag");
        QTest::newRow("a bare '</'") << QByteArray("x</") << QStringLiteral("an unfinished tag");
        QTest::newRow("an unclosed comment") << QByteArray("<!-- note") << QStringLiteral("a comment");
        QTest::newRow("an unclosed declaration")
            << QByteArray("<!doctype html") << QStringLiteral("a comment");
        QTest::newRow("after an old block")
            << QByteArray("<script>{O}") << QStringLiteral("a <script> element");
    }

    void endsInside() {
        QFETCH(QByteArray, page);
        QFETCH(QString, inside);
        const QByteArray bytes = expand(page);
        QByteArray utf16("\xFF\xFE");
        for (const char c : bytes)
            utf16 += QByteArray(1, c) + QByteArray(1, '\0');
        for (const QByteArray& text : {bytes, utf16}) {
            const Result<RewritePlan> planned = plan(text.toStdString(), Mode::Insert);
            if (inside.isEmpty()) {
                QVERIFY(planned);
                QVERIFY(::rewrite(text, Mode::Insert).size() > text.size());
            } else {
                QVERIFY(!planned);
                QCOMPARE(planned.kind(), Failure::Kind::EndsInside);
                QCOMPARE(QString::fromStdString(planned.reason()),
                         QStringLiteral("the page ends inside %1, where the code would not run").arg(inside));
            }
        }
    }

    // Insert mode changes web pages only, by their name or their first bytes;
    // remove mode takes a block out of any text file.
    // Server code is read by its language's rules: the block goes before the
    // closing body tag that is markup (here always the last one in the text), never
    // inside code; a page whose only closing body tag the code writes fails.
    // The includes a page names, and where each leads beneath the folder from
    // the page at sub/page: "path" is the file, or "!" and why it is not followed.
    void includesAreRead_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QByteArrayList>("leads");
        QTest::newRow("ssi virtual from the root")
            << QByteArray("page.shtml") << QByteArray("<!--#include virtual=\"/inc/footer.html\" -->")
            << QByteArrayList{"inc/footer.html"};
        QTest::newRow("ssi virtual, relative, escaped, with a query")
            << QByteArray("page.shtml") << QByteArray("<!--#include virtual='../inc/my%20foot.html?x=1' -->")
            << QByteArrayList{"inc/my foot.html"};
        QTest::newRow("ssi file, two in one directive")
            << QByteArray("page.shtml") << QByteArray("<!--#include file=\"a.html\" virtual=\"/b.html\"-->")
            << QByteArrayList{"sub/a.html", "b.html"};
        QTest::newRow("ssi file going up")
            << QByteArray("page.shtml") << QByteArray("<!--#include file=\"../f.html\" -->")
            << QByteArrayList{"! the server does not include a file= path that goes up"};
        QTest::newRow("ssi leaving the folder")
            << QByteArray("page.shtml") << QByteArray("<!--#include virtual=\"../../f.html\" -->")
            << QByteArrayList{"! it lies outside the folder"};
        QTest::newRow("ssi with a variable")
            << QByteArray("page.shtml") << QByteArray("<!--#include virtual=\"/${LANG}/f.html\" -->")
            << QByteArrayList{"! its path is computed by the server"};
        QTest::newRow("ssi inside php is php's")
            << QByteArray("page.php") << QByteArray("<?php $s = '<!--#include virtual=\"/x.html\" -->'; ?>")
            << QByteArrayList{};
        QTest::newRow("php forms") << QByteArray("page.php")
                                   << QByteArray(
                                          "<?php include 'a.php'; include_once(\"b.php\"); REQUIRE 'c.php' ?>"
                                          "<?php require_once ( 'd.php' ) ; ?>")
                                   << QByteArrayList{"sub/a.php", "sub/b.php", "sub/c.php", "sub/d.php"};
        QTest::newRow("php expressions")
            << QByteArray("page.php")
            << QByteArray("<?php include __DIR__ . '/a.php'; include $x; include \"$dir/b.php\"; ?>")
            << QByteArrayList{"! its path is computed by the server", "! its path is computed by the server",
                              "! its path is computed by the server"};
        QTest::newRow("php: strings, comments and members are no includes")
            << QByteArray("page.php")
            << QByteArray("<?php $a = 'include \"x.php\";'; // include 'y.php'\n/* require 'z.php'; */"
                          " $o->include('w.php'); Foo::require('v.php'); ?>")
            << QByteArrayList{};
        QTest::newRow("php: an absolute path and a URL")
            << QByteArray("page.php")
            << QByteArray("<?php include '/etc/f.php'; include 'http://x/f.php'; ?>")
            << QByteArrayList{"! its path is absolute", "! it is fetched from the network"};
        QTest::newRow("php in a page by name")
            << QByteArray("page.html") << QByteArray("<? include 'a.php'; ?>") << QByteArrayList{};
    }
    void includesAreRead() {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, page);
        QFETCH(QByteArrayList, leads);
        QByteArrayList found;
        for (const PageInclude& include : findIncludes(page.toStdString(), name.toStdString())) {
            const Result<std::string> path = resolveInclude(include, "sub/" + name.toStdString());
            found << QByteArray::fromStdString(path ? *path : "! " + path.reason());
        }
        QCOMPARE(found, leads);
    }

    void serverCodeIsLeftWhole_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<int>("refused"); // -1: the block goes before the last </body>
        const int placed = -1;
        const int written = int(Failure::Kind::ServerWritten);
        QTest::newRow("PHP mail in a string")
            << "send.php"
            << QByteArray("<?php $body = \"<html><body>Thanks</body></html>\"; "
                          "mail($to, 'Hi', $body); ?>\n<html><body><p>Sent</p></body></html>\n")
            << placed;
        QTest::newRow("string holding ?>")
            << "a.php" << QByteArray("<?php $s = '?> </body>'; ?><body>x</body>") << placed;
        QTest::newRow("escaped quote")
            << "a.php" << QByteArray("<?php $s = 'it\\'s ?></body>'; ?><body>x</body>") << placed;
        QTest::newRow("heredoc") << "a.php"
                                 << QByteArray(
                                        "<?php $x = <<<EOT\n</body> ?> {$y}\n  EOT;\n?>\n<body>x</body>")
                                 << placed;
        QTest::newRow("nowdoc") << "a.php"
                                << QByteArray("<?php $x = <<<'EOT'\n?></body>\nEOT;\n?><body>x</body>")
                                << placed;
        QTest::newRow("// comment ends at ?>")
            << "a.php" << QByteArray("<?php // note ?><body>x</body>") << placed;
        QTest::newRow("# comment to its line's end")
            << "a.php" << QByteArray("<?php # </body>\n ?><body>x</body>") << placed;
        QTest::newRow("block comment holding ?>")
            << "a.php" << QByteArray("<?php /* ?></body> */ ?><body>x</body>") << placed;
        QTest::newRow("bare <? in a .php file")
            << "a.php" << QByteArray("<? echo \"</body>\"; ?><body>x</body>") << placed;
        QTest::newRow("<?= in a page")
            << "a.html" << QByteArray("<html><?= \"</body>\" ?><body>x</body></html>") << placed;
        QTest::newRow("<?xml is no code")
            << "a.php" << QByteArray("<?xml version=\"1.0\"?><html><body>x</body></html>") << placed;
        QTest::newRow("unclosed region after the page")
            << "a.php" << QByteArray("<html><body>x</body></html>\n<?php log(1);") << placed;
        QTest::newRow("ASP") << "a.asp" << QByteArray("<% Response.Write(\"</body>\") %><body>x</body>")
                             << placed;
        QTest::newRow("JSP comment") << "a.jsp" << QByteArray("<%-- </body> --%><body>x</body>") << placed;
        QTest::newRow("ERB output in a page")
            << "a.html" << QByteArray("<%= \"</body>\" %><body>x</body>") << placed;
        QTest::newRow("markers in a string")
            << "a.php" << QByteArray("<?php $c = '" + Start + "'; ?><html><body>x</body></html>") << placed;
        QTest::newRow("only </body> echoed")
            << "a.php" << QByteArray("<?php echo \"<html><body>Hi</body></html>\"; ?>\n") << written;
        QTest::newRow("only </body> in a heredoc")
            << "a.html" << QByteArray("<?php print <<<X\n<body>a</body>\nX;\n?>") << written;
        QTest::newRow("a NUL in code is no text")
            << "a.php" << QByteArray("<?php $a = \"\0\"; ?><body>x</body>", 32) << int(Failure::Kind::Binary);
        QTest::newRow("an old block whose cut opens code")
            << "a.php" << QByteArray("<" + OldBlock + "?php echo 1; ?><body>x</body>")
            << int(Failure::Kind::TangledMarkers);
        QTest::newRow("page ends inside code")
            << "a.html" << QByteArray("<html><body>x<?php if ($a) {") << int(Failure::Kind::EndsInside);
    }
    void serverCodeIsLeftWhole() {
        QFETCH(QString, name);
        QFETCH(QByteArray, page);
        QFETCH(int, refused);
        const std::string text = page.toStdString();
        const Result<RewritePlan> planned =
            planRewrite(text, Mode::Insert, NewBlock.toStdString(), name.toStdString());
        if (refused >= 0) {
            QVERIFY(!planned);
            QCOMPARE(int(planned.kind()), refused);
            return;
        }
        QVERIFY2(planned, planned ? "" : planned.reason().c_str());
        const qsizetype body = page.lastIndexOf("</body>");
        QCOMPARE(QByteArray::fromStdString(planned->text(text)), page.left(body) + NewBlock + page.mid(body));
        // Markers inside code are the code's: remove leaves the page as it is.
        const Result<RewritePlan> removed =
            planRewrite(text, Mode::Remove, NewBlock.toStdString(), name.toStdString());
        QVERIFY(removed && !removed->changed);
    }

    void insertChangesWebPagesOnly_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<bool>("inserts");
        QTest::newRow("a page by its name") << QStringLiteral("a.HTM") << QByteArray("x</body>") << true;
        QTest::newRow("a template") << QStringLiteral("a.php") << QByteArray("x</body>") << true;
        QTest::newRow("a page by its doctype")
            << QStringLiteral("a.txt") << QByteArray("\xEF\xBB\xBF <!DOCTYPE html>x</body>") << true;
        QTest::newRow("a script that mentions a body tag")
            << QStringLiteral("a.js") << QByteArray("s = '{O}</body>';") << false;
    }

    void insertChangesWebPagesOnly() {
        QFETCH(QString, name);
        QFETCH(QByteArray, page);
        QFETCH(bool, inserts);
        const std::string text = expand(page).toStdString();
        const Result<RewritePlan> insert =
            planRewrite(text, Mode::Insert, NewBlock.toStdString(), name.toStdString());
        QCOMPARE(insert.ok(), inserts);
        if (!inserts)
            QCOMPARE(insert.kind(), Failure::Kind::NotWebPage);
        const Result<RewritePlan> remove = planRewrite(text, Mode::Remove, "", name.toStdString());
        QVERIFY(remove);
        QCOMPARE(remove->blocksRemoved, std::size_t(page.contains("{O}") ? 1 : 0));
    }

    void binaryWithOldBlockIsNeverTouched() {
        const QByteArray page = expand("\x89PNG{O}") + QByteArray("\0", 1);
        const std::string text = page.toStdString();
        QCOMPARE(planRewrite(text, Mode::Remove, "", "page.html").kind(), Failure::Kind::Binary);
    }

    void utf16_data() {
        QTest::addColumn<bool>("bigEndian");
        QTest::newRow("little endian") << false;
        QTest::newRow("big endian") << true;
    }

    void utf16() {
        QFETCH(bool, bigEndian);
        const QString page = QStringLiteral("  <body>\u00E9t\u00E9 \u20AC</BODY>");
        const QByteArray input = utf16Page(page, bigEndian);
        const QByteArray inserted = ::rewrite(input, Mode::Insert);
        QCOMPARE(plan(input.toStdString(), Mode::Insert)->encoding,
                 bigEndian ? PageEncoding::Utf16BE : PageEncoding::Utf16LE);
        const QString expected = QStringLiteral("<body>\u00E9t\u00E9 \u20AC") +
                                 QString::fromLatin1(NewBlock) + QStringLiteral("</BODY>");
        QCOMPARE(inserted, utf16Page(expected, bigEndian));
        QCOMPARE(::rewrite(inserted, Mode::Insert), inserted);
        QCOMPARE(::rewrite(inserted, Mode::Remove), utf16Page(page.trimmed(), bigEndian));
    }

    // The promises that matter most, over pages of many shapes.
    void roundTrips_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::newRow("plain page") << QByteArray("<html><body><p>Hello</p></body></html>\r\n");
        QTest::newRow("no body tag") << QByteArray("<p>fragment</p>\n");
        QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF<body>\xC3\xA9</body>");
        QTest::newRow("Latin-1 bytes") << QByteArray("<body>\xE9t\xE9</body>");
        QTest::newRow("LF line ends") << QByteArray("<html>\n<body>\n</body>\n</html>\n");
        QTest::newRow("spaces around") << QByteArray("   <body> </body>   ");
        QTest::newRow("lone markers") << expand("{E}<body>{S}</body>");
        QTest::newRow("only spaces") << QByteArray("    ");
        QTest::newRow("comment and script") << QByteArray("<!--</body>--><script>'</body>'</script></body>");
    }

    void roundTrips() {
        QFETCH(QByteArray, page);
        QByteArray trimmed = page;
        while (trimmed.startsWith(' '))
            trimmed.remove(0, 1);
        while (trimmed.endsWith(' '))
            trimmed.chop(1);

        const QByteArray once = ::rewrite(page, Mode::Insert);
        QCOMPARE(::rewrite(once, Mode::Insert), once);
        QCOMPARE(::rewrite(once, Mode::Remove), trimmed);
        QCOMPARE(once.count(Start), trimmed.count(Start) + 1);

        // Outside the block, every byte is the trimmed page's.
        const qsizetype at = once.indexOf(NewBlock);
        QVERIFY(at >= 0);
        QCOMPARE(once.left(at) + once.mid(at + NewBlock.size()), trimmed);
    }

    void largePageKeepsPiecesOfTheOriginal() {
        std::string page(8 << 20, 'x');
        page += "</body></html>";
        const RewritePlan plan = *planRewrite(page, Mode::Insert, NewBlock.toStdString(), "page.html");
        const auto pieces = plan.pieces(page);
        QCOMPARE(pieces.size(), std::size_t(3));
        QCOMPARE(static_cast<const void*>(pieces.front().data()), static_cast<const void*>(page.data()));
        QCOMPARE(plan.size(), page.size() + NewBlock.size());
    }

    void pageExtensions_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("page");
        QTest::newRow("index.html") << QByteArray("index.html") << true;
        QTest::newRow("news.Htm") << QByteArray("news.Htm") << true;
        QTest::newRow("a.SHTML") << QByteArray("a.SHTML") << true;
        QTest::newRow("b.shtm") << QByteArray("b.shtm") << true;
        QTest::newRow("the extension alone") << QByteArray(".HTM") << true;
        QTest::newRow("c.xhtml") << QByteArray("c.xhtml") << false;
        QTest::newRow("d.htm.bak") << QByteArray("d.htm.bak") << false;
        QTest::newRow("Logo.GIF") << QByteArray("Logo.GIF") << false;
        QTest::newRow("htm without a dot") << QByteArray("xhtm") << false;
    }

    void pageExtensions() {
        QFETCH(QByteArray, name);
        QFETCH(bool, page);
        QCOMPARE(hasPageExtension(name.toStdString()), page);
    }
};

QTEST_EACH_KERNEL_MAIN(TestPageRewriter)
#include "tst_PageRewriter.moc"
