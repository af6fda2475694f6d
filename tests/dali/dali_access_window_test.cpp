// The DALI access window: show, OK and Cancel sequences, page buttons, row commands, lists.
#include "dali/dali_access_window.h"

#include "common/table/table_view.h"
#include "dali/dali_access_file.h"
#include "tests/dali/dali_window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <filesystem>

using namespace corvane;

class DaliAccessWindowTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<testing::DaliWindowFixture> f;
    std::unique_ptr<TFDALI_Access> window;

    TableView* table(const char* name) { return window->findChild<TableView*>(name); }
    TableGrid& grid(const char* name) { return table(name)->tableModel()->grid(); }
    QTabWidget* pages() { return window->findChild<QTabWidget*>("PC_DALI"); }
    QPushButton* button(const char* name) { return window->findChild<QPushButton*>(name); }
    void open() {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void selectCell(const char* name, int row, int col) { table(name)->setCurrentCell(row, col); }

  private slots:
    void init() {
        f = std::make_unique<testing::DaliWindowFixture>();
        window = std::make_unique<TFDALI_Access>(f->state, f->platform);
    }
    void cleanup() {
        window.reset();
        f.reset();
    }

    void geometryAndNames() {
        open();
        QCOMPARE(window->size(), QSize(1200, 496));
        QCOMPARE(window->windowTitle(), QStringLiteral("DALI Access"));
        const struct {
            const char* name;
            int x;
        } buttons[] = {{"Btn_OK", 16},        {"Btn_Cancel", 134},  {"Btn_SelectAll", 252},
                       {"Btn_ClearAll", 370}, {"Btn_DelRow", 252},  {"Btn_InsRow", 370},
                       {"Btn_CopyRow", 488},  {"Btn_PasteRow", 606}};
        for (const auto& b : buttons) {
            QVERIFY2(button(b.name), b.name);
            QCOMPARE(button(b.name)->geometry(), QRect(b.x, 462, 110, 28));
        }
        for (const char* name : {"TS_Select_Device", "TS_Set_Access", "TS_Functions", "ACG_DALI_Device",
                                 "ASG", "ACG", "L_SW_Code", "L_SW_Desc"})
            QVERIFY2(window->findChild<QWidget*>(name), name);
        QCOMPARE(pages()->tabText(1), QStringLiteral("Set Access"));
        QCOMPARE(table("ASG")->tableModel()->headerData(6, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Command"));
        QCOMPARE(table("ACG")->tableModel()->headerData(6, Qt::Horizontal, Qt::ToolTipRole).toString(),
                 QString::fromStdString(f->state.Texts[2548]));
        QCOMPARE(grid("ACG_DALI_Device").text(64, 0), std::string("DALI ID Device 63"));
        QCOMPARE(grid("ASG").colour(1, 9), 0xD5D5FFu);
    }

    void theChannelTableHasTheFocusWhenOpened() {
        open();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(table("ACG_DALI_Device")));
    }

    void opensEmptyWithoutFiles() {
        open();
        for (int row = 1; row <= 64; ++row)
            QCOMPARE(grid("ACG_DALI_Device").text(row, 1), std::string("N"));
        QCOMPARE(grid("ASG").text(256, 1), std::string("Y"));
        QCOMPARE(grid("ACG").text(1, 1), std::string(""));
        QVERIFY(f->prompts.shown.empty());
        QCOMPARE(grid("ASG").listFor(1, 9).size(), std::size_t(251));
    }

    void pageButtonsFollowThePage() {
        open();
        QVERIFY(button("Btn_SelectAll")->isVisible());
        QVERIFY(!button("Btn_DelRow")->isVisible());
        pages()->setCurrentIndex(TFDALI_Access::FunctionsPage);
        QVERIFY(!button("Btn_SelectAll")->isVisible());
        for (const char* name : {"Btn_DelRow", "Btn_InsRow", "Btn_CopyRow", "Btn_PasteRow"})
            QVERIFY(button(name)->isVisible());
        window->reject();
        open(); // reopens on the page last shown, its buttons at once
        QCOMPARE(pages()->currentIndex(), int(TFDALI_Access::FunctionsPage));
        QVERIFY(button("Btn_PasteRow")->isVisible());
        QVERIFY(!button("Btn_ClearAll")->isVisible());
    }

    void cancelDiscardsEdits() {
        testing::writeFullTables(f->state, 3, 3);
        open();
        QCOMPARE(grid("ACG").text(2, 7), std::string("Step 2"));
        grid("ACG").setText(2, 7, "changed");
        grid("ACG_DALI_Device").setText(5, 1, "Y");
        button("Btn_Cancel")->click();
        QCOMPARE(window->result(), int(QDialog::Rejected));
        QVERIFY(!std::filesystem::exists(f->state.Files.DaliAccessPath));
        open();
        QCOMPARE(grid("ACG").text(2, 7), std::string("Step 2"));
        QCOMPARE(grid("ACG_DALI_Device").text(5, 1), std::string("N"));
    }

    void okWritesBothFiles() {
        testing::writeFullTables(f->state, 2, 2);
        open();
        button("Btn_SelectAll")->click();
        grid("ACG_DALI_Device").setText(3, 3, "Recall Old Value Level for Switch");
        grid("ASG").setChecked(2, 1, false);
        button("Btn_OK")->click();
        QCOMPARE(window->result(), int(QDialog::Accepted));
        QVERIFY(f->prompts.shown.empty());
        auto channels = readDaliAccessFile(f->state.Files.DaliAccessPath);
        QVERIFY(channels);
        QVERIFY((*channels)[63].enabled);
        QCOMPARE((*channels)[2].recallLevel, std::string("Recall Old Value Level for Switch"));
        auto tables = readDali2AccessFile(f->state.Files.Dali2AccessPath);
        QVERIFY(tables);
        QCOMPARE(tables->functions.size(), std::size_t(2));
        QCOMPARE(tables->rules.size(), std::size_t(2));
        QCOMPARE(tables->rules[1][RuEnable], std::string("N"));
    }

    void okWithAnErrorOnAnotherPageStaysOpen() {
        open();
        grid("ACG").setRowCells(1, {"Toggle", "When Greater to Value", "Short Press", "", "", "", ""});
        QCOMPARE(pages()->currentIndex(), int(TFDALI_Access::SelectDevicePage));
        button("Btn_OK")->click();
        QCOMPARE(
            f->prompts.lastText(),
            std::string(
                "Function - Error Row 1!! Condition for this Event / Value must be \"When Equal to Value\""));
        QCOMPARE(pages()->currentIndex(), int(TFDALI_Access::SelectDevicePage));
        QVERIFY(window->isVisible());
        QVERIFY(!std::filesystem::exists(f->state.Files.DaliAccessPath));
        QVERIFY(!std::filesystem::exists(f->state.Files.Dali2AccessPath));
    }

    void commaIsAcceptedOnAPointSystem() {
        f->regional.separator = '.';
        open();
        grid("ACG").setRowCells(1, {"Set Out", "No Condition", "12,5", "DALI Broadcast", "", "0", ""});
        button("Btn_OK")->click();
        QCOMPARE(window->result(), int(QDialog::Accepted));
    }

    void writeFailureNamesTheFileAndStaysOpen() {
        open();
        f->state.Files.Dali2AccessPath = f->dir / "missing-folder" / "DALI2_Access.xml";
        button("Btn_OK")->click();
        QVERIFY(window->isVisible());
        QCOMPARE(f->prompts.shown.size(), std::size_t(1));
        QVERIFY(f->prompts.lastText().find("DALI2_Access.xml") != std::string::npos);
    }

    void malformedFileIsReportedAndTableStartsEmpty() {
        f->dir.write("DALI_Access.xml", "<DALI_Access><DALI_ID_DEVICE_0>1</DALI_Access>");
        open();
        QCOMPARE(f->prompts.shown.size(), std::size_t(1));
        QVERIFY(f->prompts.lastText().find("DALI_Access.xml") != std::string::npos);
        QCOMPARE(grid("ACG_DALI_Device").text(1, 1), std::string("N"));
    }

    void channelHeaderMenusAndButtons() {
        open();
        QVERIFY(!window->headerMenu(1));
        auto minMax = window->headerMenu(2);
        QCOMPARE(minMax->actions().size(), 2);
        minMax->actions()[0]->trigger();
        QCOMPARE(grid("ACG_DALI_Device").text(40, 2), std::string("Y"));
        minMax->actions()[1]->trigger();
        QCOMPARE(grid("ACG_DALI_Device").text(40, 2), std::string("N"));
        auto recall = window->headerMenu(3);
        QCOMPARE(recall->actions()[1]->text(), QStringLiteral("Select All Recall Min-Max Level for Switch"));
        recall->actions()[1]->trigger();
        QCOMPARE(grid("ACG_DALI_Device").text(64, 3), std::string("Recall Min-Max Level for Switch"));
        button("Btn_SelectAll")->click();
        QCOMPARE(grid("ACG_DALI_Device").text(1, 1), std::string("Y"));
        button("Btn_ClearAll")->click();
        QCOMPARE(grid("ACG_DALI_Device").text(64, 1), std::string("N"));
    }

    void copyFlagOfFunctionsOutlivesCancelButNotOfRules() {
        testing::writeFullTables(f->state, 3, 3);
        open();
        pages()->setCurrentIndex(TFDALI_Access::FunctionsPage);
        selectCell("ACG", 2, 1);
        button("Btn_CopyRow")->click();
        pages()->setCurrentIndex(TFDALI_Access::SetAccessPage);
        selectCell("ASG", 1, 2);
        button("Btn_CopyRow")->click();
        window->reject();

        open();
        pages()->setCurrentIndex(TFDALI_Access::SetAccessPage);
        selectCell("ASG", 5, 2);
        button("Btn_PasteRow")->click();
        QCOMPARE(f->prompts.lastText(), f->state.Texts[902]);

        // The clipboard still holds the rule row: pasting it into the functions table has the wrong width.
        pages()->setCurrentIndex(TFDALI_Access::FunctionsPage);
        selectCell("ACG", 5, 1);
        button("Btn_PasteRow")->click();
        QCOMPARE(f->prompts.lastText(), f->state.Texts[901]);

        selectCell("ACG", 2, 1);
        button("Btn_CopyRow")->click();
        window->reject();
        open();
        pages()->setCurrentIndex(TFDALI_Access::FunctionsPage);
        selectCell("ACG", 5, 1);
        f->prompts.shown.clear();
        button("Btn_PasteRow")->click();
        QVERIFY(f->prompts.shown.empty());
        QCOMPARE(grid("ACG").text(5, 7), std::string("Step 2"));
    }

    void deleteAsksFirst() {
        testing::writeFullTables(f->state, 4, 4);
        open();
        pages()->setCurrentIndex(TFDALI_Access::FunctionsPage);
        selectCell("ACG", 3, 1);
        f->prompts.answers = {false};
        button("Btn_DelRow")->click();
        QCOMPARE(f->prompts.lastText(), std::string("Are you sure to delete the Row number 3"));
        QCOMPARE(grid("ACG").text(3, 7), std::string("Step 3"));
        f->prompts.answers = {true};
        button("Btn_DelRow")->click();
        QCOMPARE(grid("ACG").text(3, 7), std::string("Step 4"));
        QCOMPARE(grid("ACG").text(4, 1), std::string(""));

        pages()->setCurrentIndex(TFDALI_Access::SetAccessPage);
        selectCell("ASG", 1, 2);
        f->prompts.answers = {true};
        button("Btn_DelRow")->click();
        QCOMPARE(grid("ASG").text(1, 12), std::string("Rule 2"));
        QVERIFY(grid("ASG").checked(256, 1));
        QVERIFY(grid("ASG").readOnly(256, 2));
    }

    void insertTicksOnlyRules() {
        testing::writeFullTables(f->state, 2, 2);
        open();
        pages()->setCurrentIndex(TFDALI_Access::SetAccessPage);
        selectCell("ASG", 1, 3);
        button("Btn_InsRow")->click();
        QCOMPARE(grid("ASG").rowCells(1), (TableRow{"Y", "", "", "", "", "", "", "", "", "", "", ""}));
        QCOMPARE(grid("ASG").text(2, 12), std::string("Rule 1"));
        pages()->setCurrentIndex(TFDALI_Access::FunctionsPage);
        selectCell("ACG", 1, 3);
        button("Btn_InsRow")->click();
        QCOMPARE(grid("ACG").text(1, 1), std::string(""));
        QCOMPARE(grid("ACG").text(2, 7), std::string("Step 1"));
    }

    void pickingAnEventSetsTheCondition() {
        open();
        pages()->setCurrentIndex(TFDALI_Access::FunctionsPage);
        TableView* acg = table("ACG");
        QModelIndex cell = acg->tableModel()->cellIndex(4, 3);
        acg->setCurrentIndex(cell);
        acg->edit(cell);
        auto* combo = acg->findChild<QComboBox*>();
        QVERIFY(combo);
        QVERIFY(combo->isEditable());
        int occupied = combo->findText("Occupied");
        combo->setCurrentIndex(occupied);
        emit combo->activated(occupied);
        QCOMPARE(grid("ACG").text(4, 3), std::string("Occupied"));
        QCOMPARE(grid("ACG").text(4, 2), std::string("AND Logic with Value"));
    }

    void typeListFollowsDevSenExactly() {
        Dali2Access tables;
        tables.rules = {testing::sampleRule(1), testing::sampleRule(2)};
        tables.rules[1][RuDevSen] = "device";
        writeDali2AccessFile(tables, f->state.Files.Dali2AccessPath);
        open();
        QCOMPARE(grid("ASG").listFor(1, 3).size(), std::size_t(10));
        QVERIFY(grid("ASG").listFor(2, 3).empty());
        QCOMPARE(grid("ASG").listFor(1, 2), (std::vector<std::string>{"Device", "Sensor"}));
    }

    void selectorRebuiltOnPageChange() {
        open();
        pages()->setCurrentIndex(TFDALI_Access::FunctionsPage);
        grid("ACG").setText(7, 7, "stairs");
        QCOMPARE(grid("ASG").listFor(1, 9)[7], std::string("7 - "));
        pages()->setCurrentIndex(TFDALI_Access::SetAccessPage);
        QCOMPARE(grid("ASG").listFor(1, 9)[7], std::string("7 - stairs"));
    }

    void enterJumpsOnlyInRuleAndFunctionTables() {
        f->state.EnableJumpFieldTables = true;
        open();
        table("ACG_DALI_Device")->setCurrentCell(64, 3);
        QTest::keyClick(table("ACG_DALI_Device"), Qt::Key_Return);
        QCOMPARE(table("ACG_DALI_Device")->currentTableRow(), 64);
        pages()->setCurrentIndex(TFDALI_Access::FunctionsPage);
        table("ACG")->setCurrentCell(250, 7);
        QTest::keyClick(table("ACG"), Qt::Key_Return);
        QCOMPARE(table("ACG")->currentTableRow(), 1);
        QCOMPARE(table("ACG")->currentIndex().column(), 1);
    }

    void rowNumberClickSelectsTheRowOnlyInRuleAndFunctionTables() {
        open();
        const struct {
            TFDALI_Access::Page page;
            const char* table;
            bool rowSelected;
        } cases[] = {{TFDALI_Access::SelectDevicePage, "ACG_DALI_Device", false},
                     {TFDALI_Access::SetAccessPage, "ASG", true},
                     {TFDALI_Access::FunctionsPage, "ACG", true}};
        for (const auto& c : cases) {
            pages()->setCurrentIndex(c.page);
            TableView* view = table(c.table);
            QVERIFY(QTest::qWaitForWindowExposed(view));
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                              view->visualRect(view->tableModel()->cellIndex(2, 0)).center());
            QCOMPARE(view->currentTableRow(), 2);
            QVERIFY2(view->selectionModel()->isRowSelected(1, {}) == c.rowSelected, c.table);
        }
    }

    void languageChangeReappliesTexts() {
        open();
        f->state.Texts.set(2556, "Zugriff");
        f->state.Texts.set(602, "Gut");
        f->state.Texts.set(2502, "Ger/Sen");
        window->Set_Lang();
        QCOMPARE(pages()->tabText(1), QStringLiteral("Zugriff"));
        QCOMPARE(button("Btn_OK")->text(), QStringLiteral("Gut"));
        QCOMPARE(button("Btn_DelRow")->text(), QStringLiteral("Delete Row"));
        QCOMPARE(table("ASG")->tableModel()->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Ger/Sen"));
    }
};

QTEST_MAIN(DaliAccessWindowTest)
#include "dali_access_window_test.moc"
