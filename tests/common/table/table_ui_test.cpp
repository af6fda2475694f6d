// The table model under the model tester, and the view's shared behaviours.
#include "common/table/table_model.h"
#include "common/table/table_view.h"
#include "tests/common/table/table_test_grids.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace corvane;

class TableUiTest : public QObject {
    Q_OBJECT
  private:
    AppState state;

  private slots:
    void initTestCase() { state.Texts.FillDefaultTexts(); }

    void modelPassesTheTesterThroughEdits() {
        TableGrid grid = testing::plainGrid(64);
        TableModel model(grid, state.Texts);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.rowCount(), 64);
        QCOMPARE(model.columnCount(), 6);
        QVERIFY(model.setData(model.cellIndex(3, 2), QStringLiteral("abc"), Qt::EditRole));
        QCOMPARE(grid.text(3, 2), std::string("abc"));
        QVERIFY(model.setData(model.cellIndex(3, 1), Qt::Checked, Qt::CheckStateRole));
        QCOMPARE(grid.text(3, 1), std::string("Y"));
        testing::fillNumbered(grid);
        model.rowsChanged();
        model.rowsChanged(5, 9);
        model.headersChanged();
    }

    void checkCellsMapToYesNo() {
        TableGrid grid = testing::plainGrid(2);
        TableModel model(grid, state.Texts);
        grid.setChecked(1, 1, true);
        QCOMPARE(model.cellIndex(1, 1).data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Checked);
        QCOMPARE(model.cellIndex(2, 1).data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Unchecked);
        QVERIFY(!model.cellIndex(1, 1).data(Qt::DisplayRole).isValid()); // the box, not "Y"
        QVERIFY(model.flags(model.cellIndex(1, 1)) & Qt::ItemIsUserCheckable);
        QVERIFY(!(model.flags(model.cellIndex(1, 1)) & Qt::ItemIsEditable));
    }

    void readOnlyMarksAndFixedColumnRefuseEdits() {
        TableGrid grid = testing::plainGrid(2);
        TableModel model(grid, state.Texts);
        grid.setReadOnly(2, 2, true);
        QVERIFY(!(model.flags(model.cellIndex(2, 2)) & Qt::ItemIsEditable));
        QVERIFY(!model.setData(model.cellIndex(2, 2), QStringLiteral("x"), Qt::EditRole));
        QVERIFY(!model.setData(model.cellIndex(1, 0), QStringLiteral("x"), Qt::EditRole));
        QCOMPARE(model.cellIndex(1, 0).data().toString(), QStringLiteral("1"));
    }

    void headersHintsAndColours() {
        TableSchema schema = {
            {.kind = ColumnKind::RowNumber, .headerIndex = 2500},
            {.kind = ColumnKind::Text, .headerIndex = 2501, .hintIndex = 2515, .colour = 0xFFD8B0},
            {.kind = ColumnKind::Text, .headerText = "Fixed"},
        };
        TableGrid grid(schema, 3);
        TableModel model(grid, state.Texts);
        QCOMPARE(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Enable"));
        QCOMPARE(model.headerData(1, Qt::Horizontal, Qt::ToolTipRole).toString(),
                 QStringLiteral("Enable/Disable the DALI Rule"));
        QVERIFY(!model.headerData(0, Qt::Horizontal, Qt::ToolTipRole).isValid());
        QCOMPARE(model.headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Fixed"));
        QCOMPARE(model.cellIndex(2, 1).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 216, 176));
    }

    void delegatePicksEditorFromColumnKind() {
        TableGrid grid = testing::plainGrid(3);
        TableModel model(grid, state.Texts);
        TableView view(state);
        view.setTableModel(&model);
        view.show();
        grid.setText(1, 3, "b");
        QWidget* combo = view.tableDelegate()->createEditor(view.viewport(), {}, model.cellIndex(1, 3));
        QVERIFY(qobject_cast<QComboBox*>(combo));
        QVERIFY(!qobject_cast<QComboBox*>(combo)->isEditable());
        view.tableDelegate()->setEditorData(combo, model.cellIndex(1, 3));
        QCOMPARE(qobject_cast<QComboBox*>(combo)->currentText(), QStringLiteral("b"));
        QWidget* line = view.tableDelegate()->createEditor(view.viewport(), {}, model.cellIndex(1, 2));
        QVERIFY(qobject_cast<QLineEdit*>(line));
        QVERIFY(!view.tableDelegate()->createEditor(view.viewport(), {}, model.cellIndex(1, 1)));
        QVERIFY(!view.tableDelegate()->createEditor(view.viewport(), {}, model.cellIndex(1, 0)));
        delete combo;
        delete line;
        QVERIFY(view.isColumnHidden(4));
    }

    void enterWrapsFromLastCellToRowOne() {
        TableGrid grid = testing::plainGrid(3);
        TableModel model(grid, state.Texts);
        TableView view(state);
        view.setTableModel(&model);
        view.setSharedBehaviours(true);
        view.show();
        state.EnableJumpFieldTables = true;
        view.setCurrentCell(3, 5);
        QTest::keyClick(&view, Qt::Key_Return);
        QCOMPARE(view.currentTableRow(), 1);
        QCOMPARE(view.currentIndex().column(), 1);
        QTest::keyClick(&view, Qt::Key_Enter);
        QCOMPARE(view.currentIndex().column(), 2);
        state.EnableJumpFieldTables = false;
        view.setCurrentCell(2, 2);
        QTest::keyClick(&view, Qt::Key_Return);
        QCOMPARE(view.currentTableRow(), 2);
        QCOMPARE(view.currentIndex().column(), 2);
    }

    void typingInACellThenEnterStoresAndMovesOn() {
        TableGrid grid = testing::plainGrid(3);
        TableModel model(grid, state.Texts);
        TableView view(state);
        view.setTableModel(&model);
        view.setSharedBehaviours(true);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        state.EnableJumpFieldTables = true;
        view.setCurrentCell(2, 2);
        view.edit(view.currentIndex());
        auto* line = view.findChild<QLineEdit*>();
        QVERIFY(line);
        QTest::keyClicks(line, "typed");
        QTest::keyClick(line, Qt::Key_Return);
        QCOMPARE(grid.text(2, 2), std::string("typed"));
        QCOMPARE(view.currentTableRow(), 2);
        QCOMPARE(view.currentIndex().column(), 3);
        state.EnableJumpFieldTables = false;
    }

    void clickOnACheckCellTogglesIt() {
        TableGrid grid = testing::plainGrid(3);
        TableModel model(grid, state.Texts);
        TableView view(state);
        view.setTableModel(&model);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QRect cell = view.visualRect(model.cellIndex(2, 1));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(grid.text(2, 1), std::string("Y"));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell.topLeft() + QPoint(3, 3));
        QCOMPARE(grid.text(2, 1), std::string("N"));
        grid.setReadOnly(2, 1, true);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(grid.text(2, 1), std::string("N"));
    }

    void clickOnTheRowNumberSelectsTheRow_data() {
        QTest::addColumn<bool>("shared");
        QTest::addColumn<bool>("rowSelected");
        QTest::newRow("table with the shared behaviours") << true << true;
        QTest::newRow("table without them: only the cell") << false << false;
    }

    void clickOnTheRowNumberSelectsTheRow() {
        QFETCH(bool, shared);
        QFETCH(bool, rowSelected);
        TableGrid grid = testing::plainGrid(3);
        TableModel model(grid, state.Texts);
        TableView view(state);
        view.setTableModel(&model);
        view.setSharedBehaviours(shared);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                          view.visualRect(model.cellIndex(3, 0)).center());
        QCOMPARE(view.currentTableRow(), 3);
        QCOMPARE(view.selectionModel()->isRowSelected(2, {}), rowSelected);
        QVERIFY(view.selectionModel()->isSelected(model.cellIndex(3, 0)));
    }

    void headerDoubleClickFitsOnlyWithTheOption() {
        TableGrid grid = testing::plainGrid(3);
        grid.setText(2, 2, "a rather long text that needs a wide column");
        TableModel model(grid, state.Texts);
        TableView view(state);
        view.setTableModel(&model);
        view.setSharedBehaviours(true);
        view.show();
        int before = view.columnWidth(2);
        state.DoubleClickAutoSize = false;
        emit view.horizontalHeader()->sectionDoubleClicked(2);
        QCOMPARE(view.columnWidth(2), before);
        state.DoubleClickAutoSize = true;
        emit view.horizontalHeader()->sectionDoubleClicked(2);
        QVERIFY(view.columnWidth(2) > before);
        state.DoubleClickAutoSize = false;
    }
};

QTEST_MAIN(TableUiTest)
#include "table_ui_test.moc"
