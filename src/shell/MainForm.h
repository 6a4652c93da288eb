#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

class FlexGrid;
class LabelButton;
class LabelButtonArray;
class MainWorkFrame;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The main window and start-up window: its load reads the configuration and sets the shared
// values, then it shows the menu. It switches between three states (the menu, a farmer's animal
// list and an animal's episode history) and opens every other top-level window modally.
class MainForm : public QWidget
{
    Q_OBJECT

public:
    // The windows the main window opens. Each is opened in one place, ShowSubForm.
    enum class SubForm {
        SyukeiForm, MasterForm, TuchiboForm, BackUpForm, NewKarteForm, BunruiForm, NewInputForm,
        KenanForm, IbaragiForm, MiyazakiYakkaForm, InportForm, ExportForm, IbaragiSyukeiForm,
        SinryoKirokuForm, LastBunbenForm, YakkaTourokuForm,
    };
    Q_ENUM(SubForm)
    enum class State { Menu, List, Rireki };

    static constexpr int cmdCount = 22;
    static QString productTitle() { return QStringLiteral("Nolvari"); }

    // Builds the window and runs the start-up. When a file the program cannot run without is
    // missing or unreadable the load shows a message naming it and loadOk() is false.
    explicit MainForm(QWidget* parent = nullptr);

    bool loadOk() const { return loaded; }
    State state() const { return currentState; }
    LabelButton* CmdGd(int index) const;

    QLabel* TitlePict = nullptr;
    LabelButton* MainTitleGd[3] = {};
    QLabel* YearGd = nullptr;
    QFrame* MainFrame[3] = {};
    QLabel* InfoGd = nullptr;
    QLabel* TestGd = nullptr;
    MainWorkFrame* WorkFrame = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* TorikomiBtn = nullptr;
    LabelButton* Tgd = nullptr;

    QLabel* NameHyojiGd[3] = {};
    LabelButton* NormalGd = nullptr;
    LabelButton* IsiNameGd = nullptr;
    QLineEdit* KensakuTx = nullptr;
    QCheckBox* MeigouCh = nullptr;
    QFrame* BunruiFrame = nullptr;
    QLineEdit* BunruiTx = nullptr;
    FlexGrid* KotaiGrid = nullptr;
    QList<QStringList> KotaiSubGrid;  // the full list while the class-letter filter shows a part
    QListWidget* MainList = nullptr;

    FlexGrid* RirekiGrid = nullptr;
    QCheckBox* KenanCh = nullptr;
    QLabel* GuideGd = nullptr;

    void CmdGd_Click(int index);
    void CmdGd_MouseUp(int index, Qt::KeyboardModifiers modifiers);
    void MainTitleGd_MouseUp(int index, Qt::KeyboardModifiers modifiers);
    void MainTitleGd_DblClick(int index);
    void KotaiGrid_Click(int row, int col);
    void RirekiGrid_Click(int row, int col);
    void NormalGd_Click();
    void MeigouCh_Click();
    void Tgd_Click();
    void Command3_Click();
    void TorikomiBtn_Click();

    // Fixes the current farmer (mode 0) and lists his animals; any other mode lists the current
    // farmer's animals again. False when no farmer was chosen.
    bool NoukaYobidasiProc(int mode);
    void KotaiSortProc();
    void KotaiGridClearProc();

    void ShowSubForm(SubForm form);

signals:
    // A window is about to be shown modally.
    void subFormOpening(MainForm::SubForm form);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class FarmerChoice { None, Picked, Fixed };

    void buildControls();
    void buildBanner();
    void addTitle(int index, QWidget* parent, const QColor& color);
    void buildFrames();
    void buildCmdGd();
    void buildListFrame();
    void buildRirekiFrame();
    void buildWorkPanel();
    void connectControls();

    void Form_Load();
    void setTitles();
    void setMenuItems();
    void layoutKotaiGrid();
    void layoutRirekiGrid();
    void CodeTableLoadProc();
    void setState(State state);
    // Shows a window of the system modally.
    template <typename Form>
    void showModal();

    void newExamination();
    void exitProgram();
    void chartInput();
    void newChart();
    void searchKotai();
    void filterBunrui();
    void showYakkaTouroku();

    FarmerChoice fixFarmer();
    void KotaiListSetProc();
    void renumberKotaiGrid();
    bool latestOutcomeSite();
    void RirekiSetProc(bool latestOutcome);
    void showRireki(int row, const QString& caption, bool latestOutcome);

    bool loaded = false;
    State currentState = State::Menu;
    LabelButtonArray* cmdButtons = nullptr;
    LabelButtonArray* normalButtons = nullptr;
};
