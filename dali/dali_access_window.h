#pragma once
// "DALI Access": edits the DALI side of the active configuration on three pages — which of the 64 DALI
// channels are present with their options (DALI_Access.xml), the DALI-2 input rules and the functions
// they run (DALI2_Access.xml). Every opening reloads both files; OK checks the rules and writes both.
#include "common/corvane_dialog.h"
#include "common/table/table_grid.h"

#include <memory>
#include <string>
#include <vector>

class QMenu;
class QTabWidget;

namespace corvane {

class TableModel;
class TableView;

class TFDALI_Access : public CorvaneDialog {
    Q_OBJECT
  public:
    enum Page { SelectDevicePage, SetAccessPage, FunctionsPage };

    TFDALI_Access(AppState& state, Platform& platform, QWidget* parent = nullptr);
    ~TFDALI_Access() override;

    void Set_Lang() override;

    // The header menu of a channel-table column (Min-Max Value, Recall Level); nullptr for others.
    std::unique_ptr<QMenu> headerMenu(int col);

  protected:
    void buildControls() override;
    void showEvent(QShowEvent* event) override;

  private:
    void buildPages();
    TableView* addTable(QWidget* page, const char* name, TableModel* model, bool sharedBehaviours);
    void buildButtons();
    void Init_Table();

    void FormShow();
    void loadChannelFile();
    void loadDali2File();
    void PC_DALIChange();
    void Compile_Function();
    void Btn_OKClick();
    bool Controllo_dati();
    bool saveFiles();

    void Btn_SelectAllClick();
    void Btn_ClearAllClick();
    void setChannelColumn(int col, const std::string& text);

    bool onRulePage() const;
    TableView& activeRowTable() const;
    int activeRow() const;
    void Btn_DelRowClick();
    void Btn_InsRowClick();
    void Btn_CopyRowClick();
    void Btn_PasteRowClick();
    void ACGComboChange(int tableRow, int col, const std::string& picked);

    TableGrid channels_;
    TableGrid rules_;
    TableGrid functions_;
    std::vector<std::string> SelFunct;
    bool Do_Copy = false;
    bool Do_Copy_Fun = false;

    TableModel* channelModel_ = nullptr;
    TableModel* ruleModel_ = nullptr;
    TableModel* functionModel_ = nullptr;
    QTabWidget* PC_DALI = nullptr;
    QWidget* TS_Select_Device = nullptr;
    QWidget* TS_Set_Access = nullptr;
    QWidget* TS_Functions = nullptr;
    TableView* ACG_DALI_Device = nullptr;
    TableView* ASG = nullptr;
    TableView* ACG = nullptr;
    QPushButton* Btn_OK = nullptr;
    QPushButton* Btn_Cancel = nullptr;
    QPushButton* Btn_SelectAll = nullptr;
    QPushButton* Btn_ClearAll = nullptr;
    QPushButton* Btn_DelRow = nullptr;
    QPushButton* Btn_InsRow = nullptr;
    QPushButton* Btn_CopyRow = nullptr;
    QPushButton* Btn_PasteRow = nullptr;
};

} // namespace corvane
