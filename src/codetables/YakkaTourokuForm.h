#pragma once

#include <QDialog>
#include <QList>
#include <QSet>
#include <QStringList>
#include <array>

class FlexGrid;
class LabelButtonArray;
class QFrame;
class QLineEdit;
class QRadioButton;
class TextFile;

// The code-table register: the drug prices (page 0), the fee points of the nine treatment
// categories (page 1) and the house-call fees by distance (page 2), each in a grid edited in
// place and written back to its code file by the page's "登録実行". In 宮崎県 the Miyazaki drug and
// fee tables take the place of pages 0 and 1 and there is no page 2. Shown modally; the caller
// reloads the code tables when it returns.
class YakkaTourokuForm : public QDialog
{
    Q_OBJECT

public:
    explicit YakkaTourokuForm(QWidget* parent = nullptr);

    // Commands and events, by the index of the control that raised them.
    void CmdGd_Click(int index);
    void BunruiOp_Click(int index);
    void SinryiOp_Click(int index);
    void KensakuTx_KeyUp(int key);
    void DataGrid_Click(int page);
    void DataGrid_Scroll();
    void inpTx_Change(int page);
    void inpTx_KeyUp(int page, int key);

    // Moving tables between the grids and their files or in-memory tables.
    int SinryoKubunGetProc() const;
    void SinryoKubunSetProc(int index);
    void YakkaCodeReadProc();
    void YakkaCodeSaveProc();
    void SinryoCodeSaveProc();
    void LenCodeReadProc();
    void LenCodeSaveProc();
    void YakkaMiyazakiReadProc();
    void YakkaMiyazakiSaveProc();
    void SinryoMiyazakiReadProc();
    void SinryoMiyazakiSaveProc();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void buildTop();
    void buildDrugPage();
    void buildFeePage();
    void buildHousePage();
    void layoutGrids();
    QFrame* page(int k);
    void command(int index, const QString& caption, QWidget* parent, int left, int top);
    void commandRow(int k, int top, const QList<std::pair<int, QString>>& commands);

    void hideEditors();
    void openEditor(int page, int row, int col);
    void placeEditor(int page);
    void markRow(int page);
    void setEditorText(int page, const QString& text);
    void moveEditor(int page, int row, int col);
    void drugChange(const QString& text);
    void feeChange(const QString& text);
    void uegyoCopy(int page);
    void gyoTuika(int page);
    void kensaku();
    void scrollToRows(FlexGrid* grid, const QList<int>& rows);
    bool confirmDiscardFee();
    void noteReadError(const TextFile& file);
    bool writeCodeFile(const QString& path, const QStringList& lines);
    // Replaces an in-memory table by the lines just saved and tells the user.
    void replaceTable(QStringList& table, const QStringList& lines);
    void tellRegistered();
    void readFileIntoGrid(const QString& path, FlexGrid* grid,
                          QList<QStringList> (*rowsOf)(const QStringList&));
    int shownPage() const;

    bool miyazaki = false;
    bool closing = false;
    int kubunShown = 0;
    QList<QStringList> feeRowsShown;  // the fee grid as last filled or saved
    QSet<QString> unreadable;         // code files read with an error: never saved over
    std::array<FlexGrid*, 3> DataGrid{};
    std::array<QLineEdit*, 3> inpTx{};
    std::array<QFrame*, 3> WakuFrame{};
    std::array<QRadioButton*, 3> BunruiOp{};
    std::array<QRadioButton*, 9> SinryiOp{};
    QLineEdit* KensakuTx = nullptr;
    LabelButtonArray* CmdGd = nullptr;
};
