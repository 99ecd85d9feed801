// How long the wizard takes to show the page list of a large folder, and to mark
// the entries that carry the tracking code (off the window's thread).
//   bench_pagelist [FILES]      default 40,000 files, every tenth carrying the code

#include "platform/QtPlatform.h"
#include "wizard/Form1.h"
#include "wizard/PageMarks.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int files = argc > 1 ? std::atoi(argv[1]) : 40000;
    QTemporaryDir dir;
    const QByteArray plain = "<html><body><p>x</p></body></html>\r\n";
    const QByteArray marked =
        "<html><body><p>x</p>\r\n<!-- START OF TRAFALYTIC CODE, COPYRIGHT 2003 VORNIQUE LLC "
        "-->\r\n<script src=\"http://db0.trafalytic.com/script/1.js\"></script>\r\n<!-- END OF "
        "TRAFALYTIC CODE -->\r\n</body></html>\r\n";
    for (int i = 0; i < files; ++i) {
        QFile f(dir.filePath(QStringLiteral("page%1.html").arg(i)));
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        f.write(i % 10 == 0 ? marked : plain);
    }

    platform::QtPlatform platform;
    wizard::Form1 form(platform);
    auto* list = form.findChild<QListWidget*>(QStringLiteral("List1"));
    form.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(dir.path());
    QElapsedTimer clock;
    clock.start();
    form.findChild<QPushButton*>(QStringLiteral("Command1_1"))->click();
    QCoreApplication::processEvents();
    const qint64 shown = clock.elapsed();
    // The marks are worked out in the background; wait for the last of them.
    QEventLoop loop;
    QObject::connect(form.findChild<wizard::PageMarks*>(), &wizard::PageMarks::finished, &loop,
                     [&] { QTimer::singleShot(0, &loop, &QEventLoop::quit); });
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    loop.exec();
    const qint64 markedAt = clock.elapsed();
    int marks = 0;
    for (int i = 0; i < list->count(); ++i)
        marks += list->item(i)->data(Qt::AccessibleDescriptionRole).isValid() ? 1 : 0;
    std::printf("page list of %d files shown in %lld ms (goal: within 1000 ms); %d marks in %lld ms\n",
                list->count(), static_cast<long long>(shown), marks, static_cast<long long>(markedAt));
    return 0;
}
