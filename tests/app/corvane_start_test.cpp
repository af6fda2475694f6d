// The real configurator, copied alone into an empty folder, starts there, creates its folders
// beside itself and writes its settings when it closes.
#include "tests/support/temp_dir.h"

#include <QProcess>
#include <QtTest>

#include <filesystem>

namespace fs = std::filesystem;

class CorvaneStartTest : public QObject {
    Q_OBJECT
private slots:
    void startsAloneInAnEmptyFolder() {
        corvane::testing::TempDir dir;
        const fs::path program = dir / "corvane";
        fs::copy_file(CORVANE_EXE, program);

        QProcess process;
        process.setWorkingDirectory(QDir::tempPath()); // not the program's folder
        process.start(QString::fromStdString(program.string()), {"--quit-after-start"});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);

        for (const char* folder : {"MASTER", "PROJECTS", "LANGUAGE"}) QVERIFY2(fs::is_directory(dir / folder), folder);
        const std::string settings = corvane::testing::readFile(dir / "Corvane.xml");
        QVERIFY(settings.starts_with("<Conf_Settings><lastproj><projectname></projectname>"));
        QVERIFY(settings.find("<language>English</language>") != std::string::npos);
    }
};

QTEST_GUILESS_MAIN(CorvaneStartTest)
#include "corvane_start_test.moc"
