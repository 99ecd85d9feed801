#include "cli/CliRun.h"
#include "files/Names.h"
#include "version/Version.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("code-inserter-cli"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(version::text()));
    // The arguments as the system gave them: a folder's name that is not UTF-8
    // text keeps its bytes (QCoreApplication::arguments() would replace them).
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << files::decodeName(QByteArray(argv[i]));
    return cli::run(arguments, stdout, stderr);
}
