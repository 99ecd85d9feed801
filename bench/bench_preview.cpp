// The wizard's preview of a large run: 1,000 pages of one line each, 223 MB in
// all, every page ticked. Prints how long the preview took to tell every page,
// and the program's peak memory (goal: under 200 MB). Run it under Xvfb or with
// QT_QPA_PLATFORM=offscreen:
//   bench_preview [PAGES] [KB A PAGE]      default 1000 and 223

#include "platform/QtPlatform.h"
#include "wizard/Form1.h"
#include "wizard/PreviewDialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <sys/resource.h>

namespace {

template <typename T> T* child(const QWidget& form, const char* name) {
    return form.findChild<T*>(QLatin1String(name));
}

// The real platform, but the preview is watched until it has told every page,
// with the focus moved through some of them (each makes its diff).
class Watching final : public platform::QtPlatform {
public:
    double seconds = 0;
    int listed = 0;
    void showModal(QDialog& dialog) override {
        auto& preview = static_cast<wizard::PreviewDialog&>(dialog);
        QElapsedTimer clock;
        clock.start();
        dialog.show();
        auto* list = child<QListWidget>(dialog, "List3");
        while (!preview.finished()) {
            QTest::qWait(20);
            if (list->count() > 0)
                list->setCurrentRow(list->count() - 1);
        }
        seconds = double(clock.elapsed()) / 1000.0;
        listed = list->count();
        dialog.hide();
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int pages = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int kb = argc > 2 ? std::atoi(argv[2]) : 223;
    QTemporaryDir dir;
    const QByteArray text = "<html><body><p>" + QByteArray(kb * 1024 - 40, 'x') + "</p></body></html>\n";
    for (int i = 0; i < pages; ++i) {
        QFile page(dir.filePath(QStringLiteral("page%1.html").arg(i)));
        if (!page.open(QIODevice::WriteOnly) || page.write(text) != text.size())
            return 1;
    }
    Watching platform;
    wizard::Form1 form(platform);
    form.start();
    child<QLineEdit>(form, "Text1")->setText(dir.path());
    auto* next = child<QPushButton>(form, "Command1_1");
    next->click();
    child<QPushButton>(form, "Command3_0")->click();
    next->click();
    child<QLineEdit>(form, "Text2")->setText(QStringLiteral("12345"));
    child<QPushButton>(form, "Command5")->click();
    struct rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    std::printf(
        "preview of %d pages, %.0f MB in all: %d listed in %.2f s, peak %.1f MB (goal: under 200 MB)\n",
        pages, double(pages) * text.size() / 1e6, platform.listed, platform.seconds,
        double(usage.ru_maxrss) / 1024.0);
    return 0;
}
