// How long the wizard takes to show the page list of a large folder and of a tree,
// to mark the entries that carry the tracking code (off the window's thread), and
// to run the selection commands on it.
//   bench_pagelist [FILES]      default 40,000 files (every tenth carrying the code), and
//                               the commands on 50,000 entries

#include "platform/QtPlatform.h"
#include "wizard/Form1.h"
#include "wizard/PageMarks.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

const QByteArray Plain = "<html><body><p>x</p></body></html>\r\n";
const QByteArray Marked =
    "<html><body><p>x</p>\r\n<!-- START OF TRAFALYTIC CODE, COPYRIGHT 2003 VORNIQUE LLC "
    "-->\r\n<script src=\"http://db0.trafalytic.com/script/1.js\"></script>\r\n<!-- END OF "
    "TRAFALYTIC CODE -->\r\n</body></html>\r\n";

// `files` pages, flat or 100 to a folder beneath the folder.
bool makePages(const QString& root, int files, bool tree) {
    for (int i = 0; i < files; ++i) {
        const QString folder =
            tree ? QStringLiteral("%1/section%2/part%3").arg(root).arg(i / 10000).arg(i / 100 % 100) : root;
        if (i % 100 == 0 && !QDir().mkpath(folder))
            return false;
        QFile f(QStringLiteral("%1/page%2.html").arg(folder).arg(i));
        if (!f.open(QIODevice::WriteOnly))
            return false;
        f.write(i % 10 == 0 ? Marked : Plain);
    }
    return true;
}

template <typename T> T* child(const QWidget& form, const char* name) {
    return form.findChild<T*>(QLatin1String(name));
}

// Lists the folder on page 1 of a new window and waits for its marks.
void listAndMark(platform::QtPlatform& platform, const QString& folder, bool tree, const char* what) {
    wizard::Form1 form(platform);
    form.start(); // shown, so that the list is laid out and painted as a user sees it
    child<QLineEdit>(form, "Text1")->setText(folder);
    child<QCheckBox>(form, "Check1")->setChecked(tree);
    QElapsedTimer clock;
    clock.start();
    child<QPushButton>(form, "Command1_1")->click();
    QCoreApplication::processEvents();
    const qint64 shown = clock.elapsed();
    QEventLoop loop;
    QObject::connect(form.findChild<wizard::PageMarks*>(), &wizard::PageMarks::finished, &loop,
                     [&] { QTimer::singleShot(0, &loop, &QEventLoop::quit); });
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    loop.exec();
    const QAbstractItemModel* model = child<QAbstractItemView>(form, "List1")->model();
    int marks = 0;
    for (int i = 0; i < model->rowCount(); ++i)
        marks += model->index(i, 0).data(Qt::AccessibleDescriptionRole).isValid() ? 1 : 0;
    std::printf("%s: list of %d files shown in %lld ms (goal: within 1000 ms); %d marks in %lld ms\n", what,
                model->rowCount(), static_cast<long long>(shown), marks,
                static_cast<long long>(clock.elapsed()));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int files = argc > 1 ? std::atoi(argv[1]) : 40000;
    QTemporaryDir flat;
    QTemporaryDir tree;
    QTemporaryDir commands;
    if (!makePages(flat.path(), files, false) || !makePages(tree.path(), files, true) ||
        !makePages(commands.path(), 50000, false))
        return 1;
    platform::QtPlatform platform;
    listAndMark(platform, flat.path(), false, "flat folder");
    listAndMark(platform, tree.path(), true, "tree, subfolders included");

    wizard::Form1 form(platform);
    form.start();
    child<QLineEdit>(form, "Text1")->setText(commands.path());
    child<QPushButton>(form, "Command1_1")->click();
    for (const char* command : {"Command3_0", "Command3_1", "Command3_2"}) {
        QElapsedTimer clock;
        clock.start();
        child<QPushButton>(form, command)->click();
        QCoreApplication::processEvents();
        std::printf("%s on 50000 entries: %lld ms (goal: under 100 ms)\n",
                    qPrintable(child<QPushButton>(form, command)->text().remove(QLatin1Char('&'))),
                    static_cast<long long>(clock.elapsed()));
    }
    return 0;
}
