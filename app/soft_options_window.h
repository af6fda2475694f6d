#pragma once
// The software options dialog: the user-interface language (flags, six per page), internet access,
// the periodic and the immediate version check, and two table behaviours. Options are stored only
// on OK; a picked language is shown at once in every window but kept for the next start only on OK.
#include "common/corvane_dialog.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace corvane {

class VersionChecker;

class TFSoftOptions : public CorvaneDialog {
    Q_OBJECT
public:
    static constexpr int kSlotCount = 6;

    TFSoftOptions(AppState& state, Platform& platform, QWidget* parent = nullptr);

    void Set_Lang() override;

    // The main window's re-application of every window's texts after a language pick; without it
    // only this window's texts are re-applied.
    void setChangeLanguage(std::function<void()> changeLanguage) { changeLanguage_ = std::move(changeLanguage); }

    // The language files found at the last showing, sorted (file names with extension).
    const std::vector<std::string>& languages() const { return SL_Languages; }
    int shownPage() const { return Show_Page; }
    int pageCount() const;
    const std::string& languageInUse() const { return Language_In_Use; }
    VersionChecker& versionChecker() const { return *checker_; }

    // A click on slot 1 to 6 of the shown page (picture or label).
    void LangClick(int slot);

protected:
    void buildControls() override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct LanguageSlot {
        QLabel* picture = nullptr;
        QLabel* label = nullptr;
    };

    void buildLanguagePage(QWidget* page);
    void buildConnectionPage(QWidget* page);
    void buildSettingsPage(QWidget* page);

    void FormShow();
    void Create_Lang_List();
    void Update_Lang_Page(int page);
    void showPageTexts(int page);
    void showSlot(LanguageSlot& slot, const std::string& name);
    void Btn_NextClick(QPushButton* sender);
    void Update_CheckBox();
    void Btn_Check_UpdateClick();
    void showCheckResult(bool newer);
    void Btn_OKClick();
    std::string languageAt(int page, int slot) const;

    std::vector<std::string> SL_Languages;
    int Show_Page = 1;
    std::string Language_In_Use;
    std::function<void()> changeLanguage_;
    VersionChecker* checker_ = nullptr;

    QTabWidget* PC_Options = nullptr;
    QWidget* TS_Language = nullptr;
    QWidget* TS_Con_Options = nullptr;
    QWidget* TS_Soft_Settings = nullptr;
    QLabel* L_Sel_Lang = nullptr;
    QLabel* L_Page_Lang = nullptr;
    std::array<LanguageSlot, kSlotCount> slots_{};
    QPushButton* Btn_Prev = nullptr;
    QPushButton* Btn_Next = nullptr;
    QCheckBox* CB_En_Con = nullptr;
    QCheckBox* CB_Update = nullptr;
    QPushButton* Btn_Check_Update = nullptr;
    QLabel* LL_Check_Update = nullptr;
    QCheckBox* CB_Soft_Set_Jump_Table = nullptr;
    QCheckBox* CB_DoubleClick_Auto_Size = nullptr;
    QPushButton* Btn_OK = nullptr;
    QPushButton* Btn_Cancel = nullptr;
};

} // namespace corvane
