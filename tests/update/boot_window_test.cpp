// The update window, offscreen: its layout, the address fields, the '.' key, the remembered choices
// and what the update button does for each answer of the device.
#include "app/startup.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_dir.h"
#include "tests/update/fake_update_platform.h"
#include "tests/update/real_configuration.h"
#include "tests/update/scripted_clock.h"
#include "update/boot_window.h"
#include "update/icmp_echo_client.h"
#include "update/system_process_runner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <algorithm>
#include <filesystem>
#include <memory>

using namespace corvane;
namespace fs = std::filesystem;

namespace {

// A configurator folder after start-up with an active configuration and the update window.
struct Fixture {
    testing::TempDir dir;
    AppState state;
    testing::FakePrompts prompts;
    testing::FakeEchoClient echo;
    testing::FakeProcessRunner processes;
    testing::ScriptedClock clock;
    Platform platform;
    std::unique_ptr<TFBoot> window;

    Fixture() {
        startUp(state, dir.path());
        fs::create_directories(state.ProjectsDir / "Demo" / "bin");
        state.activateProject("Demo");
        platform.prompts = &prompts;
        platform.echo = &echo;
        platform.processes = &processes;
        window = std::make_unique<TFBoot>(state, platform);
        WaitClock scripted = clock.hooks();
        scripted.processEvents = [this] {
            ++clock.eventRounds;
            QCoreApplication::processEvents();
        };
        window->waitClock = scripted;
    }
    template <typename T>
    T* child(const char* name) const {
        T* found = window->findChild<T*>(name);
        if (!found) qFatal("no control %s", name);
        return found;
    }
    QLineEdit* field(int i) const { return child<QLineEdit>(qPrintable(QString("E_IP%1").arg(i))); }
    QStringList fields() const {
        QStringList texts;
        for (int i = 1; i <= 4; ++i) texts << field(i)->text();
        return texts;
    }
    void type(const QStringList& texts) const {
        for (int i = 1; i <= 4; ++i) field(i)->setText(texts[i - 1]);
    }
    void show() {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void update() { child<QPushButton>("Btn_Update")->click(); }
    fs::path jobFile() const { return state.AppDir / "Ethernet_Update.xml"; }
};

} // namespace

class BootWindowTest : public QObject {
    Q_OBJECT
private slots:
    void layoutNamesAndTexts();
    void languageChangeReappliesTheTexts();
    void fieldsFromLastAddress();
    void pointKeyJumpsToTheNextByte();
    void answeringDeviceWritesJobAndRunsUpdater();
    void noAnswerShowsTheMessageAndWritesNothing_data();
    void noAnswerShowsTheMessageAndWritesNothing();
    void choicesAreRememberedForTheRun();
    void unwritableJobIsReportedAndUpdaterNotStarted();
    void updaterRunningShowsTheWaitAndBlocksClosing();
    void missingUpdaterReturnsAtOnce();
    void cancelWritesNoJob();
    void jobNamesTheAddressThatAnswered();
    void endToEndAgainstLoopback();
};

void BootWindowTest::layoutNamesAndTexts() {
    Fixture f;
    f.show();
    QCOMPARE(f.window->size(), QSize(449, 230));
    QCOMPARE(f.window->windowTitle(), QString("Update Device by Ethernet (UDP)"));
    const struct {
        const char* name;
        QRect geometry;
    } panels[] = {{"P_Title", {0, 0, 449, 69}},
                  {"P_IP_Address", {0, 69, 449, 49}},
                  {"P_Options", {0, 118, 449, 72}},
                  {"P_Button", {0, 190, 449, 40}}};
    for (const auto& p : panels) QCOMPARE(f.child<QWidget>(p.name)->geometry(), p.geometry);
    for (int i = 1; i <= 4; ++i) {
        QCOMPARE(f.field(i)->width(), 41);
        QCOMPARE(f.field(i)->toolTip(), QString::fromStdString(f.state.Texts[820 + i]));
    }
    QCOMPARE(f.child<QComboBox>("CB_Update_Options")->width(), 382);
    QCOMPARE(f.child<QPushButton>("Btn_Cancel")->size(), QSize(110, 28));
    QCOMPARE(f.child<QPushButton>("Btn_Update")->size(), QSize(228, 28));
    QCOMPARE(f.child<QLabel>("L_SW_Code")->text(), QString("QS51207"));
    QCOMPARE(f.child<QLabel>("L_SW_Desc")->text(), QString("Update Device Using the Ethernet Port"));
    QCOMPARE(f.child<QLabel>("L_IP_Address")->text(), QString("Insert the IP Address of Device"));
    QCOMPARE(f.child<QLabel>("L_Update_Option")->text(), QString("Select Update Options"));
    auto* options = f.child<QComboBox>("CB_Update_Options");
    QCOMPARE(options->count(), 3);
    QCOMPARE(options->itemText(0), QString("Firmware + Configuration"));
    QCOMPARE(options->itemText(1), QString("Firmware"));
    QCOMPARE(options->itemText(2), QString("Configuration"));
    QCOMPARE(options->isEditable(), false);
    QCOMPARE(f.child<QCheckBox>("CB_Update_Option_Read_Back")->text(), QString("Read Back"));
    QCOMPARE(f.child<QPushButton>("Btn_Cancel")->text(), QString("Cancel"));
    QCOMPARE(f.child<QPushButton>("Btn_Update")->text(), QString("Execute Update Firmware"));
    QCOMPARE(f.child<QPushButton>("Btn_Update")->toolTip(), QString("Start the update of Device"));
    QVERIFY(f.field(1)->hasFocus());
}

// Another language refills the catalogue and the window takes its texts again; the list restarts at item 0.
void BootWindowTest::languageChangeReappliesTheTexts() {
    Fixture f;
    f.child<QComboBox>("CB_Update_Options")->setCurrentIndex(2);
    f.state.Texts.set(802, "Aggiorna dispositivo");
    f.state.Texts.set(815, "Firmware + Configurazione");
    f.state.Texts.set(837, "Errore!!! Controllare l'indirizzo IP");
    f.window->Set_Lang();
    QCOMPARE(f.window->windowTitle(), QString("Aggiorna dispositivo"));
    QCOMPARE(f.child<QComboBox>("CB_Update_Options")->itemText(0), QString("Firmware + Configurazione"));
    QCOMPARE(f.child<QComboBox>("CB_Update_Options")->count(), 3);
    QCOMPARE(f.child<QComboBox>("CB_Update_Options")->currentIndex(), 0);
    f.echo.answer = {EchoClient::Outcome::BadAddress, "", ""};
    f.show();
    f.update();
    QCOMPARE(QString::fromStdString(f.prompts.lastText()), QString("Errore!!! Controllare l'indirizzo IP"));
}

void BootWindowTest::fieldsFromLastAddress() {
    Fixture f;
    const struct {
        std::string last;
        QStringList fields;
    } cases[] = {
        {"", {"0", "0", "0", "0"}},                            // first show: the design texts
        {" 192.168.0.10 ", {"192", "168", "0", "10"}},         // a valid address fills them
        {"192.168.2", {"192", "168", "0", "10"}},              // otherwise they keep their texts
        {"10.0.0.256", {"192", "168", "0", "10"}},
        {"10.1.2.3", {"10", "1", "2", "3"}},
    };
    for (const auto& c : cases) {
        f.state.LastIpAddress = c.last;
        f.show();
        QCOMPARE(f.fields(), c.fields);
        f.window->hide();
    }
}

void BootWindowTest::pointKeyJumpsToTheNextByte() {
    Fixture f;
    f.show();
    for (int i = 1; i <= 3; ++i) {
        f.field(i)->setFocus();
        QTest::keyClick(f.field(i), '.');
        QVERIFY(f.field(i + 1)->hasFocus());
        QVERIFY(!f.field(i)->text().contains('.'));
    }
    f.field(4)->setText("10");
    f.field(4)->setFocus();
    QTest::keyClick(f.field(4), '.');
    QVERIFY(f.field(4)->hasFocus());
    QCOMPARE(f.field(4)->text(), QString("10"));
    QTest::keyClick(f.field(4), '5');
    QCOMPARE(f.field(4)->text(), QString("105")); // other keys are typed as usual
}

void BootWindowTest::answeringDeviceWritesJobAndRunsUpdater() {
    Fixture f;
    f.show();
    f.type({"192", "168", "0", "010"});
    f.update();
    QCOMPARE(f.echo.targets.size(), size_t(2));
    QCOMPARE(QString::fromStdString(f.echo.targets[0]), QString("192.168.0.010"));
    QCOMPARE(f.window->ping_res, 1);
    QCOMPARE(QString::fromStdString(f.state.LastIpAddress), QString("192.168.0.010"));
    QVERIFY(f.prompts.shown.empty());
    const std::string job = testing::readFile(f.jobFile());
    QVERIFY(job.find("<IP_Address_Dev>192.168.0.010</IP_Address_Dev>") != std::string::npos);
    QVERIFY(job.find((f.state.ProjectDir / "bin" / "bank.bin").string()) != std::string::npos);
    QCOMPARE(f.processes.started.size(), size_t(1));
    QCOMPARE(f.processes.started[0].program, (f.state.AppDir / "Ethernet_Update").string());
    QCOMPARE(f.processes.started[0].workingDir, f.state.AppDir.string());
    QVERIFY(f.window->isVisible()); // the window stays open for another update
}

void BootWindowTest::noAnswerShowsTheMessageAndWritesNothing_data() {
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("pingRes");
    QTest::newRow("silent") << int(EchoClient::Outcome::NoReply) << "" << "warning" << "Device Not Found!" << 2;
    QTest::newRow("reply without data") << int(EchoClient::Outcome::Reply) << "" << "warning" << "Device Not Found!" << 2;
    QTest::newRow("unusable address") << int(EchoClient::Outcome::BadAddress) << "" << "error"
                                      << "Error!!! Check the Ip Address" << 0;
    QTest::newRow("not permitted") << int(EchoClient::Outcome::NotPermitted) << "" << "error"
                                   << "may not send echo requests; setcap cap_net_raw+ep" << 0;
}

void BootWindowTest::noAnswerShowsTheMessageAndWritesNothing() {
    QFETCH(int, outcome);
    QFETCH(QString, data);
    QFETCH(QString, kind);
    QFETCH(QString, message);
    QFETCH(int, pingRes);
    Fixture f;
    f.echo.answer = {EchoClient::Outcome(outcome), data.toStdString(),
                     "may not send echo requests; setcap cap_net_raw+ep"};
    f.show();
    f.type({"192", "168", "0", "10"});
    f.update();
    QCOMPARE(f.prompts.shown.size(), size_t(1));
    QCOMPARE(QString::fromStdString(f.prompts.shown[0].kind), kind);
    QCOMPARE(QString::fromStdString(f.prompts.shown[0].text), message);
    QCOMPARE(f.window->ping_res, pingRes);
    QVERIFY(!fs::exists(f.jobFile()));
    QVERIFY(f.processes.started.empty());
    QCOMPARE(QString::fromStdString(f.state.LastIpAddress), QString("192.168.2.205")); // unchanged
    QVERIFY(f.window->isVisible());
}

void BootWindowTest::choicesAreRememberedForTheRun() {
    Fixture f;
    f.show();
    QCOMPARE(f.child<QComboBox>("CB_Update_Options")->currentIndex(), 0);
    QVERIFY(f.child<QCheckBox>("CB_Update_Option_Read_Back")->isChecked());
    f.child<QComboBox>("CB_Update_Options")->setCurrentIndex(2);
    f.child<QCheckBox>("CB_Update_Option_Read_Back")->setChecked(false);
    f.type({"10", "0", "0", "7"});
    f.update();
    f.window->hide();

    f.show();
    QCOMPARE(f.child<QComboBox>("CB_Update_Options")->currentIndex(), 2);
    QVERIFY(!f.child<QCheckBox>("CB_Update_Option_Read_Back")->isChecked());
    QCOMPARE(f.fields(), (QStringList{"10", "0", "0", "7"}));
    const std::string job = testing::readFile(f.jobFile());
    QVERIFY(job.find("<Ope_Read_Back>1</Ope_Read_Back>") == std::string::npos);
    QVERIFY(job.find("Sim51207.sim") == std::string::npos);
}

void BootWindowTest::unwritableJobIsReportedAndUpdaterNotStarted() {
    Fixture f;
    f.state.AppDir = f.dir / "missing-folder";
    f.show();
    f.update();
    QCOMPARE(f.prompts.shown.size(), size_t(1));
    QCOMPARE(QString::fromStdString(f.prompts.shown[0].kind), QString("error"));
    QVERIFY(f.prompts.shown[0].text.find("Ethernet_Update.xml") != std::string::npos);
    QVERIFY(f.processes.started.empty());
}

void BootWindowTest::updaterRunningShowsTheWaitAndBlocksClosing() {
    Fixture f;
    f.processes.polls = 300; // three seconds of scripted time
    QString shownText;
    bool stayedOpen = true;
    f.processes.whilePolled = [&] {
        if (auto* notice = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            notice && notice->objectName() == "UpdaterWait") {
            shownText = notice->findChild<QLabel*>("L_Updater_Running")->text();
            f.window->reject(); // a close attempt meanwhile is refused
            stayedOpen = stayedOpen && f.window->isVisible();
        }
    };
    f.show();
    f.update();
    QCOMPARE(f.processes.started.size(), size_t(1));
    QVERIFY(shownText.contains("running"));
    QVERIFY(shownText.endsWith(": 3 s")); // the time waited, in seconds
    QVERIFY(stayedOpen);
    QVERIFY(QApplication::activeModalWidget() == nullptr || QApplication::activeModalWidget() == f.window.get());
    f.window->reject();
    QVERIFY(!f.window->isVisible()); // closes again once the updater has ended
}

void BootWindowTest::missingUpdaterReturnsAtOnce() {
    Fixture f;
    f.processes.canStart = false;
    f.show();
    const auto before = f.clock.time;
    f.update();
    QVERIFY(fs::exists(f.jobFile()));
    QVERIFY(f.prompts.shown.empty());
    QCOMPARE(f.clock.time - before, std::chrono::milliseconds(20)); // only the 10-ms rounds of the two echoes
    QVERIFY(f.window->isVisible());
}

void BootWindowTest::cancelWritesNoJob() {
    Fixture f;
    f.show();
    f.child<QPushButton>("Btn_Cancel")->click();
    QVERIFY(!f.window->isVisible());
    QCOMPARE(f.window->result(), int(QDialog::Rejected));
    QVERIFY(!fs::exists(f.jobFile()));
    QVERIFY(f.echo.targets.empty());
}

// Typing into the fields while the echo test runs does not change what the job and the settings get.
void BootWindowTest::jobNamesTheAddressThatAnswered() {
    Fixture f;
    f.show();
    f.type({"192", "168", "0", "10"});
    f.window->waitClock.processEvents = [&] { f.field(4)->setText("99"); };
    f.update();
    QCOMPARE(QString::fromStdString(f.state.LastIpAddress), QString("192.168.0.10"));
    QVERIFY(testing::readFile(f.jobFile()).find("<IP_Address_Dev>192.168.0.10<") != std::string::npos);
}

// As a user would: a saved configuration with its images, the update window against this machine
// with the real echo client, the job written, the stand-in updater started and awaited.
void BootWindowTest::endToEndAgainstLoopback() {
    Fixture f;
    IcmpEchoClient echo;
    SystemProcessRunner processes;
    f.platform.echo = &echo;
    f.platform.processes = &processes;
    f.window = std::make_unique<TFBoot>(f.state, f.platform); // with the real clock
    testing::saveAndBuildConfiguration(f.state.ProjectDir);
    fs::copy_file(ETHERNET_UPDATE, f.state.AppDir / "Ethernet_Update");
    if (echo.echo("127.0.0.1", "127.0.0.1", std::chrono::milliseconds(400)).outcome == EchoClient::Outcome::NotPermitted)
        QSKIP("this machine does not let the test send echo requests");

    f.show();
    f.type({"127", "0", "0", "1"});
    f.child<QComboBox>("CB_Update_Options")->setCurrentIndex(2);
    f.update();
    QVERIFY2(f.prompts.shown.empty(), f.prompts.lastText().c_str());
    QCOMPARE(QString::fromStdString(f.state.LastIpAddress), QString("127.0.0.1"));
    const std::string log = testing::readFile(f.state.AppDir / "Ethernet_Update.log");
    QVERIFY2(log.find("device 127.0.0.1\n") != std::string::npos, log.c_str());
    QCOMPARE(std::count(log.begin(), log.end(), '\n'), 2 + 3);
    for (const char* line : {"bank.bin) at 0x66000: ready", "bank_ESP32_1.bin) at 0x9000: ready",
                             "bank_ESP32_2.bin) at 0x310000: ready"})
        QVERIFY2(log.find(line) != std::string::npos, log.c_str());
    QVERIFY(f.window->isVisible());
}

QTEST_MAIN(BootWindowTest)
#include "boot_window_test.moc"
