// The whole road of one update as a user takes it, offscreen: a new configuration, its settings and
// DALI tables saved through their windows, Update Device UDP, the update window against this
// machine, the job written and the stand-in updater started and awaited.
#include "app/startup.h"
#include "app/window_set.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_dir.h"
#include "update/icmp_echo_client.h"
#include "update/system_process_runner.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <filesystem>
#include <functional>

using namespace corvane;
namespace fs = std::filesystem;

namespace {

QString className(const QObject* object) { return QString(object->metaObject()->className()).section("::", -1); }

// Presses a main-window button and lets `act` work the modal window it opens; any other modal
// window (such as the updater's waiting notice) is left alone.
// True when the window opened.
bool pressAndWork(QWidget& main, const char* button, const QString& window, const std::function<void(QDialog*)>& act) {
    QTimer timer;
    bool done = false;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (done || !dialog || className(dialog) != window) return;
        done = true;
        act(dialog);
        if (dialog->isVisible()) dialog->reject();
    });
    timer.start(5);
    main.findChild<QPushButton*>(button)->click();
    return done;
}

void click(QDialog* dialog, const char* name) { dialog->findChild<QPushButton*>(name)->click(); }

} // namespace

class UpdateEndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void configurationToStandInUpdater();
};

void UpdateEndToEndTest::configurationToStandInUpdater() {
    IcmpEchoClient echo;
    if (echo.echo("127.0.0.1", "127.0.0.1", std::chrono::milliseconds(400)).outcome == EchoClient::Outcome::NotPermitted)
        QSKIP("this machine does not let the test send echo requests");
    testing::TempDir app;
    fs::copy_file(ETHERNET_UPDATE, app / "Ethernet_Update");
    testing::FakePrompts prompts;
    testing::FakeRegionalSettings regional;
    SystemProcessRunner processes;
    Platform platform;
    platform.prompts = &prompts;
    platform.echo = &echo;
    platform.processes = &processes;
    platform.regional = &regional;
    AppState state;
    startUp(state, app.path());
    WindowSet windows(state, platform);
    QWidget& main = windows.main();

    QVERIFY(pressAndWork(main, "Btn_New", "TFNew_Project", [](QDialog* dialog) {
        QTest::keyClicks(dialog->findChild<QLineEdit*>("E_New_Proj"), "Hall");
        QTest::keyClick(dialog->findChild<QLineEdit*>("E_New_Proj"), Qt::Key_Return);
    }));
    QCOMPARE(QString::fromStdString(state.ProjectName), QString("Hall"));
    QVERIFY(pressAndWork(main, "Btn_Prm_Gen", "TFParGen", [](QDialog* dialog) { click(dialog, "Btn_OK"); }));
    QVERIFY(pressAndWork(main, "Btn_DALI_Access", "TFDALI_Access", [](QDialog* dialog) { click(dialog, "Btn_OK"); }));
    QVERIFY(fs::exists(state.Files.ParGenPath));
    QVERIFY(fs::exists(state.Files.DaliAccessPath));

    const bool opened = pressAndWork(main, "Btn_CreateBin", "TFBoot", [](QDialog* boot) {
        const char* bytes[] = {"127", "0", "0", "1"};
        for (int i = 0; i < 4; ++i) boot->findChild<QLineEdit*>(QString("E_IP%1").arg(i + 1))->setText(bytes[i]);
        boot->findChild<QComboBox*>("CB_Update_Options")->setCurrentIndex(2); // Configuration
        click(boot, "Btn_Update");
        QVERIFY(boot->isVisible()); // stays open for another update
        click(boot, "Btn_Cancel");
    });
    QVERIFY2(prompts.shown.empty(), prompts.lastText().c_str());
    QVERIFY(opened);
    QCOMPARE(QString::fromStdString(state.LastIpAddress), QString("127.0.0.1"));

    const std::string job = testing::readFile(app / "Ethernet_Update.xml");
    QVERIFY(job.find("<IP_Address_Dev>127.0.0.1</IP_Address_Dev>") != std::string::npos);
    const std::string log = testing::readFile(app / "Ethernet_Update.log");
    QCOMPARE(std::count(log.begin(), log.end(), '\n'), 2 + 3);
    const fs::path bin = state.ProjectDir / "bin";
    for (const auto& [file, address] : {std::pair{"bank.bin", "0x66000"}, std::pair{"bank_ESP32_1.bin", "0x9000"},
                                        std::pair{"bank_ESP32_2.bin", "0x310000"}}) {
        const std::string line = "(" + (bin / file).string() + ") at " + address + ": ready\n";
        QVERIFY2(log.find(line) != std::string::npos, log.c_str());
    }
}

QTEST_MAIN(UpdateEndToEndTest)
#include "update_end_to_end_test.moc"
