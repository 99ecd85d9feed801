// A run through the real wizard window against the command-line tool on a copy of
// the same tree: the window shown (run it under Xvfb, not offscreen), driven from
// page 0 to page 3 with every page of the tree ticked.
//   xvfb-run -a bench_wizard [PAGES...]      default 5000 and 20000 pages, 100 to a folder

#include "platform/QtPlatform.h"
#include "wizard/Form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

bool makeTree(const QString& root, int pages) {
    const QByteArray page = "<!DOCTYPE html>\r\n<html><head><title>Page</title></head>\r\n<body>\r\n<p>Lorem "
                            "ipsum dolor sit amet.</p>\r\n</body>\r\n</html>\r\n";
    for (int i = 0; i < pages; ++i) {
        const QString folder =
            QStringLiteral("%1/section%2/part%3").arg(root).arg(i / 10000).arg(i / 100 % 100);
        if (i % 100 == 0 && !QDir().mkpath(folder))
            return false;
        QFile f(QStringLiteral("%1/page%2.html").arg(folder).arg(i));
        if (!f.open(QIODevice::WriteOnly))
            return false;
        f.write(page);
    }
    return true;
}

template <typename T> T* child(const QWidget& form, const char* name) {
    return form.findChild<T*>(QLatin1String(name));
}

double wizardRun(const QString& tree) {
    platform::QtPlatform platform;
    wizard::Form1 form(platform);
    form.start();
    if (!QTest::qWaitForWindowExposed(&form))
        std::printf("the window was not shown: run under Xvfb\n");
    child<QLineEdit>(form, "Text1")->setText(tree);
    child<QCheckBox>(form, "Check1")->setChecked(true);
    auto* next = child<QPushButton>(form, "Command1_1");
    next->click();
    child<QPushButton>(form, "Command3_0")->click();
    next->click();
    child<QLineEdit>(form, "Text2")->setText(QStringLiteral("12345"));
    QElapsedTimer clock;
    clock.start();
    next->click(); // the run happens inside this click, as page 3 shows it
    return static_cast<double>(clock.elapsed()) / 1000.0;
}

double cliRun(const QString& tree) {
    QElapsedTimer clock;
    clock.start();
    QProcess cli;
    cli.setStandardOutputFile(QProcess::nullDevice());
    cli.start(QStringLiteral(INSERTER_CLI), {QStringLiteral("insert"), QStringLiteral("-r"),
                                             QStringLiteral("--all"), QStringLiteral("--site=12345"), tree});
    cli.waitForFinished(-1);
    return static_cast<double>(clock.elapsed()) / 1000.0;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QList<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes << std::atoi(argv[i]);
    if (sizes.isEmpty())
        sizes = {5000, 20000};
    for (const int pages : sizes) {
        QTemporaryDir forWizard;
        QTemporaryDir forCli;
        if (!makeTree(forWizard.path(), pages) || !makeTree(forCli.path(), pages))
            return 1;
        QProcess::execute(QStringLiteral("sync"), {});
        const double cli = cliRun(forCli.path());
        const double wizard = wizardRun(forWizard.path());
        std::printf(
            "%d pages: wizard %.2f s, command-line tool %.2f s: %.2f times as long (goal: at most 1.3)\n",
            pages, wizard, cli, wizard / cli);
    }
    return 0;
}
