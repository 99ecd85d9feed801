#include "engine/scan/Kernels.h"
#include "platform/QtPlatform.h"
#include "version/Version.h"
#include "wizard/Form1.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    // A scanning kernel asked for that cannot be used is said before any window opens.
    if (const engine::Result<void> kernel = engine::scan::kernelUsable(); !kernel) {
        std::fprintf(stderr, "code-inserter: %s\n", kernel.reason().c_str());
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("code-inserter"));
    QApplication::setApplicationVersion(QString::fromLatin1(version::text()));
    QApplication::setDesktopFileName(QStringLiteral("code-inserter"));

    platform::QtPlatform platform;
    wizard::Form1 form(platform);
    form.start();
    return app.exec();
}
