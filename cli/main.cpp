#include "cli/CliRun.h"
#include "version/Version.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("code-inserter-cli"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(version::text()));
    return cli::run(QCoreApplication::arguments(), stdout, stderr);
}
