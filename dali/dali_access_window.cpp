#include "dali/dali_access_window.h"

#include "common/file_error.h"
#include "common/table/row_operations.h"
#include "common/table/table_model.h"
#include "common/table/table_view.h"
#include "dali/dali2_rules.h"
#include "dali/dali_access_layout.h"
#include "dali/dali_tables.h"
#include "dali/decimal_number.h"

#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace corvane {

namespace {

using namespace dali_access_geometry;

enum Text {
    kCaption = 600,
    kDescription = 601,
    kOk = 602,
    kCancel = 603,
    kSelectAll = 604,
    kClearAll = 605,
    kOkHint = 606,
    kCancelHint = 607,
    kSelectAllHint = 608,
    kClearAllHint = 609,
    kDeleteRowQuestion = 2554,
    kSelectDevicePage = 2555,
    kSetAccessPage = 2556,
    kFunctionsPage = 2557,
};

// The header menus of the channel table: fixed captions, each setting a whole column to one text.
struct HeaderMenuEntry {
    int col;
    const char* caption;
    const char* value;
};
constexpr HeaderMenuEntry kHeaderMenus[] = {
    {ChMinMax, "Select All", "Y"},
    {ChMinMax, "Clear All", "N"},
    {ChRecallLevel, "Select All None", "None"},
    {ChRecallLevel, "Select All Recall Min-Max Level for Switch", "Recall Min-Max Level for Switch"},
    {ChRecallLevel, "Select All Recall Old Value Level for Switch", "Recall Old Value Level for Switch"},
};

constexpr int kRuleKeyColumn = 1 + RuDevSen;
constexpr int kEventColumn = 1 + FnValue;
constexpr int kConditionColumn = 1 + FnCondition;

// A page that will hold one table, filling it.
QWidget* tablePage(const char* name) {
    auto* page = new QWidget;
    page->setObjectName(name);
    (new QVBoxLayout(page))->setContentsMargins(0, 0, 0, 0);
    return page;
}

// A one-pixel silver line, filled through the palette: a style sheet would slow the start.
void addRule(QWidget* parent, int top) {
    auto* rule = new QFrame(parent);
    QPalette palette = rule->palette();
    palette.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    rule->setPalette(palette);
    rule->setAutoFillBackground(true);
    rule->setGeometry(0, top, kClientWidth, 1);
}

} // namespace

TFDALI_Access::TFDALI_Access(AppState& state, Platform& platform, QWidget* parent)
    : CorvaneDialog(state, platform, parent), channels_(channelTableSchema(), kDaliChannelCount),
      rules_(ruleTableSchema([this](const TableGrid&, int) { return SelFunct; }), kRuleCapacity),
      functions_(functionTableSchema(), kFunctionCapacity) {
    setObjectName("TFDALI_Access");
    addRule(this, kTitleHeight - 1);
    addRule(this, kClientHeight - kButtonPanelHeight);
    addTitleLabels();
    buildPages();
    buildButtons();
    setClientSize(kClientWidth, kClientHeight);
    Set_Lang();
    PC_DALI->setCurrentIndex(SelectDevicePage);
    Init_Table();
}

// The grids are members, gone before QDialog's destructor hides the tables, whose views would then
// ask the models for headers over freed grids: hide while everything is still alive.
TFDALI_Access::~TFDALI_Access() { hide(); }

void TFDALI_Access::buildPages() {
    PC_DALI = new QTabWidget(this);
    PC_DALI->setObjectName("PC_DALI");
    PC_DALI->setGeometry(0, kTitleHeight, kClientWidth, kClientHeight - kTitleHeight - kButtonPanelHeight);

    channelModel_ = new TableModel(channels_, state_.Texts, this);
    ruleModel_ = new TableModel(rules_, state_.Texts, this);
    functionModel_ = new TableModel(functions_, state_.Texts, this);

    TS_Select_Device = tablePage("TS_Select_Device");
    TS_Set_Access = tablePage("TS_Set_Access");
    TS_Functions = tablePage("TS_Functions");
    PC_DALI->addTab(TS_Select_Device, QString());
    PC_DALI->addTab(TS_Set_Access, QString());
    PC_DALI->addTab(TS_Functions, QString());

    connect(PC_DALI, &QTabWidget::currentChanged, this, [this] { PC_DALIChange(); });
}

// The three tables are made on the window's first showing: with their headers, scroll bars and some 50
// connections each, they are a quarter of all the controls the program would otherwise build at start.
void TFDALI_Access::buildControls() {
    ACG_DALI_Device = addTable(TS_Select_Device, "ACG_DALI_Device", channelModel_, false);
    ASG = addTable(TS_Set_Access, "ASG", ruleModel_, true);
    ACG = addTable(TS_Functions, "ACG", functionModel_, true);

    connect(ACG_DALI_Device, &TableView::headerMenuRequested, this, [this](int col, const QPoint& at) {
        if (auto menu = headerMenu(col)) menu->exec(at);
    });
    connect(ACG->tableDelegate(), &TableDelegate::listPicked, this,
            [this](const QModelIndex& index, const QString& text) {
                ACGComboChange(TableModel::tableRow(index), index.column(), text.toStdString());
            });
}

TableView* TFDALI_Access::addTable(QWidget* page, const char* name, TableModel* model, bool sharedBehaviours) {
    auto* table = new TableView(state_);
    table->setObjectName(name);
    table->setSharedBehaviours(sharedBehaviours);
    page->layout()->addWidget(table);
    table->setTableModel(model);
    return table;
}

void TFDALI_Access::buildButtons() {
    auto button = [this](const char* name, int left) {
        return addButton(name, {left, kButtonTop, kButtonWidth, kButtonHeight});
    };
    Btn_OK = button("Btn_OK", kOkLeft);
    Btn_Cancel = button("Btn_Cancel", kCancelLeft);
    Btn_SelectAll = button("Btn_SelectAll", kPageButtonLefts[0]);
    Btn_ClearAll = button("Btn_ClearAll", kPageButtonLefts[1]);
    Btn_DelRow = button("Btn_DelRow", kPageButtonLefts[0]);
    Btn_InsRow = button("Btn_InsRow", kPageButtonLefts[1]);
    Btn_CopyRow = button("Btn_CopyRow", kPageButtonLefts[2]);
    Btn_PasteRow = button("Btn_PasteRow", kPageButtonLefts[3]);
    // The row commands are not translated.
    Btn_DelRow->setText("Delete Row");
    Btn_InsRow->setText("Insert Row");
    Btn_CopyRow->setText("Copy Row");
    Btn_PasteRow->setText("Paste Row");

    connect(Btn_OK, &QPushButton::clicked, this, [this] { Btn_OKClick(); });
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(Btn_SelectAll, &QPushButton::clicked, this, [this] { Btn_SelectAllClick(); });
    connect(Btn_ClearAll, &QPushButton::clicked, this, [this] { Btn_ClearAllClick(); });
    connect(Btn_DelRow, &QPushButton::clicked, this, [this] { Btn_DelRowClick(); });
    connect(Btn_InsRow, &QPushButton::clicked, this, [this] { Btn_InsRowClick(); });
    connect(Btn_CopyRow, &QPushButton::clicked, this, [this] { Btn_CopyRowClick(); });
    connect(Btn_PasteRow, &QPushButton::clicked, this, [this] { Btn_PasteRowClick(); });
}

void TFDALI_Access::Init_Table() {
    resetChannels(channels_);
    loadDali2(rules_, functions_, {});
    Compile_Function();
}

void TFDALI_Access::Set_Lang() {
    setWindowTitle(text(kCaption));
    L_SW_Desc->setText(text(kDescription));
    fitWhenShown(L_SW_Desc);
    Btn_OK->setText(text(kOk));
    Btn_Cancel->setText(text(kCancel));
    Btn_SelectAll->setText(text(kSelectAll));
    Btn_ClearAll->setText(text(kClearAll));
    Btn_OK->setToolTip(text(kOkHint));
    Btn_Cancel->setToolTip(text(kCancelHint));
    Btn_SelectAll->setToolTip(text(kSelectAllHint));
    Btn_ClearAll->setToolTip(text(kClearAllHint));
    PC_DALI->setTabText(SelectDevicePage, text(kSelectDevicePage));
    PC_DALI->setTabText(SetAccessPage, text(kSetAccessPage));
    PC_DALI->setTabText(FunctionsPage, text(kFunctionsPage));
    labelChannels(channels_, state_.Texts);
    channelModel_->rowsChanged();
    for (TableModel* model : {channelModel_, ruleModel_, functionModel_})
        model->headersChanged();
}

void TFDALI_Access::showEvent(QShowEvent* event) {
    CorvaneDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TFDALI_Access::FormShow() {
    loadChannelFile();
    loadDali2File();
    Do_Copy = false; // Do_Copy_Fun lasts from one opening to the next
    if (PC_DALI->currentIndex() == SelectDevicePage) ACG_DALI_Device->setFocus();
    PC_DALIChange();
}

// A file that cannot be read is reported naming it; its tables then stay at their reset values.
void TFDALI_Access::loadChannelFile() {
    resetChannels(channels_);
    try {
        if (auto table = readDaliAccessFile(state_.Files.DaliAccessPath)) loadChannels(channels_, *table);
    } catch (const FileError& error) {
        prompts().error(error.what());
    }
    channelModel_->rowsChanged();
}

void TFDALI_Access::loadDali2File() {
    Dali2Access tables;
    try {
        if (auto loaded = readDali2AccessFile(state_.Files.Dali2AccessPath)) tables = std::move(*loaded);
    } catch (const FileError& error) {
        prompts().error(error.what());
    }
    loadDali2(rules_, functions_, tables);
    ruleModel_->rowsChanged();
    functionModel_->rowsChanged();
}

void TFDALI_Access::PC_DALIChange() {
    bool channelPage = PC_DALI->currentIndex() == SelectDevicePage;
    Btn_SelectAll->setVisible(channelPage);
    Btn_ClearAll->setVisible(channelPage);
    for (QPushButton* button : {Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow})
        button->setVisible(!channelPage);
    Compile_Function();
}

void TFDALI_Access::Compile_Function() {
    SelFunct = corvane::Compile_Function(functions_.rows(functions_.dataRows()));
}

bool TFDALI_Access::Controllo_dati() {
    Dali2Access tables = dali2FromGrids(rules_, functions_);
    std::vector<Dali2Problem> problems =
        corvane::Controllo_dati(tables, GetDecimalSeparator(platform_.regional), state_.Texts);
    if (problems.empty()) return true;
    prompts().error(problems.front().message);
    return false;
}

bool TFDALI_Access::saveFiles() {
    try {
        writeDaliAccessFile(channelsFromGrid(channels_), state_.Files.DaliAccessPath);
        writeDali2AccessFile(dali2FromGrids(rules_, functions_), state_.Files.Dali2AccessPath);
        return true;
    } catch (const FileError& error) {
        prompts().error(error.what());
        return false;
    }
}

void TFDALI_Access::Btn_OKClick() {
    if (!Controllo_dati()) return;
    if (!saveFiles()) return; // the window stays open with the user's input
    accept();
}

void TFDALI_Access::setChannelColumn(int col, const std::string& value) {
    setWholeColumn(channels_, col, value);
    channelModel_->rowsChanged();
}

void TFDALI_Access::Btn_SelectAllClick() {
    setChannelColumn(ChEnable, "Y");
}
void TFDALI_Access::Btn_ClearAllClick() {
    setChannelColumn(ChEnable, "N");
}

std::unique_ptr<QMenu> TFDALI_Access::headerMenu(int col) {
    std::unique_ptr<QMenu> menu;
    for (const HeaderMenuEntry& entry : kHeaderMenus) {
        if (entry.col != col) continue;
        if (!menu) menu = std::make_unique<QMenu>(this);
        connect(menu->addAction(entry.caption), &QAction::triggered, this,
                [this, entry] { setChannelColumn(entry.col, entry.value); });
    }
    return menu;
}

bool TFDALI_Access::onRulePage() const {
    return PC_DALI->currentIndex() == SetAccessPage;
}

TableView& TFDALI_Access::activeRowTable() const {
    return onRulePage() ? *ASG : *ACG;
}

// The current row of the page's table; row 1 when no cell has been made current yet.
int TFDALI_Access::activeRow() const {
    return std::max(1, activeRowTable().currentTableRow());
}

void TFDALI_Access::Btn_DelRowClick() {
    int row = activeRow();
    if (!prompts().confirm(formatRowMessage(state_.Texts[kDeleteRowQuestion], row))) return;
    if (onRulePage())
        CheckGrid_DelRow(rules_, row, true);
    else
        Grid_DelRow(functions_, row);
    activeRowTable().tableModel()->rowsChanged(row);
}

void TFDALI_Access::Btn_InsRowClick() {
    int row = activeRow();
    if (onRulePage())
        CheckGrid_InsRow(rules_, row, true);
    else
        Grid_InsRow(functions_, row, false);
    activeRowTable().tableModel()->rowsChanged(row);
}

void TFDALI_Access::Btn_CopyRowClick() {
    int row = activeRow();
    if (onRulePage()) {
        CheckGrid_CopyRow(rules_, row, state_);
        Do_Copy = true;
    } else {
        Grid_CopyRow(functions_, row, state_);
        Do_Copy_Fun = true;
    }
}

void TFDALI_Access::Btn_PasteRowClick() {
    int row = activeRow();
    bool changed = onRulePage() ? CheckGrid_PasteRow(rules_, row, Do_Copy, state_, prompts())
                                : Grid_PasteRow(functions_, row, Do_Copy_Fun, state_, prompts());
    if (changed) activeRowTable().tableModel()->rowsChanged(row, row);
}

void TFDALI_Access::ACGComboChange(int tableRow, int col, const std::string& picked) {
    if (col != kEventColumn) return;
    if (auto condition = SetConditionOnEvent(picked)) {
        functions_.setText(tableRow, kConditionColumn, std::string(*condition));
        functionModel_->rowsChanged(tableRow, tableRow);
    }
}

} // namespace corvane
