// The journal's reader on its own: a run written by the real writer, then its
// files damaged the ways a disk or a hand may damage them.
#include "files/JournalFormat.h"
#include "files/RunJournal.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const std::string Old = "<html><body>old text of the page</body></html>\n";
const std::string New = "<html><body>old text of the page<!-- block --></body></html>\n";

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestJournalReader : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void damagedRuns_data() {
        QTest::addColumn<QByteArray>("damage");
        QTest::addColumn<bool>("intact");   // the page's line vouches for it
        QTest::addColumn<bool>("readable"); // its old text comes back
        QTest::newRow("as written") << QByteArray() << true << true;
        QTest::newRow("a page line cut in half") << QByteArray("cut line") << false << false;
        QTest::newRow("a page line with a byte changed") << QByteArray("changed line") << false << false;
        QTest::newRow("an unknown field, the line checked again")
            << QByteArray("unknown field") << true << true;
        QTest::newRow("an unknown field added after the check")
            << QByteArray("unchecked field") << false << false;
        QTest::newRow("a frame that fails its checksum") << QByteArray("flipped frame") << true << false;
        QTest::newRow("a frame cut short") << QByteArray("short frame") << true << false;
    }

    void damagedRuns() {
        QFETCH(QByteArray, damage);
        QFETCH(bool, intact);
        QFETCH(bool, readable);
        const QTemporaryDir state;
        const QTemporaryDir site;
        qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
        {
            files::JournalWriter writer{std::string()};
            files::JournalRun header;
            header.command = QStringLiteral("insert");
            header.folder = QFile::encodeName(site.path());
            const engine::Result<void> begun = writer.begin(header);
            QVERIFY2(begun, begun ? "" : begun.reason().c_str());
            QVERIFY(writer.keep("a.html", Old, {New}));
            QVERIFY(writer.seal());
            QVERIFY(writer.finish());
        }
        const QString run =
            QDir(files::journalFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).value(0);
        const QString folder = files::journalFolder() + QLatin1Char('/') + run;
        QByteArrayList lines = readAll(folder + QStringLiteral("/manifest")).split('\n');
        QByteArray& line = lines[1];
        const QByteArray frames = readAll(folder + QStringLiteral("/old.zst"));
        if (damage == "cut line")
            line = line.left(line.size() / 2);
        if (damage == "changed line")
            line[line.indexOf("new_sha256") + 14] = line[line.indexOf("new_sha256") + 14] == 'a' ? 'b' : 'a';
        if (damage == "unknown field" || damage == "unchecked field") {
            const QByteArray body = line.left(line.lastIndexOf(",\"check\"")) + ",\"later\":\"1\"";
            line = damage == "unknown field" ? files::journal::checkedLine(body).chopped(1)
                                             : line.insert(1, "\"later\":\"1\",");
        }
        writeAll(folder + QStringLiteral("/manifest"), lines.join('\n'));
        if (damage == "flipped frame") {
            QByteArray flipped = frames;
            flipped[flipped.size() / 2] = char(flipped[flipped.size() / 2] ^ 0x5A);
            writeAll(folder + QStringLiteral("/old.zst"), flipped);
        }
        if (damage == "short frame")
            writeAll(folder + QStringLiteral("/old.zst"), frames.chopped(3));

        engine::Result<std::unique_ptr<files::JournalReader>> reader = files::openForUndo(run);
        QVERIFY2(reader, reader ? "" : reader.reason().c_str());
        engine::JournalRecord::Page page;
        const bool listed = (*reader)->nextPage(page);
        QCOMPARE(listed && page.intact.ok(), intact);
        if (!intact)
            return;
        QCOMPARE(page.path, std::string("a.html"));
        QCOMPARE((*reader)->compare(New), engine::JournalRecord::Holds::WhatTheRunWrote);
        const engine::Result<std::string> old = (*reader)->oldText(New);
        QCOMPARE(old.ok(), readable);
        if (readable)
            QCOMPARE(*old, Old);
    }
};

QTEST_GUILESS_MAIN(TestJournalReader)
#include "tst_JournalReader.moc"
