// The options dialog, offscreen: language pages, the language question and when the choice is
// stored, the check-box rules and the immediate version check.
#include "app/settings_file.h"
#include "app/soft_options_window.h"
#include "app/startup.h"
#include "app/version_checker.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_dir.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QtTest>

#include <filesystem>
#include <memory>

using namespace corvane;
namespace fs = std::filesystem;

namespace {

// Answers every request with a fixed text (nullopt = failure) and remembers the last request.
class FakeHttpClient : public HttpClient {
public:
    std::optional<std::string> answer;
    std::optional<std::string> get(const Request& request) override {
        lastPath = request.path;
        return answer;
    }
    std::string lastPath;
};

// A configurator folder after start-up, with the options dialog on top.
struct Fixture {
    testing::TempDir dir;
    AppState state;
    testing::FakePrompts prompts;
    testing::FakeUrlOpener urls;
    FakeHttpClient http;
    Platform platform;
    std::unique_ptr<TFSoftOptions> window;
    int languageChanges = 0;

    explicit Fixture(const QStringList& languages = {}) {
        startUp(state, dir.path());
        for (const QString& name : languages) addLanguage(name.toStdString(), "STR20 = " + name.toStdString() + " 20");
        platform.prompts = &prompts;
        platform.urls = &urls;
        platform.http = &http;
        window = std::make_unique<TFSoftOptions>(state, platform);
        window->setChangeLanguage([this] {
            ++languageChanges;
            window->Set_Lang();
        });
    }
    void addLanguage(const std::string& name, const std::string& content) {
        dir.write("LANGUAGE/" + name + ".lng", content);
    }
    template <typename T>
    T* child(const char* name) const {
        T* found = window->findChild<T*>(name);
        if (!found) qFatal("no control %s", name);
        return found;
    }
    QString labelText(const char* name) const { return child<QLabel>(name)->text(); }
    bool visible(const char* name) const { return !child<QWidget>(name)->isHidden(); }
    void click(const char* name) const { child<QPushButton>(name)->click(); }
    // Shows the dialog as the main window does and leaves it open.
    void show() {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void clickSlot(int slot) { QTest::mouseClick(child<QLabel>(qPrintable(QString("L_L%1").arg(slot))), Qt::LeftButton); }
};

QStringList languageNames(int count) {
    QStringList names;
    for (int i = 0; i < count; ++i) names << QString("Lang%1").arg(QChar('A' + i));
    return names;
}

} // namespace

class SoftOptionsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void hasTheGeometryAndTexts() {
        Fixture f;
        QCOMPARE(f.window->size(), QSize(509, 373));
        QCOMPARE(f.window->windowTitle(), QString("Software Options"));
        f.show();
        QCOMPARE(f.child<QPushButton>("Btn_OK")->geometry(), QRect(16, 339, 110, 28));
        QCOMPARE(f.child<QPushButton>("Btn_Cancel")->geometry(), QRect(134, 339, 110, 28));
        QCOMPARE(f.child<QPushButton>("Btn_Check_Update")->geometry(), QRect(36, 78, 204, 28));
        QCOMPARE(f.child<QLabel>("I_L5")->geometry(), QRect(254, 94, 48, 48));
        QCOMPARE(f.child<QLabel>("L_L2")->pos(), QPoint(80, 110));
        QCOMPARE(f.labelText("L_SW_Code"), QString("QS51207"));
        auto* pages = f.child<QTabWidget>("PC_Options");
        QCOMPARE(pages->tabText(0), QString("Language"));
        QCOMPARE(pages->tabText(1), QString("Connection Options"));
        QCOMPARE(pages->tabText(2), QString("Software Settings"));
        QCOMPARE(f.child<QCheckBox>("CB_DoubleClick_Auto_Size")->text(),
                 QString("Enable Auto Size of Table Columns by Double Click"));
    }

    void pagesOfSixLanguages_data() {
        QTest::addColumn<int>("languages");
        QTest::addColumn<int>("nextClicks");
        QTest::addColumn<QString>("pageText");
        QTest::addColumn<int>("slotsShown");
        QTest::addColumn<bool>("prevShown");
        QTest::addColumn<bool>("nextShown");
        QTest::newRow("eight, first page") << 8 << 0 << "Page 1 / 2" << 6 << false << true;
        QTest::newRow("eight, second page") << 8 << 1 << "Page 2 / 2" << 2 << true << false;
        QTest::newRow("eight, next on the last page") << 8 << 2 << "Page 2 / 2" << 2 << true << false;
        QTest::newRow("exactly six") << 6 << 0 << "Page 1 / 1" << 6 << false << false;
        QTest::newRow("seven, second page") << 7 << 1 << "Page 2 / 2" << 1 << true << false;
        QTest::newRow("thirteen, middle page") << 13 << 1 << "Page 2 / 3" << 6 << true << true;
        QTest::newRow("none") << 0 << 0 << "Page 1 / 0" << 0 << false << false;
    }
    void pagesOfSixLanguages() {
        QFETCH(int, languages);
        QFETCH(int, nextClicks);
        Fixture f(languageNames(languages));
        f.show();
        for (int i = 0; i < nextClicks; ++i) f.click("Btn_Next");
        QTEST(f.labelText("L_Page_Lang"), "pageText");
        QFETCH(int, slotsShown);
        for (int slot = 1; slot <= TFSoftOptions::kSlotCount; ++slot)
            QCOMPARE(f.visible(qPrintable(QString("L_L%1").arg(slot))), slot <= slotsShown);
        QTEST(f.visible("Btn_Prev"), "prevShown");
        QTEST(f.visible("Btn_Next"), "nextShown");
    }

    void fillsTheLeftColumnFirstInCaseInsensitiveOrder() {
        Fixture f({"delta", "Alpha", "charlie", "Bravo", "echo", "Foxtrot", "golf"});
        f.show();
        const char* expected[] = {"Alpha", "Bravo", "charlie", "delta", "echo", "Foxtrot"};
        for (int slot = 1; slot <= 6; ++slot)
            QCOMPARE(f.labelText(qPrintable(QString("L_L%1").arg(slot))), QString(expected[slot - 1]));
        f.click("Btn_Next");
        QCOMPARE(f.labelText("L_L1"), QString("golf"));
        f.click("Btn_Prev");
        QCOMPARE(f.labelText("L_Page_Lang"), QString("Page 1 / 2"));
        QCOMPARE(f.labelText("L_Sel_Lang"), QString("Selected Language : English"));
    }

    void showsTheLanguagesFlagOrTheDefaultOne() {
        Fixture f({"Deutsch", "Espanol", "Italiano"});
        saveFlag(f.dir / "LANGUAGE/Deutsch.bmp", Qt::red);
        saveFlag(f.dir / "LANGUAGE/DefaultFlag.bmp", Qt::blue);
        fs::remove(f.dir / "LANGUAGE/Italiano.lng");
        f.show();
        QCOMPARE(flagColour(f, "I_L1"), QColor(Qt::red));
        QCOMPARE(flagColour(f, "I_L2"), QColor(Qt::blue));
        QVERIFY(!f.visible("L_L3")); // a language removed since the last showing disappears

        fs::remove(f.dir / "LANGUAGE/DefaultFlag.bmp");
        f.window->hide();
        f.show();
        QVERIFY(f.visible("I_L1"));
        QVERIFY(!f.visible("I_L2")); // neither its own nor the default picture
        QVERIFY(f.visible("L_L2"));
    }

    void answeringNoChangesNothing() {
        Fixture f({"Italiano"});
        f.show();
        f.prompts.answers = {false};
        f.clickSlot(1);
        QCOMPARE(f.prompts.lastText(), std::string("Do you want to change the Language from English to Italiano?"));
        QCOMPARE(f.state.Texts[20], std::string("Set Communication"));
        QCOMPARE(f.languageChanges, 0);
        f.click("Btn_OK");
        QCOMPARE(f.state.LanguageName, std::string("English"));
    }

    // Yes shows the language in every window at once; only OK keeps it for the next start.
    void aPickedLanguageIsStoredOnlyOnOk_data() {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QString>("storedLanguage");
        QTest::addColumn<QString>("textAfterRestart");
        QTest::newRow("OK") << true << "Italiano" << "Imposta Comunicazione";
        QTest::newRow("Cancel") << false << "English" << "Set Communication";
    }
    void aPickedLanguageIsStoredOnlyOnOk() {
        QFETCH(bool, confirm);
        Fixture f;
        f.addLanguage("Italiano", "\xEF\xBB\xBFSTR20 = Imposta Comunicazione\nSTR300 = Opzioni Software\n"
                                 "STR304 = Lingua : \xC2\xB6");
        f.show();
        f.clickSlot(1);
        QCOMPARE(f.languageChanges, 1);
        QCOMPARE(f.state.Texts[20], std::string("Imposta Comunicazione"));
        QCOMPARE(f.window->windowTitle(), QString("Opzioni Software"));
        QCOMPARE(f.labelText("L_Sel_Lang"), QString("Lingua : Italiano"));
        QCOMPARE(f.labelText("L_Page_Lang"), QString("Page 1 / 1"));
        QCOMPARE(f.state.LanguageName, std::string("English")); // not yet stored

        f.click(confirm ? "Btn_OK" : "Btn_Cancel");
        QCOMPARE(f.window->result(), confirm ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QCOMPARE(f.state.Texts[20], std::string("Imposta Comunicazione")); // stays for this run
        QTEST(QString::fromStdString(f.state.LanguageName), "storedLanguage");

        writeSettingsFile(f.dir / "Corvane.xml", f.state);
        AppState restarted;
        startUp(restarted, f.dir.path());
        QTEST(QString::fromStdString(restarted.LanguageName), "storedLanguage");
        QTEST(QString::fromStdString(restarted.Texts[20]), "textAfterRestart");
    }

    void switchingBackRestoresTheEnglishDefaults() {
        Fixture f({"English"});
        f.addLanguage("Italiano", "STR20 = Imposta Comunicazione");
        f.show();
        f.clickSlot(2);
        QCOMPARE(f.state.Texts[20], std::string("Imposta Comunicazione"));
        f.clickSlot(1);
        QCOMPARE(f.prompts.lastText(), std::string("Do you want to change the Language from Italiano to English?"));
        QCOMPARE(f.state.Texts[20], std::string("English 20"));
        f.click("Btn_OK");
        QCOMPARE(f.state.LanguageName, std::string("English"));
    }

    void aLanguageFileWithoutValidLinesGivesTheEnglishTexts() {
        Fixture f;
        f.addLanguage("Broken", "this is no language file\nstr20 = x\nSTR20 =\n");
        f.show();
        f.clickSlot(1);
        QCOMPARE(f.state.Texts[20], std::string("Set Communication"));
        QCOMPARE(f.labelText("L_Sel_Lang"), QString("Selected Language : Broken"));
        QCOMPARE(f.state.LanguageName, std::string("English"));
        f.click("Btn_OK");
        QCOMPARE(f.state.LanguageName, std::string("Broken"));
    }

    void theCheckBoxesFollowTheFlags_data() {
        QTest::addColumn<bool>("internet");
        QTest::addColumn<bool>("updateCheck");
        QTest::addColumn<bool>("updateEnabled");
        QTest::addColumn<bool>("checkNowEnabled");
        QTest::newRow("both") << true << true << true << true;
        QTest::newRow("internet only") << true << false << true << false;
        QTest::newRow("update check only") << false << true << false << false;
        QTest::newRow("neither") << false << false << false << false;
    }
    void theCheckBoxesFollowTheFlags() {
        QFETCH(bool, internet);
        QFETCH(bool, updateCheck);
        Fixture f;
        f.state.EnableInternet = internet;
        f.state.EnableUpdateCheck = updateCheck;
        f.state.EnableJumpFieldTables = true;
        f.show();
        QCOMPARE(f.child<QCheckBox>("CB_En_Con")->isChecked(), internet);
        QCOMPARE(f.child<QCheckBox>("CB_Update")->isChecked(), updateCheck);
        QVERIFY(f.child<QCheckBox>("CB_Soft_Set_Jump_Table")->isChecked());
        QVERIFY(!f.child<QCheckBox>("CB_DoubleClick_Auto_Size")->isChecked());
        QTEST(f.child<QCheckBox>("CB_Update")->isEnabled(), "updateEnabled");
        QTEST(f.child<QPushButton>("Btn_Check_Update")->isEnabled(), "checkNowEnabled");
        QVERIFY(!f.visible("LL_Check_Update"));
        QCOMPARE(f.child<QTabWidget>("PC_Options")->currentIndex(), 0);
    }

    void clicksRecomputeTheEnabling() {
        Fixture f;
        f.state.EnableInternet = true;
        f.state.EnableUpdateCheck = true;
        f.show();
        auto* internet = f.child<QCheckBox>("CB_En_Con");
        auto* update = f.child<QCheckBox>("CB_Update");
        auto* checkNow = f.child<QPushButton>("Btn_Check_Update");
        internet->click();
        QVERIFY(!update->isEnabled() && update->isChecked() && !checkNow->isEnabled());
        internet->click();
        QVERIFY(update->isEnabled() && checkNow->isEnabled());
        update->click();
        QVERIFY(update->isEnabled() && !checkNow->isEnabled());
    }

    void okStoresTheTicksEvenOfADisabledBox() {
        Fixture f;
        f.state.EnableInternet = true;
        f.state.EnableUpdateCheck = true;
        f.show();
        f.child<QCheckBox>("CB_En_Con")->click();
        f.child<QCheckBox>("CB_DoubleClick_Auto_Size")->click();
        f.click("Btn_OK");
        QVERIFY(!f.state.EnableInternet);
        QVERIFY(f.state.EnableUpdateCheck);
        QVERIFY(!f.state.EnableJumpFieldTables);
        QVERIFY(f.state.DoubleClickAutoSize);
    }

    void cancelStoresNothing() {
        Fixture f;
        f.show();
        for (const char* box : {"CB_En_Con", "CB_Update", "CB_Soft_Set_Jump_Table", "CB_DoubleClick_Auto_Size"})
            f.child<QCheckBox>(box)->click();
        f.click("Btn_Cancel");
        QVERIFY(!f.state.EnableInternet && !f.state.EnableUpdateCheck);
        QVERIFY(!f.state.EnableJumpFieldTables && !f.state.DoubleClickAutoSize);
    }

    void theImmediateCheckShowsItsAnswer_data() {
        QTest::addColumn<QVariant>("answer"); // an invalid QVariant = the request failed
        QTest::addColumn<bool>("link");
        QTest::newRow("newer") << QVariant("VER. 1.301") << true;
        QTest::newRow("same") << QVariant("VER. 1.300") << false;
        QTest::newRow("unknown") << QVariant("ver. 0.000") << false;
        QTest::newRow("html page") << QVariant("<html><body>Not found</body></html>") << false;
        QTest::newRow("no answer") << QVariant() << false;
    }
    void theImmediateCheckShowsItsAnswer() {
        QFETCH(QVariant, answer);
        QFETCH(bool, link);
        Fixture f;
        f.state.EnableInternet = f.state.EnableUpdateCheck = true;
        if (answer.isValid()) f.http.answer = answer.toString().toStdString();
        f.show();
        QSignalSpy finished(&f.window->versionChecker(), &VersionChecker::finished);
        f.click("Btn_Check_Update");
        QVERIFY(finished.wait(5000));
        QCOMPARE(f.http.lastPath, std::string("/home/download/GetversionSW.asp?nomesw=QS51207"));
        auto* label = f.child<QLabel>("LL_Check_Update");
        QVERIFY(!label->isHidden());
        if (link) {
            QCOMPARE(label->text(), QString("<a href=\"http://www.telvornet.com/Home/download/download.asp#QD51207\">"
                                            "New Version Available. Click Here for more Details</a>"));
            emit label->linkActivated("http://www.telvornet.com/Home/download/download.asp#QD51207");
            QCOMPARE(f.urls.opened.size(), size_t(1));
        } else {
            QCOMPARE(label->text(), QString("No Update Available"));
        }
    }

    void aCheckWithoutHttpClientFindsNothingNewer() {
        Fixture f;
        f.platform.http = nullptr;
        TFSoftOptions window(f.state, f.platform);
        QSignalSpy finished(&window.versionChecker(), &VersionChecker::finished);
        QVERIFY(window.versionChecker().start());
        QVERIFY(finished.wait(1000));
        QCOMPARE(finished.first().first().toBool(), false);
    }

private:
    static void saveFlag(const fs::path& path, Qt::GlobalColor colour) {
        QImage image(16, 12, QImage::Format_RGB32);
        image.fill(colour);
        QVERIFY(image.save(QString::fromStdString(path.string()), "BMP"));
    }
    static QColor flagColour(const Fixture& f, const char* name) {
        const QLabel* picture = f.child<QLabel>(name);
        if (picture->isHidden() || picture->pixmap().isNull()) return {};
        return picture->pixmap().toImage().pixelColor(0, 0);
    }
};

QTEST_MAIN(SoftOptionsWindowTest)
#include "soft_options_window_test.moc"
