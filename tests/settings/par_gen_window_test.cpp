#include "settings/par_gen_file.h"
#include "settings/par_gen_layout.h"
#include "settings/par_gen_window.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_dir.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace corvane;

class ParGenWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TempDir> dir_;
    std::unique_ptr<AppState> state_;
    testing::FakePrompts prompts_;
    Platform platform_;
    std::unique_ptr<TFParGen> window_;

    template <class W = QWidget> W* find(const char* name) {
        W* widget = window_->findChild<W*>(name);
        if (!widget) qFatal("no control %s", name);
        return widget;
    }
    QLineEdit* field(const char* name) { return find<QLineEdit>(name); }
    QCheckBox* box(const char* name) { return find<QCheckBox>(name); }
    // Clicks a button in its middle, a check box on its square (its wide area right of the text takes no clicks).
    void click(const char* name) {
        auto* button = find<QAbstractButton>(name);
        QPoint where = qobject_cast<QCheckBox*>(button) ? QPoint(6, button->height() / 2) : button->rect().center();
        QTest::mouseClick(button, Qt::LeftButton, {}, where);
    }
    std::filesystem::path parGenPath() const { return state_->Files.ParGenPath; }
    void open() {
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    // Replaces a field's text as a user would: select all, type.
    void type(const char* name, const QString& text) {
        QLineEdit* edit = field(name);
        edit->setFocus();
        edit->selectAll();
        if (text.isEmpty()) QTest::keyClick(edit, Qt::Key_Delete);
        else QTest::keyClicks(edit, text);
    }

private slots:
    void init() {
        dir_ = std::make_unique<testing::TempDir>();
        state_ = std::make_unique<AppState>();
        state_->Texts.FillDefaultTexts();
        state_->SoftwareCode = kSoftwareCode;
        state_->ProjectName = "Plant";
        state_->ProjectDir = dir_->path();
        state_->Set_Files();
        prompts_ = {};
        platform_.prompts = &prompts_;
        window_ = std::make_unique<TFParGen>(*state_, platform_);
    }
    void cleanup() {
        window_.reset();
        state_.reset();
        dir_.reset();
    }

    void withoutFileShowsTheDefaultsAndCancelWritesNothing() {
        open();
        QCOMPARE(field("E_IP1")->text(), "192");
        QCOMPARE(field("E_SM4")->text(), "0");
        QCOMPARE(field("E_GAT4")->text(), "1");
        QCOMPARE(field("E_DALI_Console_Port")->text(), "10001");
        QVERIFY(!box("CB_ModTCPs_EN_GAT")->isChecked());
        click("Btn_Cancel");
        QVERIFY(prompts_.shown.empty()); // the programmatic fill is no change
        QCOMPARE(window_->result(), int(QDialog::Rejected));
        QVERIFY(!window_->isVisible());
        QVERIFY(!std::filesystem::exists(parGenPath()));
    }

    void showsTheFileAsTypedAndChecksOnlyExactlyOne() {
        dir_->write("ParGen.xml", "<Par_Gen><MTCPs_IP1>abc</MTCPs_IP1><MTCPs_EN_GAT>true</MTCPs_EN_GAT>"
                                  "<DALI_SWITCH_OFF>1</DALI_SWITCH_OFF></Par_Gen>");
        open();
        QCOMPARE(field("E_IP1")->text(), "abc");
        QVERIFY(!box("CB_ModTCPs_EN_GAT")->isChecked());
        QVERIFY(box("CB_DALI_SwitchOff")->isChecked());
    }

    void okChecksTheFieldsInOrder_data() {
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("gateway");
        QTest::addColumn<bool>("switchOff");
        QTest::addColumn<int>("message"); // catalogue index, 0 = saved
        QTest::newRow("zero") << "E_IP1" << "0" << false << false << 0;
        QTest::newRow("255") << "E_SM3" << "255" << false << false << 0;
        QTest::newRow("256") << "E_IP2" << "256" << false << false << 470;
        QTest::newRow("-1") << "E_IP3" << "-1" << false << false << 471;
        QTest::newRow("empty") << "E_SM1" << "" << false << false << 473;
        QTest::newRow("1a") << "E_SM4" << "1a" << false << false << 476;
        QTest::newRow("port 9999") << "E_DALI_Console_Port" << "9999" << false << false << 0;
        QTest::newRow("port 10000") << "E_DALI_Console_Port" << "10000" << false << false << 466;
        QTest::newRow("port 65535") << "E_DALI_Console_Port" << "65535" << false << false << 0;
        QTest::newRow("port 65536") << "E_DALI_Console_Port" << "65536" << false << false << 466;
        QTest::newRow("time-out off") << "E_DALI_TimeOut" << "soon" << false << false << 0;
        QTest::newRow("time-out on") << "E_DALI_TimeOut" << "soon" << false << true << 557;
        QTest::newRow("time-out 3600000") << "E_DALI_TimeOut" << "3600000" << false << true << 0;
        QTest::newRow("time-out 3600001") << "E_DALI_TimeOut" << "3600001" << false << true << 557;
        QTest::newRow("gateway off") << "E_GAT1" << "xyz" << false << false << 0;
        QTest::newRow("gateway on") << "E_GAT1" << "xyz" << true << false << 477;
        QTest::newRow("gateway 4 on") << "E_GAT4" << "256" << true << false << 480;
    }
    void okChecksTheFieldsInOrder() {
        QFETCH(QString, fieldName);
        QFETCH(QString, text);
        QFETCH(bool, gateway);
        QFETCH(bool, switchOff);
        QFETCH(int, message);
        open();
        if (gateway) click("CB_ModTCPs_EN_GAT");
        if (switchOff) click("CB_DALI_SwitchOff");
        type(fieldName.toLatin1().constData(), text);
        click("Btn_OK");
        if (message == 0) {
            QVERIFY(prompts_.shown.empty());
            QCOMPARE(window_->result(), int(QDialog::Accepted));
            QVERIFY(std::filesystem::exists(parGenPath()));
            open(); // the saved text comes back as typed
            QCOMPARE(field(fieldName.toLatin1().constData())->text(), text);
        } else {
            QCOMPARE(prompts_.shown.size(), size_t(1));
            QCOMPARE(prompts_.shown[0].kind, std::string("error"));
            QCOMPARE(prompts_.shown[0].text, state_->Texts[message]);
            QVERIFY(window_->isVisible());
            QVERIFY(!std::filesystem::exists(parGenPath()));
        }
    }

    void theFirstFailureIsTheOnlyOneShown() {
        open();
        type("E_SM2", "x");
        type("E_IP4", "x");
        click("Btn_OK");
        QCOMPARE(prompts_.shown.size(), size_t(1));
        QCOMPARE(prompts_.lastText(), state_->Texts[472]);
    }

    void dotJumpsToTheNextAddressField() {
        dir_->write("ParGen.xml", "<Par_Gen><MTCPs_IP1></MTCPs_IP1></Par_Gen>");
        open();
        field("E_IP1")->setFocus();
        for (QChar key : QString("192.168.0.10")) QTest::keyClick(window_->focusWidget(), key.toLatin1());
        QCOMPARE(field("E_IP1")->text(), "192");
        QCOMPARE(field("E_IP2")->text(), "168");
        QCOMPARE(field("E_IP3")->text(), "0");
        QCOMPARE(field("E_IP4")->text(), "10");
        QCOMPARE(window_->focusWidget(), field("E_IP4"));
    }

    void dotIsNeverTypedEvenInTheLastField() {
        open();
        QLineEdit* last = field("E_GAT4");
        last->setFocus();
        last->setCursorPosition(1);
        QTest::keyClick(last, '.');
        QCOMPARE(last->text(), "1");
        QCOMPARE(window_->focusWidget(), last);
        QTest::keyClicks(field("E_DALI_Console_Port"), "."); // other fields take it normally
        QCOMPARE(field("E_DALI_Console_Port")->text(), "10001.");
    }

    void cancelAfterAChangeAsks() {
        open();
        type("E_IP1", "10");
        prompts_.answers = {false};
        click("Btn_Cancel");
        QCOMPARE(prompts_.shown.size(), size_t(1));
        QCOMPARE(prompts_.shown[0].kind, std::string("confirm"));
        QCOMPARE(prompts_.shown[0].text, std::string("Do you want to exit without saving changes?"));
        QVERIFY(window_->isVisible());
        QCOMPARE(field("E_IP1")->text(), "10");
        prompts_.answers = {true};
        click("Btn_Cancel");
        QVERIFY(!window_->isVisible());
        QCOMPARE(window_->result(), int(QDialog::Rejected));
        QVERIFY(!std::filesystem::exists(parGenPath()));
    }

    void aCheckBoxClickCountsAsAChange() {
        open();
        click("CB_DALI_En_DALI2");
        prompts_.answers = {false};
        click("Btn_Cancel");
        QCOMPARE(prompts_.shown.size(), size_t(1));
    }

    void escapeAsksLikeCancel() {
        open();
        type("E_IP1", "10");
        prompts_.answers = {false};
        QTest::keyClick(window_.get(), Qt::Key_Escape);
        QCOMPARE(prompts_.shown.size(), size_t(1));
        QVERIFY(window_->isVisible());
    }

    void theCloseBoxCancelsWithoutQuestion() {
        open();
        type("E_IP1", "10");
        window_->close();
        QVERIFY(prompts_.shown.empty());
        QVERIFY(!window_->isVisible());
        QCOMPARE(window_->result(), int(QDialog::Rejected));
        QVERIFY(!std::filesystem::exists(parGenPath()));
    }

    void reopeningReloadsTheFile() {
        open();
        type("E_IP1", "10");
        window_->close();
        open();
        QCOMPARE(field("E_IP1")->text(), "192");
        prompts_.answers = {false};
        click("Btn_Cancel");
        QVERIFY(prompts_.shown.empty());
    }

    void collapseMovesTheBoxesAndShrinksTheWindow_data() {
        QTest::addColumn<bool>("collapseEthernet");
        QTest::addColumn<bool>("collapseDali");
        QTest::addColumn<int>("ethernetHeight");
        QTest::addColumn<int>("daliTop");
        QTest::addColumn<int>("daliHeight");
        QTest::addColumn<int>("buttonsTop");
        QTest::addColumn<int>("clientHeight");
        QTest::newRow("both expanded") << false << false << 190 << 266 << 192 << 471 << 512;
        QTest::newRow("Ethernet collapsed") << true << false << 26 << 102 << 192 << 307 << 348;
        QTest::newRow("DALI collapsed") << false << true << 190 << 266 << 26 << 305 << 346;
        QTest::newRow("both collapsed") << true << true << 26 << 102 << 26 << 141 << 182;
    }
    void collapseMovesTheBoxesAndShrinksTheWindow() {
        QFETCH(bool, collapseEthernet);
        QFETCH(bool, collapseDali);
        QFETCH(int, ethernetHeight);
        QFETCH(int, daliTop);
        QFETCH(int, daliHeight);
        QFETCH(int, buttonsTop);
        QFETCH(int, clientHeight);
        open();
        if (collapseEthernet) click("Btn_Modbus_TCP_Slave_Collapse");
        if (collapseDali) click("Btn_DALI_Collapse");
        auto check = [&] {
            QCOMPARE(find("GB_Modbus_TCP_Slave")->geometry(), QRect(8, 70, 296, ethernetHeight));
            QCOMPARE(find("GB_DALI")->geometry(), QRect(8, daliTop, 296, daliHeight));
            QCOMPARE(find("Btn_OK")->geometry(), QRect(71, buttonsTop, 112, 28));
            QCOMPARE(find("Btn_Cancel")->geometry(), QRect(192, buttonsTop, 112, 28));
            QCOMPARE(window_->size(), QSize(312, clientHeight));
            QCOMPARE(find("Btn_Modbus_TCP_Slave_Expande")->isVisible(), collapseEthernet);
            QCOMPARE(find("Btn_Modbus_TCP_Slave_Collapse")->isVisible(), !collapseEthernet);
            QCOMPARE(find("L_ModTCPs_IP")->isVisible(), !collapseEthernet);
            QCOMPARE(find("E_DALI_Console_Port")->isVisible(), !collapseDali);
            // the clipped controls of a collapsed box take no focus
            QCOMPARE(find("E_GAT4")->focusPolicy(), collapseEthernet ? Qt::NoFocus : Qt::StrongFocus);
            QCOMPARE(find("CB_DALI_En_DALI2")->focusPolicy(), collapseDali ? Qt::NoFocus : Qt::StrongFocus);
        };
        check();
        if (QTest::currentTestFailed()) return;
        window_->close(); // the collapse state lasts as long as the window
        open();
        check();
        if (QTest::currentTestFailed()) return;
        QVERIFY(prompts_.shown.empty()); // collapsing is no change
        if (collapseEthernet) click("Btn_Modbus_TCP_Slave_Expande");
        if (collapseDali) click("Btn_DALI_Expande");
        QCOMPARE(find("GB_Modbus_TCP_Slave")->height(), 190);
        QCOMPARE(find("GB_DALI")->height(), 192);
        QCOMPARE(window_->size(), QSize(312, 512));
    }

    void aMalformedFileIsReportedAndTheFieldsKeepTheirValues() {
        open();
        type("E_IP1", "11");
        window_->close();
        dir_->write("ParGen.xml", "<Par_Gen><MTCPs_IP1>1</Par_Gen>");
        open();
        QCOMPARE(prompts_.shown.size(), size_t(1));
        QCOMPARE(prompts_.shown[0].kind, std::string("error"));
        QVERIFY(QString::fromStdString(prompts_.lastText()).contains("ParGen.xml"));
        QCOMPARE(field("E_IP1")->text(), "11");
    }

    void aMalformedFileAtTheFirstOpeningShowsTheDefaults() {
        dir_->write("ParGen.xml", "not xml");
        open();
        QCOMPARE(prompts_.shown.size(), size_t(1));
        QCOMPARE(field("E_IP4")->text(), "10");
        QCOMPARE(field("E_DALI_Console_Port")->text(), "10001");
    }

    void aFailedSaveIsReportedAndTheWindowStaysOpen() {
        state_->ProjectDir = dir_->path() / "gone";
        state_->Set_Files();
        open();
        type("E_IP1", "10");
        click("Btn_OK");
        QCOMPARE(prompts_.shown.size(), size_t(1));
        QVERIFY(QString::fromStdString(prompts_.lastText()).contains("ParGen.xml"));
        QVERIFY(window_->isVisible());
        QCOMPARE(field("E_IP1")->text(), "10");
    }

    void okWritesEveryFieldVerbatim() {
        open();
        type("E_SM1", " 255");
        click("CB_ModTCPs_EN_GAT");
        click("CB_DALI_Disable_Scan");
        click("Btn_OK");
        QVERIFY(prompts_.shown.empty());
        auto found = readParGenFile(parGenPath());
        QVERIFY(found.has_value());
        QCOMPARE((*found)[ParGenKey::SUB1], std::optional<std::string>(" 255"));
        QCOMPARE((*found)[ParGenKey::EN_GAT], std::optional<std::string>("1"));
        QCOMPARE((*found)[ParGenKey::DisableScan], std::optional<std::string>("1"));
        QCOMPARE((*found)[ParGenKey::EnableDali2], std::optional<std::string>("0"));
    }

    void setLangAppliesTheCatalogue() {
        QCOMPARE(window_->windowTitle(), "Set Communication");
        open();
        QCOMPARE(find<QLabel>("L_SW_Desc")->text(), "Set Communication Setting");
        QCOMPARE(find<QLabel>("L_SW_Code")->text(), "QS51207");
        QCOMPARE(find<QGroupBox>("GB_Modbus_TCP_Slave")->title(), " Ethernet ");
        QCOMPARE(box("CB_DALI_En_DALI2")->text(), "Enable DALI 2");
        QCOMPARE(field("E_GAT3")->toolTip(), "Insert third byte of Default Gateway");
        QCOMPARE(find("Btn_DALI_Expande")->toolTip(), "Expand");
        state_->Texts.set(464, "Porta Console DALI");
        state_->Texts.set(1293, "Abilita DALI 2");
        window_->Set_Lang();
        QCOMPARE(find<QLabel>("L_DALI_Console_Port")->text(), "Porta Console DALI");
        QCOMPARE(box("CB_DALI_En_DALI2")->toolTip(), "Abilita DALI 2");
    }

    void tabOrderFollowsTheBoxes() {
        open();
        const char* order[] = {"E_IP1", "E_IP2", "E_IP3", "E_IP4", "E_SM1", "E_SM2", "E_SM3", "E_SM4", "E_GAT1",
                               "E_GAT2", "E_GAT3", "E_GAT4", "CB_ModTCPs_EN_GAT", "E_DALI_Console_Port",
                               "CB_DALI_SwitchOff", "E_DALI_TimeOut", "CB_DALI_Disable_Scan", "CB_DALI_En_DALI2"};
        for (std::size_t i = 0; i + 1 < std::size(order); ++i)
            QCOMPARE(find(order[i])->nextInFocusChain(), find(order[i + 1]));
    }
};

QTEST_MAIN(ParGenWindowTest)
#include "par_gen_window_test.moc"
