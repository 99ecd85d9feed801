#include "platform/QtPlatform.h"
#include "wizard/Form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("code-inserter"));
    QApplication::setApplicationVersion(QStringLiteral(INSERTER_VERSION_TEXT));
    QApplication::setDesktopFileName(QStringLiteral("code-inserter"));

    platform::QtPlatform platform;
    wizard::Form1 form(platform);
    form.Form_Load();
    return app.exec();
}
