#include "EachKernel.h"
#include "engine/PageRewriter.h"
#include "engine/TrackingBlock.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace engine;

namespace {

// Planned as a page by its name (the batch skips files that are not pages);
// a page that is not rewritten stays as it is.
Result<RewritePlan> plan(const QByteArray& page, Mode mode, const std::string& block) {
    return planRewrite(page.toStdString(), mode, block, "page.html");
}

QByteArray rewrite(const QByteArray& page, Mode mode, const std::string& block) {
    const Result<RewritePlan> planned = plan(page, mode, block);
    return planned ? QByteArray::fromStdString(planned->text(page.toStdString())) : page;
}

// The page as text, for counting markers in any encoding.
QString asText(const QByteArray& page) {
    if (page.startsWith("\xFF\xFE"))
        return QString::fromUtf16(reinterpret_cast<const char16_t*>(page.constData() + 2),
                                  (page.size() - 2) / 2);
    if (page.startsWith("\xFE\xFF")) {
        QByteArray swapped = page.mid(2);
        for (qsizetype i = 0; i + 1 < swapped.size(); i += 2)
            std::swap(swapped[i], swapped[i + 1]);
        return QString::fromUtf16(reinterpret_cast<const char16_t*>(swapped.constData()), swapped.size() / 2);
    }
    return QString::fromLatin1(page);
}

int starts(const QByteArray& page) {
    return int(asText(page).count(QStringLiteral("<!-- START OF TRAFALYTIC CODE"), Qt::CaseInsensitive));
}

} // namespace

// Sample pages of awkward shapes, kept under tests/data/pages.
class TestSamplePages : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void promisesHold_data() {
        QTest::addColumn<QString>("file");
        const QDir dir(QStringLiteral(INSERTER_TEST_DATA "/pages"));
        const QStringList files = dir.entryList(QDir::Files, QDir::Name);
        QVERIFY(files.size() >= 15);
        for (const QString& name : files)
            QTest::newRow(qPrintable(name)) << dir.filePath(name);
    }

    void promisesHold() {
        QFETCH(QString, file);
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray page = f.readAll();
        const std::string name = QFileInfo(file).fileName().toStdString();
        const std::string block = *buildTrackingBlock(Site::parse("12345"), Protocol::Normal, name);

        const Result<RewritePlan> planned = plan(page, Mode::Insert, block);
        const QByteArray once = rewrite(page, Mode::Insert, block);
        if (!planned) {
            QVERIFY2(planned.kind() == Failure::Kind::Binary ||
                         planned.kind() == Failure::Kind::TangledMarkers ||
                         planned.kind() == Failure::Kind::EndsInside,
                     planned.reason().c_str());
            QVERIFY(name.ends_with(".gif") || name.starts_with("nested") || name.starts_with("unclosed"));
            return;
        }
        // Only pages are changed in insert mode; other files are left to the batch to skip.
        QCOMPARE(isWebPage(name, page.toStdString()), !name.ends_with(".js"));
        const QByteArray clean = rewrite(page, Mode::Remove, block);

        QCOMPARE(rewrite(once, Mode::Insert, block), once);  // inserting twice is inserting once
        QCOMPARE(rewrite(once, Mode::Remove, block), clean); // and removal takes exactly that out
        QCOMPARE(rewrite(clean, Mode::Remove, block), clean);
        QCOMPARE(starts(once), starts(clean) + 1); // one block more than the clean page
        QVERIFY(asText(once).contains(QString::fromLatin1(block.c_str())));
        if (page.startsWith("\xFF\xFE") || page.startsWith("\xFE\xFF"))
            QCOMPARE(once.left(2), page.left(2)); // the byte-order mark stays
        QVERIFY(!once.contains(QByteArray("\0", 1)) || page.contains(QByteArray("\0", 1)));
    }

    // Where the block lands: between the text given before and after it ("" after:
    // at the end), or nowhere ("-": the page is left as it is).
    void blockLands_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        const auto row = [](const char* file, const char* before, const char* after) {
            QTest::newRow(file) << QString::fromLatin1(file) << QString::fromLatin1(before)
                                << QString::fromLatin1(after);
        };
        row("body-in-attributes.html", "</iframe>\n", "</body >");
        row("body-in-comment.html", "<p>x</p>", "</body></html>");
        row("body-in-raw-text.html", "</template>\n", "</body>\n</html>");
        row("body-in-script.html", "<p>x</p>\n", "</body></html>");
        row("body-in-style.html", "<body>x", "</body></html>");
        row("docbook.html", "</DIV\n>", "</BODY\n></HTML");
        row("empty.html", "", "");
        row("html-comment-ends.html", "<!-- </body> -->\n", "</body></html>");
        row("no-body.html", "A fragment</p>\n", "");
        row("plain-lf.htm", "<p>Hello</p>\n", "</BODY>\n</html>");
        row("utf16le.html", "<body>\xe9t\xe9", "</body></html>");
        row("unclosed-comment.html", "-", "-");
        row("unclosed-script.html", "-", "-");
    }

    void blockLands() {
        QFETCH(QString, file);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFile f(QStringLiteral(INSERTER_TEST_DATA "/pages/") + file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray page = f.readAll();
        const std::string block =
            *buildTrackingBlock(Site::parse("12345"), Protocol::Normal, file.toStdString());
        const QString once = asText(rewrite(page, Mode::Insert, block));
        if (before == QLatin1String("-")) {
            QCOMPARE(plan(page, Mode::Insert, block).kind(), Failure::Kind::EndsInside);
            return;
        }
        const QString blockText = QString::fromLatin1(block.c_str());
        const qsizetype at = once.indexOf(blockText);
        QVERIFY(at >= 0);
        QVERIFY2(once.left(at).endsWith(before), qPrintable(once.left(at).right(40)));
        const QString rest = once.mid(at + blockText.size());
        QVERIFY2(after.isEmpty() ? rest.isEmpty() : rest.startsWith(after), qPrintable(rest.left(40)));
    }
};

QTEST_EACH_KERNEL_MAIN(TestSamplePages)
#include "tst_SamplePages.moc"
