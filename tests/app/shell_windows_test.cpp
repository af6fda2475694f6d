// The configurator's windows, offscreen: creation order, the main window's dispatch and labels,
// the new and open dialogs, the settings saved on close, the update-check timer and the links.
#include "app/about_window.h"
#include "app/corvane_application.h"
#include "app/main_window.h"
#include "app/main_window_layout.h"
#include "app/new_project_window.h"
#include "app/open_conf_window.h"
#include "app/settings_file.h"
#include "app/startup.h"
#include "app/window_set.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_dir.h"
#include "update/boot_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <functional>
#include <memory>

using namespace corvane;
namespace fs = std::filesystem;

namespace {

class FakeHttpClient : public HttpClient {
public:
    std::optional<std::string> answer;
    std::optional<std::string> get(const Request&) override { return answer; }
};

// Watches for modal windows while a button runs: each one is recorded by class name and handed to
// `act` (default: closed with Cancel), so a test never hangs on an unexpected window.
class ModalWatch {
public:
    explicit ModalWatch(std::function<void(QDialog*)> act = {}) : act_(std::move(act)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(5);
    }
    QStringList opened;

private:
    void poll() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog == handled_) return;
        handled_ = dialog;
        // The next showing, even of the same window, is a new one.
        QObject::connect(dialog, &QDialog::finished, &timer_, [this] { handled_ = nullptr; }, Qt::SingleShotConnection);
        opened << QString(dialog->metaObject()->className()).section("::", -1);
        if (act_) act_(dialog);
        else dialog->reject();
    }
    std::function<void(QDialog*)> act_;
    QTimer timer_;
    QDialog* handled_ = nullptr;
};

QString labelText(QWidget* window, const char* name) { return window->findChild<QLabel*>(name)->text(); }

} // namespace

class ShellWindowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TempDir> dir;
    std::unique_ptr<AppState> state;
    testing::FakePrompts prompts;
    testing::FakeUrlOpener urls;
    FakeHttpClient http;
    Platform platform;
    std::unique_ptr<WindowSet> windows;

    // Start-up in the prepared folder, then every window.
    void start() {
        state = std::make_unique<AppState>();
        startUp(*state, dir->path());
        windows = std::make_unique<WindowSet>(*state, platform);
    }
    TFCorvanoFirmWare& main() { return windows->main(); }
    QPushButton* button(const char* name) { return main().findChild<QPushButton*>(name); }
    QString text(int index) const { return QString::fromStdString(state->Texts[index]); }
    void expectNoConfiguration() {
        QCOMPARE(labelText(&main(), "L_Name_Conf"), text(9));
        QCOMPARE(labelText(&main(), "L_Name_Conf_L2"), text(10));
        QVERIFY(state->ProjectDir.empty());
    }
    void expectConfiguration(const QString& name) {
        QCOMPARE(labelText(&main(), "L_Name_Conf"), text(11));
        QCOMPARE(labelText(&main(), "L_Name_Conf_L2"), name);
        QCOMPARE(QString::fromStdString(state->ProjectName), name);
        QCOMPARE(state->ProjectDir, state->ProjectsDir / name.toStdString());
    }
    // Presses New and types `name` followed by Enter; the dialog is cancelled if it stays open.
    void createThroughDialog(const QString& name) {
        ModalWatch watch([name](QDialog* dialog) {
            QTest::keyClicks(dialog->findChild<QLineEdit*>("E_New_Proj"), name);
            QTest::keyClick(dialog->findChild<QLineEdit*>("E_New_Proj"), Qt::Key_Return);
            if (dialog->isVisible()) dialog->reject();
        });
        button("Btn_New")->click();
    }
    // Presses Open, lets `choose` act on the list, then presses OK (or Cancel).
    void openThroughDialog(std::function<void(QListWidget*)> choose, bool ok = true) {
        ModalWatch watch([&](QDialog* dialog) {
            choose(dialog->findChild<QListWidget*>("ListBox1"));
            dialog->findChild<QPushButton*>(ok ? "Btn_OK" : "Btn_Cancel")->click();
        });
        button("Btn_Open")->click();
    }

private slots:
    void init() {
        dir = std::make_unique<testing::TempDir>();
        prompts = {};
        urls = {};
        http.answer.reset();
        platform = {};
        platform.prompts = &prompts;
        platform.urls = &urls;
        platform.http = &http;
    }
    void cleanup() {
        windows.reset();
        state.reset();
        dir.reset();
    }

    void windowsAreCreatedOnceInTheirOrder() {
        start();
        QStringList names;
        for (QWidget* window : windows->creationOrder()) names << QString(window->metaObject()->className()).section("::", -1);
        QCOMPARE(names, (QStringList{"TFCorvanoFirmWare", "TFNew_Project", "TFOpenConf", "TFAbout", "TFSoftOptions",
                                     "TFParGen", "TFDALI_Access", "TFBoot"}));
    }

    void firstStartInAnEmptyFolder() {
        start();
        for (const char* folder : {"MASTER", "PROJECTS", "LANGUAGE"}) QVERIFY(fs::is_directory(*dir / folder));
        expectNoConfiguration();
        QVERIFY(!main().updateTimer()->isActive());
        QCOMPARE(main().windowTitle(), QString("Telvornet - Configurator QS51207 - DALI / Ethernet "));
        QCOMPARE(main().size(), QSize(694, 396));
        main().close();
        AppState saved;
        readSettingsFile(*dir / "Corvane.xml", saved);
        QCOMPARE(saved.ProjectName, std::string());
        QCOMPARE(saved.LastIpAddress, std::string("192.168.2.205"));
        QCOMPARE(saved.LanguageName, std::string("English"));
        QVERIFY(!saved.EnableInternet && !saved.EnableUpdateCheck && !saved.EnableJumpFieldTables && !saved.DoubleClickAutoSize);
    }

    void everyControlShowsItsCatalogueText() {
        start();
        for (const ButtonPlace& place : kMainButtons) {
            QPushButton* b = button(place.name);
            QVERIFY2(b, place.name);
            QCOMPARE(b->isVisibleTo(&main()), place.visible);
            QCOMPARE(b->geometry(), QRect(place.left, place.top, place.width, place.height));
            if (place.captionText != kNoText) QCOMPARE(b->text(), text(place.captionText));
            if (place.hintText != kNoText) QCOMPARE(b->toolTip(), text(place.hintText));
        }
        for (const ButtonPlace& place : kIconButtons) QCOMPARE(button(place.name)->toolTip(), text(place.hintText));
        for (const LabelPlace& place : kStepLabels) {
            QCOMPARE(labelText(&main(), place.name), text(place.text));
            QCOMPARE(main().findChild<QLabel*>(place.name)->isVisibleTo(&main()), place.visible);
        }
        QVERIFY(!main().findChild<QLabel*>("LL_Update")->isVisibleTo(&main()));
    }

    void editorsRefuseWithoutAConfiguration_data() {
        QTest::addColumn<QString>("name");
        for (const ButtonPlace& place : kMainButtons)
            if (QString(place.name) != "Btn_New" && QString(place.name) != "Btn_Open") QTest::newRow(place.name) << place.name;
    }
    void editorsRefuseWithoutAConfiguration() {
        QFETCH(QString, name);
        start();
        ModalWatch watch;
        main().findChild<QPushButton*>(name)->click();
        QCOMPARE(prompts.shown.size(), size_t(1));
        QCOMPARE(prompts.shown[0].kind, std::string("error"));
        QCOMPARE(prompts.shown[0].text, std::string("Error! Project not Valid"));
        QVERIFY(watch.opened.isEmpty());
        QVERIFY(!fs::exists(*dir / "PROJECTS" / "bin"));
    }

    void newOpenInfoAndOptionsWorkWithoutAConfiguration_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("window");
        QTest::newRow("new") << "Btn_New" << "TFNew_Project";
        QTest::newRow("open") << "Btn_Open" << "TFOpenConf";
        QTest::newRow("info") << "Btn_Info" << "TFAbout";
        QTest::newRow("options") << "Btn_Opz" << "TFSoftOptions";
    }
    void newOpenInfoAndOptionsWorkWithoutAConfiguration() {
        QFETCH(QString, name);
        QFETCH(QString, window);
        start();
        ModalWatch watch;
        button(name.toLatin1())->click();
        QCOMPARE(watch.opened, QStringList{window});
        QVERIFY(prompts.shown.empty());
        expectNoConfiguration(); // cancelled: nothing changes
    }

    void editorsOpenWithAConfiguration_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("window");
        QTest::newRow("communication") << "Btn_Prm_Gen" << "TFParGen";
        QTest::newRow("DALI") << "Btn_DALI_Access" << "TFDALI_Access";
        QTest::newRow("update") << "Btn_CreateBin" << "TFBoot";
    }
    void editorsOpenWithAConfiguration() {
        QFETCH(QString, name);
        QFETCH(QString, window);
        fs::create_directories(*dir / "PROJECTS" / "Plant A");
        dir->write("Corvane.xml", "<Conf_Settings><lastproj><projectname>Plant A</projectname></lastproj></Conf_Settings>");
        start();
        ModalWatch watch;
        button(name.toLatin1())->click();
        QCOMPARE(watch.opened, QStringList{window});
        QVERIFY(prompts.shown.empty());
    }

    // Each press rebuilds the three images before the update window opens, even when it is then
    // closed without an update.
    void updateDeviceWritesTheImagesThenOpensTheUpdateWindow() {
        fs::create_directories(*dir / "PROJECTS" / "Plant A");
        start();
        createThroughDialog("Plant B");
        ModalWatch watch;
        button("Btn_CreateBin")->click();
        QCOMPARE(watch.opened, QStringList{"TFBoot"});
        for (const char* image : {"bank.bin", "bank_ESP32_1.bin", "bank_ESP32_2.bin"})
            QVERIFY2(fs::file_size(*dir / "PROJECTS" / "Plant B" / "bin" / image) > 0, image);
        QCOMPARE(main().windows().boot->Form_Type, 1);
        fs::remove(*dir / "PROJECTS" / "Plant B" / "bin" / "bank.bin");
        button("Btn_CreateBin")->click();
        QVERIFY(fs::exists(*dir / "PROJECTS" / "Plant B" / "bin" / "bank.bin"));
    }

    void aFailedImageBuildIsShownAndTheUpdateWindowStaysClosed_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("named");
        QTest::newRow("malformed settings") << "ParGen.xml" << "<ParGen><Ethernet>" << "ParGen.xml";
        QTest::newRow("bin is a file") << "bin" << "not a folder" << "bin";
    }
    void aFailedImageBuildIsShownAndTheUpdateWindowStaysClosed() {
        QFETCH(QString, file);
        QFETCH(QString, content);
        QFETCH(QString, named);
        start();
        createThroughDialog("Plant");
        const fs::path project = *dir / "PROJECTS" / "Plant";
        fs::remove_all(project / "bin");
        dir->write("PROJECTS/Plant/" + file.toStdString(), content.toStdString());
        ModalWatch watch;
        button("Btn_CreateBin")->click();
        QVERIFY(watch.opened.isEmpty());
        QCOMPARE(prompts.shown.size(), size_t(1));
        QCOMPARE(prompts.shown[0].kind, std::string("error"));
        QVERIFY2(QString::fromStdString(prompts.shown[0].text).contains(named), prompts.shown[0].text.c_str());
        QVERIFY(!fs::exists(project / "bin" / "bank.bin"));
    }

    void closeButtonClosesAndSaves() {
        start();
        main().show();
        button("Btn_Close")->click();
        QVERIFY(!main().isVisible());
        QVERIFY(fs::exists(*dir / "Corvane.xml"));
    }

    void newConfigurationBecomesActive() {
        start();
        createThroughDialog("Plant A");
        expectConfiguration("Plant A");
        QVERIFY(fs::is_directory(*dir / "PROJECTS" / "Plant A" / "bin"));
        QCOMPARE(state->Files.ParGenPath, *dir / "PROJECTS" / "Plant A" / "ParGen.xml");
        QVERIFY(prompts.shown.empty());
    }

    void newConfigurationKeepsLeadingBlanks() {
        start();
        createThroughDialog(" Plant");
        expectConfiguration(" Plant");
    }

    void refusedNamesKeepTheDialogOpen_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("message");
        QTest::newRow("empty") << "" << 107;
        QTest::newRow("existing") << "Old" << 106;
        QTest::newRow("dot") << "." << 105;
        QTest::newRow("dot dot") << ".." << 105;
        QTest::newRow("parent path") << "../Outside" << 105;
        QTest::newRow("slash") << "a/b" << 105;
        QTest::newRow("backslash") << "a\\b" << 105;
    }
    void refusedNamesKeepTheDialogOpen() {
        QFETCH(QString, name);
        QFETCH(int, message);
        fs::create_directories(*dir / "PROJECTS" / "Old");
        start();
        bool stayedOpen = false;
        ModalWatch watch([&](QDialog* dialog) {
            auto* edit = dialog->findChild<QLineEdit*>("E_New_Proj");
            QTest::keyClicks(edit, name);
            dialog->findChild<QPushButton*>("Btn_OK")->click();
            stayedOpen = dialog->isVisible();
            dialog->reject();
        });
        button("Btn_New")->click();
        QVERIFY(stayedOpen);
        QCOMPARE(QString::fromStdString(prompts.lastText()), text(message));
        expectNoConfiguration();
        QVERIFY(!fs::exists(*dir / "Outside"));
    }

    void cancelledNewDialogChangesNothing() {
        fs::create_directories(*dir / "PROJECTS" / "Plant A");
        dir->write("Corvane.xml", "<Conf_Settings><lastproj><projectname>Plant A</projectname></lastproj></Conf_Settings>");
        start();
        ModalWatch watch([](QDialog* dialog) {
            QTest::keyClicks(dialog->findChild<QLineEdit*>("E_New_Proj"), "Other");
            dialog->findChild<QPushButton*>("Btn_Cancel")->click();
        });
        button("Btn_New")->click();
        expectConfiguration("Plant A");
        QVERIFY(!fs::exists(*dir / "PROJECTS" / "Other"));
    }

    void newDialogStartsEmptyEveryTime() {
        start();
        createThroughDialog("One");
        QString shownText = "not shown";
        ModalWatch watch([&](QDialog* dialog) {
            shownText = dialog->findChild<QLineEdit*>("E_New_Proj")->text();
            dialog->reject();
        });
        button("Btn_New")->click();
        QCOMPARE(shownText, QString());
    }

    void openPreselectsTheActiveConfiguration_data() {
        QTest::addColumn<QString>("active");
        QTest::addColumn<QString>("preselected");
        QTest::newRow("active B") << "B" << "B";
        QTest::newRow("none active") << "" << "A";
    }
    void openPreselectsTheActiveConfiguration() {
        QFETCH(QString, active);
        QFETCH(QString, preselected);
        for (const char* name : {"C", "A", "B"}) fs::create_directories(*dir / "PROJECTS" / name);
        dir->write("Corvane.xml", "<Conf_Settings><lastproj><projectname>" + active.toStdString() +
                                      "</projectname></lastproj></Conf_Settings>");
        start();
        QString selected;
        openThroughDialog([&](QListWidget* list) {
            QCOMPARE(list->count(), 3);
            selected = list->currentItem()->text();
        });
        QCOMPARE(selected, preselected);
        expectConfiguration(preselected);
    }

    // A click on an item or a move of the selection with the keys chooses that configuration.
    void openActivatesTheChosenConfiguration_data() {
        QTest::addColumn<int>("key"); // 0: a mouse click on the item
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("expected");
        QTest::newRow("click B") << 0 << 1 << "B";
        QTest::newRow("click C") << 0 << 2 << "C";
        QTest::newRow("down key") << int(Qt::Key_Down) << 0 << "B";
        QTest::newRow("end key") << int(Qt::Key_End) << 0 << "C";
    }
    void openActivatesTheChosenConfiguration() {
        QFETCH(int, key);
        QFETCH(int, row);
        QFETCH(QString, expected);
        for (const char* name : {"A", "B", "C"}) fs::create_directories(*dir / "PROJECTS" / name);
        start();
        openThroughDialog([&](QListWidget* list) {
            if (key) QTest::keyClick(list, Qt::Key(key));
            else QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        });
        expectConfiguration(expected);
    }

    void cancelledOpenChangesNothing() {
        for (const char* name : {"A", "B"}) fs::create_directories(*dir / "PROJECTS" / name);
        start();
        openThroughDialog(
            [](QListWidget* list) {
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
            },
            false);
        expectNoConfiguration();
    }

    void openWithAnEmptyListFirstTimeLeavesNoConfiguration() {
        start();
        openThroughDialog([](QListWidget* list) { QCOMPARE(list->count(), 0); });
        expectNoConfiguration();
        ModalWatch watch;
        button("Btn_Prm_Gen")->click();
        QCOMPARE(prompts.lastText(), std::string("Error! Project not Valid"));
        QVERIFY(watch.opened.isEmpty());
    }

    // The dialog returns the earlier choice for an empty list; its folder is gone, so nothing opens.
    void openWithAnEmptyListAfterTheFolderWentLeavesNoConfiguration() {
        fs::create_directories(*dir / "PROJECTS" / "Gone");
        start();
        openThroughDialog([](QListWidget*) {});
        expectConfiguration("Gone");
        fs::remove_all(*dir / "PROJECTS" / "Gone");
        openThroughDialog([](QListWidget* list) { QCOMPARE(list->count(), 0); });
        expectNoConfiguration();
        QVERIFY(!fs::exists(*dir / "PROJECTS" / "Gone"));
    }

    void aFailedSaveIsShownNamingTheFile() {
        start();
        fs::create_directories(*dir / "Corvane.xml"); // a folder in the file's place
        QVERIFY(!main().Save_Setting());
        QCOMPARE(prompts.shown.size(), size_t(1));
        QVERIFY(prompts.shown[0].text.find("Corvane.xml") != std::string::npos);
        main().close(); // the close still closes
        QVERIFY(!main().isVisible());
    }

    void timerRunsOnlyWithInternetAndUpdateCheck_data() {
        QTest::addColumn<bool>("internet");
        QTest::addColumn<bool>("update");
        QTest::newRow("both") << true << true;
        QTest::newRow("internet only") << true << false;
        QTest::newRow("update only") << false << true;
        QTest::newRow("neither") << false << false;
    }
    void timerRunsOnlyWithInternetAndUpdateCheck() {
        QFETCH(bool, internet);
        QFETCH(bool, update);
        dir->write("Corvane.xml", std::string("<Conf_Settings><lastinternet><enable_internet>") + (internet ? "1" : "0") +
                                      "</enable_internet><enable_update>" + (update ? "1" : "0") +
                                      "</enable_update></lastinternet></Conf_Settings>");
        start();
        QCOMPARE(main().updateTimer()->isActive(), internet && update);
        QCOMPARE(main().updateTimer()->interval(), 60000);
    }

    void timerSwitchedByTheOptionsRule() {
        start();
        state->EnableInternet = state->EnableUpdateCheck = true;
        main().applyUpdateTimerRule();
        QVERIFY(main().updateTimer()->isActive());
        const int timerId = main().updateTimer()->timerId();
        main().applyUpdateTimerRule(); // already running: keeps its count
        QCOMPARE(main().updateTimer()->timerId(), timerId);
        state->EnableUpdateCheck = false;
        main().applyUpdateTimerRule();
        QVERIFY(!main().updateTimer()->isActive());
    }

    void optionsOkSavesAndSetsTheTimer() {
        start();
        ModalWatch watch([](QDialog* dialog) {
            dialog->findChild<QCheckBox*>("CB_En_Con")->setChecked(true);
            dialog->findChild<QCheckBox*>("CB_Update")->setChecked(true);
            dialog->findChild<QPushButton*>("Btn_OK")->click();
        });
        button("Btn_Opz")->click();
        QVERIFY(main().updateTimer()->isActive());
        AppState saved;
        readSettingsFile(*dir / "Corvane.xml", saved);
        QVERIFY(saved.EnableInternet && saved.EnableUpdateCheck);
    }

    void timerTickShowsTheLinkForANewerVersion_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("shown");
        QTest::newRow("newer") << "VER. 1.301" << true;
        QTest::newRow("same") << "VER. 1.300" << false;
        QTest::newRow("unknown") << "ver. 0.000" << false;
        QTest::newRow("no answer") << QString() << false;
    }
    void timerTickShowsTheLinkForANewerVersion() {
        QFETCH(QString, answer);
        QFETCH(bool, shown);
        dir->write("Corvane.xml", "<Conf_Settings><lastinternet><enable_internet>1</enable_internet>"
                                  "<enable_update>1</enable_update></lastinternet></Conf_Settings>");
        if (!answer.isNull()) http.answer = answer.toStdString();
        start();
        auto* link = main().findChild<QLabel*>("LL_Update");
        QMetaObject::invokeMethod(main().updateTimer(), "timeout", Qt::DirectConnection);
        QTRY_COMPARE(main().updateTimer()->interval(), 7200000);
        QVERIFY(main().updateTimer()->isActive());
        QCOMPARE(link->isVisibleTo(&main()), shown);
        if (!shown) return;
        QVERIFY(link->text().contains(text(19)));
        state->EnableUpdateCheck = false; // options confirmed without the check: the link stays
        main().applyUpdateTimerRule();
        QVERIFY(!main().updateTimer()->isActive());
        QVERIFY(link->isVisibleTo(&main()));
        emit link->linkActivated("http://www.telvornet.com/Home/download/download.asp#QD51207");
        QCOMPARE(urls.opened.back(), std::string("http://www.telvornet.com/Home/download/download.asp#QD51207"));
    }

    void theMakersLinksOpenInTheBrowser() {
        start();
        auto* telvor = main().findChild<QLabel*>("L_Telvor");
        QTest::mouseClick(telvor, Qt::LeftButton);
        QCOMPARE(urls.opened, std::vector<std::string>{"http://www.telvornet.com/HOME/default.asp?frompg=QS51207"});
        auto* about = main().findChild<TFAbout*>();
        QTest::mouseClick(about->findChild<QLabel*>("Label4"), Qt::LeftButton);
        QTest::mouseClick(about->findChild<QLabel*>("Image2"), Qt::LeftButton);
        QCOMPARE(urls.opened.size(), size_t(3));
        QCOMPARE(urls.opened[2], urls.opened[0]);
    }

    void languageChangeReachesEveryWindowButTheFixedTexts() {
        fs::create_directories(*dir / "PROJECTS" / "Plant A");
        start();
        dir->write("LANGUAGE/Italiano.lng", "STR11 = Configurazione aperta : \nSTR15 = Nuova configurazione\n"
                                            "STR22 = Crea\nSTR100 = Crea nuova configurazione\nSTR200 = Apri\n");
        state->Texts.InitLanguage(state->LanguageDir, state->LanguageName = "Italiano");
        openThroughDialog([](QListWidget*) {});
        main().Change_Language();
        QCOMPARE(button("Btn_New")->text(), QString("Nuova configurazione"));
        QCOMPARE(button("Btn_New")->toolTip(), QString("Crea"));
        QCOMPARE(labelText(&main(), "L_Name_Conf"), QString("Configurazione aperta :"));
        QCOMPARE(main().findChild<TFNew_Project*>()->windowTitle(), QString("Crea nuova configurazione"));
        QCOMPARE(main().findChild<TFOpenConf*>()->windowTitle(), QString("Apri"));
        QCOMPARE(main().windowTitle(), QString("Telvornet - Configurator QS51207 - DALI / Ethernet "));
        QCOMPARE(labelText(&main(), "L_SW_Code"), QString("QS51207"));
        QCOMPARE(labelText(&main(), "L_SW_Desc"), QString("DALI / Ethernet - Converter"));
        auto* about = main().findChild<TFAbout*>();
        about->show();
        QCOMPARE(labelText(about, "Label10"), QString("1.300")); // the version the check sends
        QCOMPARE(labelText(about, "Label6"), QString("Software Code : "));
        QCOMPARE(about->windowTitle(), QString("About..."));
    }
};

// An exception leaving an event handler is shown and the run goes on.
class ThrowingObject : public QObject {
public:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) throw std::runtime_error("File \"x.xml\": broken");
        return QObject::event(event);
    }
};

class ApplicationTest : public QObject {
    Q_OBJECT
private slots:
    void unhandledErrorsAreShown() {
        testing::FakePrompts prompts;
        static_cast<CorvaneApplication*>(qApp)->setPrompts(&prompts);
        ThrowingObject object;
        QEvent event(QEvent::User);
        QCOMPARE(QCoreApplication::sendEvent(&object, &event), false);
        QCOMPARE(prompts.lastText(), std::string("File \"x.xml\": broken"));
        static_cast<CorvaneApplication*>(qApp)->setPrompts(nullptr);
    }
};

int main(int argc, char* argv[]) {
    CorvaneApplication application(argc, argv);
    ShellWindowsTest windows;
    ApplicationTest app;
    return QTest::qExec(&windows, argc, argv) | QTest::qExec(&app, argc, argv);
}

#include "shell_windows_test.moc"
