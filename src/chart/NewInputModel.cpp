#include "NewInputModel.h"

#include "KarteText.h"
#include "ToridasiImport.h"

#include "common/DataPath.h"
#include "common/SharedState.h"
#include "common/SharedUtil.h"
#include "common/TextFile.h"
#include "common/ValueReader.h"
#include "treatment/TensuKeisanProc.h"
#include "treatment/TensuText.h"

#include <cmath>

namespace {

const QString kindTexts[] = {QStringLiteral("繁殖"), QStringLiteral("へい病")};

// A check box's value as the block stores it: ticked when the field's whole number is not 0.
QString checkText(const QString& field)
{
    return std::trunc(TensuText::value(field)) != 0 ? QStringLiteral("1") : QStringLiteral("0");
}

std::array<QString, SinsatuBlock::SyokenCount> compacted(const std::array<QString, SinsatuBlock::SyokenCount>& items)
{
    std::array<QString, SinsatuBlock::SyokenCount> out;
    int n = 0;
    for (const QString& item : items) {
        if (!item.isEmpty())
            out.at(n++) = item;
    }
    return out;
}

} // namespace

NewInputModel::Settei NewInputModel::Settei::fromShared()
{
    const SharedState& s = SharedState::get();
    Settei set;
    set.ken = s.ken;
    set.Hinagata = s.Hand.KarteHinagataMode == 1;
    set.KarteOpenMode = s.KarteOpenMode;
    set.TiryoboMode = s.ken == Ken::Ibaraki && s.IbaragiFormOpen == 1;
    set.ManryoShown = s.ManryoFlag == 1;
    set.KyuTimeShown = s.ken == Ken::Kagoshima && s.Site.has(QStringLiteral("SiteKagoshimaVetC"));
    set.Pict = PictEntry::scheme(s.ken, s.Site);
    return set;
}

NewInputModel::NewInputModel(const Settei& set) : Set(set)
{
    const SharedState& s = SharedState::get();
    KarteFileName = s.CurrentKarteFile;
    if (set.ken == Ken::Miyazaki)
        DataGrid = MiyazakiDataGrid::fromTables(s.Tables.YakkaMiyazakiTable, s.Tables.SinryoMiyazakiTable);
    for (SinsatuBlock& p : Panels) {
        for (QString* f : {&p.SinsatuDate, &p.Tpr, &p.StartTime, &p.EndTime, &p.KyuTime})
            *f = NewInputHeader::dash();
        p.Tantou = QStringLiteral("担当");
        p.PictNb = PictEntry::normalised(set.Pict, QString());
    }
}

::TensuKeisanProc NewInputModel::keisan() const
{
    return ::TensuKeisanProc(Set.ken, DataGrid);
}

NewInputModel::Yomikomi NewInputModel::KarteReadProc()
{
    SharedState& s = SharedState::get();
    readOk_ = false;
    OpenGrid = KarteEpisode();
    File = KarteFile::read(s.kartePath(KarteFileName));
    if (!File.ok())
        return {false, File.errorText};
    KarteIndex = File.lineCount();
    if (Set.KarteOpenMode == 1)
        KarteIndex = File.findEpisode(s.CurrentEpisode.ByoName, s.CurrentEpisode.SyosinDate);
    QString warning;
    if (Set.TiryoboMode) {
        QString error;
        const std::optional<ToridasiImport> import
            = ToridasiImport::readFile(DataPath::file(QStringLiteral("set\\ToridasiData.ini")), &error);
        if (!import)
            return {false, error};
        OpenGrid = import->Episode;
        if (!import->LeftOut.isEmpty())
            warning = QStringLiteral("次の行はカルテに入りませんでした。\r\n") + import->LeftOut.join(QStringLiteral("\r\n"));
    } else if (Set.KarteOpenMode == 1) {
        if (KarteIndex == File.lineCount())
            return {false, QStringLiteral("読込めません")};
        OpenGrid = File.episodeAt(KarteIndex);
    }
    readOk_ = true;
    setKoteiLabels();
    KarteHyojiProc(false);
    s.DoctorInfo.DoctorAd = ValueReader::readFile(DataPath::file(QStringLiteral("set\\DocAd.ini"))).value(0);
    if (Set.KarteOpenMode == 0) {
        Header.Name.SinryoSyurui = kindTexts[s.Hand.BunruiOut == 1 ? 1 : 0];
        Header.Name.Tenki = QStringLiteral("未");
    }
    TensuKeisanProc();
    return {true, warning};
}

void NewInputModel::setKoteiLabels()
{
    const KarteNoukaRecord nouka = File.nouka();
    const KarteKotaiRecord kotai = File.kotai();
    Header.NoukaTiku = nouka.NoukaTiku;
    Header.NoukaName = nouka.NoukaName;
    Header.NoukaCode = nouka.NoukaCode;
    Header.Meigou = kotai.Meigou;
    Header.Tikusyu = kotai.Syurui;
    Header.Seibetu = kotai.Seibetu;
    Header.Mimiban = kotai.Mimiban;
    Header.Keiro = kotai.Keiro;
    Header.Tokutyo = kotai.Tokutyo;
    Header.BirthDay = kotai.BirthDay;
    BirthTipText = kotai.BirthDay;
    if (Set.ManryoShown)
        Header.ManryoGd = SharedUtil::ManryoDayProc();
}

void NewInputModel::KarteHyojiProc(bool hinagata)
{
    hyojiHeader(hinagata);
    for (int j = 0; j < SinsatuCount; ++j)
        hyojiPanel(j, hinagata);
    if (Set.ken == Ken::Ibaraki)
        Header.Data2.BunsyoCh = checkText(OpenGrid.data2().BunsyoCh);
    if (Set.TiryoboMode)
        hyojiTiryobo();
    Header.SinryoKaiChGd = SinryoKaiSuuProc();
}

void NewInputModel::hyojiHeader(bool hinagata)
{
    const KarteNameRecord n = OpenGrid.name();
    const KarteData1Record d1 = OpenGrid.data1();
    const KarteData2Record d2 = OpenGrid.data2();
    const QString ten = QStringLiteral("･");
    if (Set.ken == Ken::Tottori && !hinagata && d2.TikusyuSeibetu.contains(ten)) {
        const QStringList parts = d2.TikusyuSeibetu.split(ten);
        Header.Tikusyu = parts.at(0);
        Header.Seibetu = parts.at(1);
    }
    const QString names[] = {n.ByoName, d1.ByoName2, n.ByoName3};
    const QString codes[] = {n.ByoCode, d1.ByoCode2, n.ByoCode3};
    for (int row = 0; row < 3; ++row) {
        const QString name = KarteText::trim(names[row]);
        Header.setByoName(row, name, name.isEmpty() ? QString() : KarteText::trim(codes[row]));
    }
    Header.Data2.DateCh = checkText(d2.DateCh);
    Header.Name.SinryoKaisu = n.SinryoKaisu;
    Header.Data1.TiryoKaisu2 = d1.TiryoKaisu2;
    if (Set.docNameShown() && !n.IbaragiDocName.isEmpty())
        Header.Name.IbaragiDocName = n.IbaragiDocName;
    if (!hinagata) {
        KarteNameRecord& h = Header.Name;
        h.SinryoSyurui = n.SinryoSyurui;
        h.TeisyutuTuki = n.TeisyutuTuki;
        h.HatubyoDate = n.HatubyoDate;
        h.SyosinDate = n.SyosinDate;
        h.SyusinDate = n.SyusinDate;
        h.TenkiDate = n.TenkiDate;
        h.Tenki = n.Tenki;
        Header.Data1.BunbenDate = d1.BunbenDate;
        Header.Data1.JyuseiDate = d1.JyuseiDate;
        Header.Data1.HatubyoDate2 = d1.HatubyoDate2;
        Header.Data1.SyosinDate2 = d1.SyosinDate2;
        Header.Data1.SyusinDate2 = d1.SyusinDate2;
        Header.Data1.TenkiDate2 = d1.TenkiDate2;
        if (Set.ken == Ken::Tottori)
            Header.Data2.Chuusi = d2.Chuusi;
    }
    Header.Data2.Rinkoku = d2.Rinkoku;
    Header.Data2.Genin = d2.Genin;
}

void NewInputModel::hyojiPanel(int j, bool hinagata)
{
    const SinsatuBlock s = OpenGrid.sinsatu(j);
    SinsatuBlock& p = Panels.at(j);
    if (!hinagata) {
        p.SinsatuDate = s.SinsatuDate;
        p.StartTime = s.StartTime;
        p.EndTime = s.EndTime;
        if (Set.KyuTimeShown)
            p.KyuTime = s.KyuTime;
        if (Set.tantouShown())
            p.Tantou = s.Tantou;
    }
    p.Tpr = s.Tpr;
    p.Gensyo = KarteText::trim(s.Gensyo);
    p.PictNb = PictEntry::normalised(Set.Pict, s.PictNb);
    p.Syoken = compacted(s.Syoken);
    p.Tiryo = s.Tiryo;
}

void NewInputModel::hyojiTiryobo()
{
    Header.Name.SyosinDate = Panels.at(0).SinsatuDate;
    int count = 0;
    for (const SinsatuBlock& p : Panels) {
        if (p.dated() && !p.chiyu()) {
            Header.Name.SyusinDate = p.SinsatuDate;
            ++count;
        }
    }
    Header.Name.SinryoKaisu = QString::number(count);
}

void NewInputModel::KarteGridSetProc()
{
    KarteBlock& block = OpenGrid.block();
    for (int j = 0; j < SinsatuCount; ++j)
        Panels.at(j).write(block, j, Set.tantouShown(), Set.KyuTimeShown);
    Header.Data2.TikusyuSeibetu = KarteData2Record::tikusyuSeibetu(Header.Tikusyu, Header.Seibetu);
    OpenGrid.setName(Header.Name, Set.ken);
    OpenGrid.setData1(Header.Data1);
    OpenGrid.setData2(Header.Data2, Set.ken);
    OpenGrid.setTotals(Totals);
    OpenGrid.gatherDates(Set.Hinagata);
    Header.Name.SyosinDate = block.cell(0, 5);
    Header.Name.SyusinDate = block.cell(0, 6);
    Header.Name.SinryoKaisu = block.cell(0, 9);
    Header.SinryoKaiChGd = SinryoKaiSuuProc();
    totalsToHeader();
}

bool NewInputModel::KarteSaveProc(QString* errorText)
{
    if (!saveAllowed())
        return false;
    KarteGridSetProc();
    if (Set.Hinagata)
        return true;
    const bool saved = File.saveEpisode(OpenGrid, KarteIndex, Set.KarteOpenMode, keisan(), errorText);
    Totals = keisan().run(OpenGrid);
    KarteHyojiProc(false);
    totalsToHeader();
    wrote_ = wrote_ || saved;
    return saved;
}

bool NewInputModel::restoreAsRead(QString* errorText)
{
    if (!wrote_)
        return true;
    if (!TextFile::write(File.path, File.lines, errorText))
        return false;
    wrote_ = false;
    return true;
}

void NewInputModel::TensuKeisanProc()
{
    KarteEpisode lines;
    for (int j = 0; j < SinsatuCount; ++j) {
        for (int slot = 0; slot < SinsatuBlock::TiryoCount; ++slot)
            lines.setTiryo(j, slot, Panels.at(j).Tiryo.at(slot));
    }
    Totals = keisan().run(lines);
    if (Set.ken == Ken::Miyazaki) {
        for (int j = 0; j < SinsatuCount; ++j) {
            for (int slot = 0; slot < SinsatuBlock::TiryoCount; ++slot)
                Panels.at(j).Tiryo.at(slot) = lines.tiryo(j, slot);
        }
    }
    totalsToHeader();
}

void NewInputModel::totalsToHeader()
{
    Header.Ryoukin = Totals.ryoukin();
    Header.BTotal = Totals.bTotal();
    Header.ATotal = Totals.aTotal();
}

QString NewInputModel::SinryoKaiSuuProc() const
{
    if (Set.ken != Ken::Kagoshima && Set.ken != Ken::Mie)
        return QString();
    int count = 0;
    for (int j = 0; j < SinsatuCount; ++j) {
        const QString& date = Panels.at(j).SinsatuDate;
        if (dated(j) && (j == 0 || date != Panels.at(j - 1).SinsatuDate))
            ++count;
    }
    if (Set.Hinagata || count == 0)
        return QString();
    const QString text = QString::number(count);
    return text == Header.Name.SinryoKaisu ? QString() : text;
}

void NewInputModel::loadHinagata(const QStringList& lines)
{
    OpenGrid = KarteEpisode(KarteBlock::fromLines(lines));
    OpenGrid.block().setTags();
    KarteHyojiProc(true);
    TensuKeisanProc();
}

void NewInputModel::clearHinagata()
{
    OpenGrid = KarteEpisode(KarteBlock::fromLines(QStringList(KarteBlock::LineCount)));
    KarteHyojiProc(true);
    TensuKeisanProc();
}

NewInputModel::Yomikomi NewInputModel::openCopy(const QString& karteFile)
{
    SharedState& s = SharedState::get();
    s.CurrentEpisode.ByoName = KarteText::trim(Header.byoName(0));
    s.CurrentEpisode.SyosinDate = Header.Name.SyosinDate;
    s.CurrentKarteFile = karteFile;
    s.KarteOpenMode = 1;
    KarteFileName = karteFile;
    Set.KarteOpenMode = 1;
    Set.TiryoboMode = false;
    wrote_ = false;
    return KarteReadProc();
}

int NewInputModel::pageGreenCount() const
{
    int n = 0;
    while (n < SinsatuCount && KarteEpisode::pageIroGreen(n, Header.Name.SinryoKaisu))
        ++n;
    return n;
}
