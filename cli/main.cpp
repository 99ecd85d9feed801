#include "cli/CliRun.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("code-inserter-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(INSERTER_VERSION_TEXT));
    return cli::run(QCoreApplication::arguments(), stdout, stderr);
}
