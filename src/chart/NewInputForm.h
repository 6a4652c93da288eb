#pragma once

#include "BunbenKiokuFile.h"
#include "NewInputModel.h"
#include "NewInputView.h"
#include "SinsatuWaku.h"

#include <QDialog>
#include <array>

class FlexGrid;
class LabelButton;
class LabelButtonArray;
class QCheckBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The chart editor: one episode of an animal's chart, its header and twenty examination panels.
// The load reads the episode the openers named in the shared state (or starts a new one, or, in
// template mode, reads nothing); the handlers change the editor's model and save where the
// command saves; the close commands end it. While it is open, other windows read it through
// SharedState::OpenEditor.
class NewInputForm : public QDialog, public NewInputView
{
    Q_OBJECT

public:
    // The dialogs the editor opens, each in one place, ShowSubForm.
    enum class SubForm {
        NenGappiForm, TenkiForm, ByoNameForm, RinkokuForm, GeninForm, HinagataForm, TantouForm, TprForm,
        TextInputForm, SyokenForm, TuikaForm, PictForm, Pict2Form, PictMiyazakiForm, NewDateForm, DateForm,
        KaiInputForm, TottoriTikushuForm, TensuForm, OusinForm, OusinMiyazaki, TyusyaForm, YakujiForm, SinryoForm,
        TyusyaMiyazaki, PLForm, NoPointInpForm, BpointForm, MiyazakiCodeForm, CopyForm,
    };
    Q_ENUM(SubForm)

    static constexpr int CmdCount = 25;
    static constexpr int BunruiCount = 19;

    explicit NewInputForm(QWidget* parent = nullptr);
    ~NewInputForm() override;

    NewInputModel& model() { return Model; }
    const NewInputModel& model() const { return Model; }

    // NewInputView: what other windows read while the editor is open.
    QStringList kiokuList() const override;
    QString mainGdText(int index) const override;
    QString byoName1() const override;
    int dateCh() const override;
    int bunsyoCh() const override;
    QString sinryoKaiChGdText() const override;
    const MiyazakiDataGrid& dataGrid() const override;
    QRect windowRect() const override;

    // Header.
    QFrame* MainPict = nullptr;
    std::array<QLabel*, NewInputHeader::MainGdCount> MainGd{};
    QLabel* ManryoGd = nullptr;
    QLabel* DocNameGd = nullptr;
    QLabel* ChuusiGd = nullptr;
    QLabel* SinryoKaiChGd = nullptr;
    LabelButtonArray* CmdGd = nullptr;
    LabelButtonArray* Label2 = nullptr;   // the clickable headings [畜種] (16) and [性別] (17)
    FlexGrid* ByoNameGrid = nullptr;
    QPlainTextEdit* RinkokuTx = nullptr;
    QPlainTextEdit* GeninTx = nullptr;
    QCheckBox* BunsyoCh = nullptr;
    QFrame* InfoPict = nullptr;
    QCheckBox* DateCh = nullptr;
    QFrame* SubPict[2] = {};
    QList<QLabel*> headings;   // the plain headings, hidden while composing templates

    // Examination panels and pages.
    QFrame* MainFrame = nullptr;
    QFrame* SubWakuFrame = nullptr;
    std::array<SinsatuWaku*, NewInputModel::SinsatuCount> InputWaku{};
    SinsatuArrays Arrays;
    QFrame* PageFrame = nullptr;
    LabelButtonArray* PageGd = nullptr;
    std::array<QLabel*, NewInputModel::SinsatuCount> PageNbGd{};
    QFrame* PosSp = nullptr;
    QFrame* PageSp = nullptr;

    // The category panel.
    QFrame* BunruiPict = nullptr;
    LabelButtonArray* BunruiGd = nullptr;
    QFrame* BunruiSp = nullptr;

    // The work frame of the hidden holders.
    QPushButton* Command1 = nullptr;
    QFrame* SagyoFrame = nullptr;
    std::array<QPushButton*, 4> UpDownBtn{};

    int CurrentPage = 0;
    int CurrentSinsatuIndex = 0;
    BunbenKiokuFile KiokuList;

    // Handlers, by the control arrays' indexes.
    void CmdGd_MouseDown(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void ByoNameGrid_Click(int row);
    void ByoNameGrid_MouseMove(const QPoint& pos);
    void Label2_Click(int index);
    void SinsatuDayGd_MouseDown(int j, Qt::MouseButton button);
    void SinsatuTimeGd_MouseDown(int j, Qt::MouseButton button);
    void KyuTitleGd_MouseDown(int j, Qt::MouseButton button);
    void TantouGd_MouseUp(int j, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void TPRGd_MouseDown(int j, Qt::MouseButton button);
    void TeireiGd_MouseDown(int j, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void SikyuGd_Click(int j);
    void SyokenList_Click(int j);
    void SounyuGd_Click(int j);
    void Label1_MouseDown(int j, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void CopyGd_Click(int k);
    void TiryoGrid_Click(int j, int row, int col);
    void BunruiGd_Click(int index);
    void PageIdoProc(int page);
    void PageNbGd_MouseMove(int j);
    void PageGd_Click(int j);
    void PageGd_DblClick(int j);
    void UpDownBtn_Click(int j);
    void Command1_Click();

    // The Top of the panel frame: -400 for page 0, -60820 for page 19.
    int subWakuTop() const { return subWakuTopTwips; }
    // The row of the current examination's treatment grid that the category panel acts on.
    int currentRow() const;

    void ShowSubForm(SubForm form);

signals:
    // A dialog is about to be shown modally.
    void subFormOpening(NewInputForm::SubForm form);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    template <typename Form>
    void showModal();
    void buildHeader();
    void buildHeaderLabels();
    void buildHeaderBoxes();
    void buildInfoPict();
    void buildSubPict();
    void buildPanels();
    void buildPageFrame();
    void buildBunruiPict();
    void buildSagyoFrame();
    void connectControls();
    void connectPanels();
    void Form_Load();
    void applySettei();

    // Shows the model in every control.
    void hyoji();
    void hyojiHeader();
    void PageIroSetProc();
    void HoverResetProc(int j);
    static bool bareMove(QObject* watched, QEvent* event);
    void moveMainGd19();
    void setSubWakuTop(int twips);

    bool ask(const QString& text, const QString& title = QStringLiteral("確認"));
    void tell(const QString& text, const QString& title = QStringLiteral("確認"));
    bool refuse(const struct TourokuCheck& check);
    // Saves and shows the result; reports a write that failed.
    void KarteSaveProc();
    void TensuKeisanProc();

    // Commands of the header row.
    void closeCommand();
    void printCommand();
    void newHinagata();
    void hinagataToroku();
    void hinagataYomikomi(bool overAny);
    void hinagataYakkaKousin();
    void duplicate();
    void yakkaKousin();
    void hatubyoDate(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void tenki();
    void bunbenDate(int index, Qt::MouseButton button);
    void textCommand(int index);
    void tensu();
    void byoName2Date(int index, Qt::MouseButton button);
    void kaiInput(Qt::MouseButton button);
    std::optional<QString> pickDate(int mode);

    // Category panel.
    void showBunruiPict(int j);
    void categoryEntry(int index);
    bool setLine(const TiryoLine& line);
    TiryoLine ousinLine();
    TiryoLine tyusyaLine();
    void rowCommand(int index);
    void manualValue(int j, int row, int col);
    void codeEntry(int j, int row);

    void clearSinsatu(int j);
    void tuikaSakujo(int j);
    void endWindow(int result);

    NewInputModel Model;
    int subWakuTopTwips = -400;
    bool closing = false;
};
