#include "NewInputHeader.h"

QString* NewInputHeader::field(int index)
{
    switch (index) {
    case 0: return &NoukaTiku;
    case 1: return &NoukaName;
    case 2: return &Meigou;
    case 3: return &Mimiban;
    case 4: return &Keiro;
    case 5: return &Tokutyo;
    case 6: return &Data1.BunbenDate;
    case 7: return &Data1.JyuseiDate;
    case 8: return &Name.SinryoSyurui;
    case 9: return &Name.HatubyoDate;
    case 10: return &Name.SyosinDate;
    case 11: return &Name.SyusinDate;
    case 12: return &Name.TenkiDate;
    case 13: return &Name.Tenki;
    case 14: return &Ryoukin;
    case 15: return &BTotal;
    case 16: return &ATotal;
    case 17: return &Tikusyu;
    case 18: return &Seibetu;
    case 19: return &NoukaCode;
    case 20: return &Name.SinryoKaisu;
    case 21: return &Name.TeisyutuTuki;
    case 22: return &Data1.HatubyoDate2;
    case 23: return &Data1.SyosinDate2;
    case 24: return &Data1.SyusinDate2;
    case 25: return &Data1.TenkiDate2;
    case 26: return &Data1.TiryoKaisu2;
    case 27: return &BirthDay;
    default: return nullptr;
    }
}

QString NewInputHeader::mainGd(int index) const
{
    const QString* value = const_cast<NewInputHeader*>(this)->field(index);
    return value ? *value : QString();
}

void NewInputHeader::setMainGd(int index, const QString& text)
{
    if (QString* value = field(index))
        *value = text;
}

QString NewInputHeader::byoName(int row) const
{
    return row == 0 ? Name.ByoName : row == 1 ? Data1.ByoName2 : Name.ByoName3;
}

QString NewInputHeader::byoCode(int row) const
{
    return row == 0 ? Name.ByoCode : row == 1 ? Data1.ByoCode2 : Name.ByoCode3;
}

void NewInputHeader::setByoName(int row, const QString& name, const QString& code)
{
    QString& n = row == 0 ? Name.ByoName : row == 1 ? Data1.ByoName2 : Name.ByoName3;
    QString& c = row == 0 ? Name.ByoCode : row == 1 ? Data1.ByoCode2 : Name.ByoCode3;
    n = name;
    c = code;
}

KarteNameRecord NewInputHeader::initialName()
{
    KarteNameRecord r;
    for (QString* f : {&r.HatubyoDate, &r.SyosinDate, &r.SyusinDate, &r.TenkiDate, &r.SinryoKaisu,
                       &r.SinryoSyurui, &r.TeisyutuTuki})
        *f = dash();
    r.Tenki = QStringLiteral("法令殺");  // the label's caption before anything is read
    return r;
}

KarteData1Record NewInputHeader::initialData1()
{
    KarteData1Record r;
    for (QString* f : {&r.HatubyoDate2, &r.SyosinDate2, &r.SyusinDate2, &r.TenkiDate2, &r.TiryoKaisu2,
                       &r.BunbenDate, &r.JyuseiDate})
        *f = dash();
    return r;
}

KarteData2Record NewInputHeader::initialData2()
{
    KarteData2Record r;
    r.Chuusi = QStringLiteral("(満)");
    r.DateCh = QStringLiteral("0");
    r.BunsyoCh = QStringLiteral("0");
    return r;
}
