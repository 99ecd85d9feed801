// The wizard speaks the locale's language, English where it has none; Qt's own
// buttons speak it too; Arabic mirrors every place.
#include "FakePlatform.h"
#include "wizard/Form1.h"
#include "wizard/Languages.h"
#include "wizard/Outcomes.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

class TestLanguages : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() {
        QLocale::setDefault(QLocale(QLocale::English));
        wizard::useLanguageOf();
    }

    void localePicksTheLanguage_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("next"); // the caption of "&Next"
        QTest::addColumn<QString>("yes");  // Qt's own "Yes" button
        QTest::newRow("German") << QStringLiteral("de_DE") << QStringLiteral("de")
                                << QStringLiteral("&Weiter") << QStringLiteral("&Ja");
        QTest::newRow("French in Canada") << QStringLiteral("fr_CA") << QStringLiteral("fr")
                                          << QStringLiteral("&Suivant") << QStringLiteral("&Oui");
        QTest::newRow("Brazilian") << QStringLiteral("pt_BR") << QStringLiteral("pt_BR")
                                   << QStringLiteral("&Avançar") << QStringLiteral("&Sim");
        QTest::newRow("Chinese") << QStringLiteral("zh_CN") << QStringLiteral("zh_CN")
                                 << QStringLiteral("下一步(&N)") << QStringLiteral("是(&Y)");
        QTest::newRow("English") << QStringLiteral("en_GB") << QStringLiteral("en") << QStringLiteral("&Next")
                                 << QStringLiteral("&Yes");
        QTest::newRow("none shipped: English") << QStringLiteral("sw_KE") << QStringLiteral("en")
                                               << QStringLiteral("&Next") << QStringLiteral("&Yes");
    }

    void localePicksTheLanguage() {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QFETCH(QString, next);
        QFETCH(QString, yes);
        QLocale::setDefault(QLocale(locale));
        QCOMPARE(wizard::useLanguageOf(), language);
        FakePlatform platform;
        wizard::Form1 form(platform);
        QCOMPARE(form.findChild<QPushButton*>(QStringLiteral("Command1_1"))->text(), next);
        QMessageBox box(QMessageBox::Warning, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), yes);
    }

    // The engine's reasons in the user's language where their wording is known,
    // with the part the engine filled in kept; English where it is not.
    void reasonsTranslated_data() {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("german");
        QTest::newRow("whole") << QStringLiteral("changed since the run: left as it is")
                               << QStringLiteral("seit dem Lauf geändert: unverändert gelassen");
        QTest::newRow("with a part")
            << QStringLiteral("the page has 2 other hard link(s); rewriting it would split them")
            << QStringLiteral("die Seite hat 2 weitere harte Verknüpfung(en); Umschreiben würde sie trennen");
        QTest::newRow("unknown") << QStringLiteral("Permission denied")
                                 << QStringLiteral("Permission denied");
    }

    void reasonsTranslated() {
        QFETCH(QString, engine);
        QFETCH(QString, german);
        QLocale::setDefault(QLocale(QStringLiteral("de")));
        wizard::useLanguageOf();
        QCOMPARE(wizard::Outcomes::reason(engine.toStdString()), german);
    }

    // Each control's left edge in Arabic is its container's width less its right
    // edge in English, at the smallest size and larger.
    void arabicMirrors_data() {
        QTest::addColumn<int>("grown");
        QTest::newRow("smallest") << 0;
        QTest::newRow("larger") << 200;
    }

    void arabicMirrors() {
        QFETCH(int, grown);
        const auto places = [grown](const QString& locale) {
            QLocale::setDefault(QLocale(locale));
            wizard::useLanguageOf();
            FakePlatform platform;
            wizard::Form1 form(platform);
            form.start();
            form.resize(form.minimumSize() + QSize(grown, grown));
            QApplication::processEvents();
            QMap<QString, QPair<int, int>> edges; // left, and right as its container's width less it
            for (const QWidget* w : form.findChildren<QWidget*>()) {
                if (!w->objectName().isEmpty() && w->parentWidget())
                    edges.insert(w->objectName(), {w->x(), w->parentWidget()->width() - w->x() - w->width()});
            }
            return edges;
        };
        const auto english = places(QStringLiteral("en"));
        const auto arabic = places(QStringLiteral("ar"));
        QVERIFY(QApplication::isRightToLeft());
        int checked = 0;
        for (const QString& name :
             {QStringLiteral("Image1"), QStringLiteral("Label15"), QStringLiteral("Command1_0"),
              QStringLiteral("Command1_2"), QStringLiteral("Frame1_0"), QStringLiteral("Text1"),
              QStringLiteral("Command2"), QStringLiteral("List1"), QStringLiteral("Command3_1"),
              QStringLiteral("Combo1"), QStringLiteral("Option2"), QStringLiteral("List2")}) {
            QVERIFY2(english.contains(name) && arabic.contains(name), qPrintable(name));
            QCOMPARE(arabic[name].first, english[name].second);
            ++checked;
        }
        QCOMPARE(checked, 12);
    }

    // Page 2 in German and in Arabic, for the README.
    void screenshots() {
        const QString shots = qEnvironmentVariable("INSERTER_SHOTS");
        if (shots.isEmpty())
            QSKIP("set INSERTER_SHOTS to a folder to render page 2 in German and Arabic");
        for (const QString& language : {QStringLiteral("de"), QStringLiteral("ar")}) {
            QLocale::setDefault(QLocale(language));
            wizard::useLanguageOf();
            FakePlatform platform;
            platform.keptValues.insert(QStringLiteral("website"), QStringLiteral("12345"));
            wizard::Form1 form(platform);
            form.start();
            form.findChild<QWidget*>(QStringLiteral("Frame1_2"))
                ->move(form.findChild<QWidget*>(QStringLiteral("Frame1_0"))->pos());
            form.findChild<QWidget*>(QStringLiteral("Frame1_2"))->show();
            form.findChild<QWidget*>(QStringLiteral("Frame1_0"))->hide();
            QApplication::processEvents();
            QVERIFY(form.grab().save(shots + QStringLiteral("/page2-%1.png").arg(language)));
        }
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_Languages.moc"
