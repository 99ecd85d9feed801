#include "platform/QtPlatform.h"
#include "version/Version.h"
#include "wizard/Form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("code-inserter"));
    QApplication::setApplicationVersion(QString::fromLatin1(version::text()));
    QApplication::setDesktopFileName(QStringLiteral("code-inserter"));

    platform::QtPlatform platform;
    wizard::Form1 form(platform);
    form.Form_Load();
    return app.exec();
}
