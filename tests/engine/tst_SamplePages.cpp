#include "engine/PageRewriter.h"
#include "engine/TrackingBlock.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace engine;

namespace {

QByteArray rewrite(const QByteArray& page, Mode mode, const std::string& block, RewritePlan* out = nullptr) {
    const std::string text = page.toStdString();
    const RewritePlan plan = planRewrite(text, mode, block, true);
    if (out)
        *out = plan;
    return QByteArray::fromStdString(plan.text(text));
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
        const std::string block = *buildTrackingBlock("12345", NormalProtocol, name);

        RewritePlan plan;
        const QByteArray once = rewrite(page, Mode::Insert, block, &plan);
        if (plan.status == RewritePlan::Status::Binary ||
            plan.status == RewritePlan::Status::TangledMarkers) {
            QVERIFY(name.ends_with(".gif") || name.starts_with("nested"));
            QVERIFY(!plan.changed);
            return;
        }
        // Only pages are changed in insert mode; other files are left to the batch to skip.
        QCOMPARE(isWebPage(name, page.toStdString()), !name.ends_with(".js"));
        QCOMPARE(plan.status, RewritePlan::Status::Rewritten);
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
};

QTEST_GUILESS_MAIN(TestSamplePages)
#include "tst_SamplePages.moc"
