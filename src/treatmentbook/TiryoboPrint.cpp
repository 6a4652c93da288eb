#include "TiryoboPrint.h"

#include "common/ByteLenProc.h"
#include "common/MarkPrintProc.h"
#include "common/Pict2PrintProc.h"
#include "common/PrintDevice.h"
#include "treatment/TensuText.h"

#include <cmath>

namespace {
constexpr double K = double(56.7f);
constexpr double ShiftX = 3.5;
constexpr double ShiftY = 2.0;
constexpr double MmPerPoint = 25.0 / 72;
constexpr double RowHeight = 15;
constexpr double OriginY = 20;
constexpr int FirstHeader = 57;
constexpr int NextHeader = 7;
constexpr int PictCount = 71;
const QString Mincho = QStringLiteral("ＭＳ Ｐ明朝");
const QString TwoBlanks = QStringLiteral("  ");

struct Rule
{
    int width;
    double x1, y1, x2, y2;
};

struct Item
{
    double x, y;
    int size;
    TiryoboPrint::Align align;
    QString text;
};

// A box as four rules: top, right, bottom, left.
QList<Rule> box(int width, double x1, double y1, double x2, double y2)
{
    return {{width, x1, y1, x2, y1}, {width, x2, y1, x2, y2}, {width, x2, y2, x1, y2}, {width, x1, y2, x1, y1}};
}

QList<Rule> across(int width, double x1, double x2, const QList<double>& ys)
{
    QList<Rule> rules;
    for (double y : ys)
        rules.append({width, x1, y, x2, y});
    return rules;
}

QList<Rule> down(int width, double y1, double y2, const QList<double>& xs)
{
    QList<Rule> rules;
    for (double x : xs)
        rules.append({width, x, y1, x, y2});
    return rules;
}

QList<double> every(double from, double to, double step)
{
    QList<double> values;
    for (double v = from; v <= to + 0.001; v += step)
        values.append(v);
    return values;
}

const QList<Rule>& firstRules()
{
    static const QList<Rule> rules = box(5, 12, 20, 172, 32) + down(3, 20, 32, {57, 97, 137})
                                     + across(3, 57, 172, {24}) + box(5, 12, 50, 172, 67) + across(2, 12, 172, {56})
                                     + down(2, 50, 67, {37, 49, 61, 73, 85, 102, 137}) + box(5, 12, 70, 172, 241)
                                     + across(5, 12, 172, {76}) + across(1, 12, 172, every(91, 226, 15))
                                     + down(1, 70, 241, {25, 78, 131});
    return rules;
}

const QList<Rule>& nextRules()
{
    static const QList<Rule> rules = box(5, 12, 20, 172, 236) + across(5, 12, 172, {26})
                                     + across(1, 12, 172, every(41, 236, 15)) + down(1, 20, 236, {25, 78, 131});
    return rules;
}

QString calvingFixedText()
{
    const QString ideo(QChar(0x3000));
    return QStringLiteral(" 分娩  （分娩状況") + ideo + QStringLiteral("   ") + ideo.repeated(5) + QStringLiteral(" ").repeated(9)
           + ideo.repeated(11) + QStringLiteral("）  BCS");
}

QList<Item> firstItems(const TiryoboPrint::Input& in)
{
    using A = TiryoboPrint::Align;
    const QStringList& d = in.printData;
    const QString state = d.value(8).isEmpty() ? d.value(7) : d.value(7) + TwoBlanks + d.value(8);
    QString calf = QStringLiteral("子牛の状況　") + d.value(2) + QStringLiteral("    ") + d.value(5);
    if (!d.value(9).isEmpty())
        calf += QStringLiteral("      双子  ") + d.value(9);
    return {
        {18.5, 73, 9, A::Bytes, QStringLiteral("日付")},
        {52, 73, 9, A::Bytes, QStringLiteral("現症及び経過")},
        {103, 73, 9, A::Bytes, QStringLiteral("処置・その他")},
        {154, 73, 9, A::Bytes, QStringLiteral("子宮状況・PLテスター")},
        {92, 16, 16, A::Bytes, QStringLiteral("家畜治療簿")},
        {147, 17, 10, A::Bytes, QStringLiteral("NO.")},
        {14, 23, 9, A::Left, QStringLiteral("事業所")},
        {14, 29, 9, A::Left, in.companyForm},
        {30, 28, 13, A::Left, in.companyName},
        {77, 22, 9, A::Bytes, QStringLiteral("生 年 月 日")},
        {117, 22, 9, A::Bytes, QStringLiteral("共済責任開始日")},
        {155, 22, 9, A::Bytes, QStringLiteral("個体番号")},
        {155, 28, 11, A::Bytes, in.kotaiData.value(0)},
        {77, 28, 11, A::Bytes, in.kotaiData.value(1)},
        {20, 37, 12, A::Left, d.value(1) + QStringLiteral(" 産  ") + d.value(0) + calvingFixedText()},
        {80, 37, 11, A::Left, state},
        {20, 45, 12, A::Left, QStringLiteral("初乳比重　") + d.value(6) + QStringLiteral("  ランク")},
        {92, 45, 12, A::Left, calf},
        {24.5, 53, 9, A::Bytes, QStringLiteral("分娩日")},
        {43, 53, 9, A::Bytes, QStringLiteral("体温")},
        {55, 53, 9, A::Bytes, QStringLiteral("元気")},
        {67, 53, 9, A::Bytes, QStringLiteral("食欲")},
        {79, 53, 9, A::Bytes, QStringLiteral("1胃")},
        {91.5, 53, 9, A::Bytes, QStringLiteral("乳房炎")},
        {121.5, 53, 9, A::Bytes, QStringLiteral("胎盤排出　他")},
        {155, 53, 9, A::Bytes, QStringLiteral("処置")},
        {24.5, 61.5, 10, A::Bytes, d.value(0)},
        {43, 61.5, 10, A::Bytes, in.kotaiData.value(2)},
        {55, 61.5, 10, A::Bytes, d.value(3)},
        {67, 61.5, 10, A::Bytes, d.value(4)},
    };
}

QList<Item> nextItems()
{
    using A = TiryoboPrint::Align;
    return {
        {18.5, 23, 9, A::Bytes, QStringLiteral("日付")},
        {51, 23, 9, A::Bytes, QStringLiteral("現症及び経過")},
        {103, 23, 9, A::Bytes, QStringLiteral("処置・その他")},
        {154, 23, 9, A::Bytes, QStringLiteral("子宮状況・PLテスター")},
    };
}

// One print job: the page state and the pictures that could not be printed.
class Job
{
public:
    Job(PrintDevice& device, const TiryoboPrint::Input& in) : device(device), in(in) {}

    void run();
    QStringList missing;

private:
    void frame();
    void printRow(const TiryoboRow& row, double t);
    void printPictures(const QStringList& parts, double t);
    void picture(const QString& part, double x, double t);

    PrintDevice& device;
    const TiryoboPrint::Input& in;
    int counter = 0;
    int header = FirstHeader;
    bool firstDone = false;
};

void Job::run()
{
    device.setPaper(PrintDevice::Paper::JisB5, PrintDevice::Orientation::Portrait);
    for (const TiryoboRow& row : in.rows) {
        if (row.isEnd())
            break;
        if (row.isBlank())
            continue;
        printRow(row, OriginY + header + RowHeight * counter);
        if (++counter == TiryoboPrint::RowsPerPage) {
            frame();
            firstDone = true;
            counter = 0;
            header = NextHeader;
            device.newPage();
        }
    }
    frame();
}

void Job::frame()
{
    for (const Rule& rule : firstDone ? nextRules() : firstRules()) {
        device.setLineWidth(rule.width);
        device.drawLine((rule.x1 - ShiftX) * K, (rule.y1 - ShiftY) * K, (rule.x2 - ShiftX) * K, (rule.y2 - ShiftY) * K);
    }
    for (const Item& item : firstDone ? nextItems() : firstItems(in))
        TiryoboPrint::TiryoboMojiProc(device, item.text, item.x, item.y, item.size, item.align);
}

void Job::printRow(const TiryoboRow& row, double t)
{
    TiryoboPrint::TiryoboMojiProc(device, row.at(TiryoboRow::Hiduke), 19, t + 7.5, 9, TiryoboPrint::Bytes);
    TiryoboPrint::TiryoboWrapProc(device, TiryoboPrint::gensyoText(row), 26, t + 2, 9, 18);
    TiryoboPrint::TiryoboWrapProc(device, TiryoboPrint::syochiText(row), 79, t + 2, 9, 18);
    const QStringList parts = row.at(TiryoboRow::Pict2).split(QLatin1Char(':'));
    if (parts.size() == 5)
        printPictures(parts, t);
    if (row.at(TiryoboRow::Bunrui) == QStringLiteral("PLテスト結果")) {
        float x = 132;
        float y = float(t - 1);
        MarkPrintProc(device, row.at(TiryoboRow::Naiyou), x, y);
    }
    if (!row.at(TiryoboRow::Syoken).isEmpty())
        TiryoboPrint::TiryoboWrapProc(device, row.at(TiryoboRow::Syoken), 132, t + 2, 8, 15);
}

void Job::printPictures(const QStringList& parts, double t)
{
    picture(parts.at(0), 129, t);
    picture(parts.at(1), 147, t);
    TiryoboPrint::TiryoboMojiProc(device, parts.at(3), 132, t + 1, 9, TiryoboPrint::Left);
    TiryoboPrint::TiryoboMojiProc(device, parts.at(2), 152, t + 1, 9, TiryoboPrint::Bytes);
    TiryoboPrint::TiryoboMojiProc(device, parts.at(4), 169, t + 1, 9, TiryoboPrint::Chars);
}

void Job::picture(const QString& part, double x, double t)
{
    const int n = int(TensuText::value(part));
    if (n < 1)
        return;
    const QString name = QStringLiteral("pict2_%1.bmp").arg(n - 1);
    float y = float(t - 3);
    if ((n > PictCount || !Pict2PrintProc(device, QString::number(n), float(x), y)) && !missing.contains(name))
        missing.append(name);
}
} // namespace

void TiryoboPrint::TiryoboMojiProc(PrintDevice& device, const QString& text, double x, double y, int size, Align align)
{
    const double h = size * MmPerPoint / 2;
    const double d = align == Bytes ? ByteLenProc(text) * size * MmPerPoint * 0.5 / 2
                     : align == Chars ? h * text.size()
                                      : 0;
    device.setFontName(Mincho);
    device.setFontSize(size);
    device.setFontBold(false);
    device.setFontItalic(false);
    device.processEvents();
    device.setCurrentX(std::floor(x * K - d * K - ShiftX * K));
    device.setCurrentY(std::floor(y * K - h * K - ShiftY * K));
    if (!text.isEmpty())
        device.printText(text);
}

void TiryoboPrint::TiryoboWrapProc(PrintDevice& device, const QString& text, double x, double y0, int size, int width)
{
    if (text.size() <= width) {
        TiryoboMojiProc(device, text, x, y0, size, Left);
        return;
    }
    int j = 0;
    QString line;
    for (const QChar c : text) {
        line += c;
        if (ByteLenProc(line) >= 2 * width) {
            TiryoboMojiProc(device, line, x, y0 - 1 + 3.8 * j++, size, Left);
            line.clear();
        }
    }
    TiryoboMojiProc(device, line, x, y0 - 1 + 3.8 * j, size, Left);
}

QString TiryoboPrint::gensyoText(const TiryoboRow& row)
{
    const QString& taion = row.at(TiryoboRow::Taion);
    QString text = (taion.isEmpty() ? QString() : QStringLiteral("T") + taion) + TwoBlanks + row.at(TiryoboRow::Gensyo)
                   + TwoBlanks + row.at(TiryoboRow::Kanri);
    if (!row.at(TiryoboRow::Tane).isEmpty())
        text += TwoBlanks + QStringLiteral("種牛:") + row.at(TiryoboRow::Tane);
    return text;
}

QString TiryoboPrint::syochiText(const TiryoboRow& row)
{
    QString text = row.at(TiryoboRow::Bunrui) + TwoBlanks + row.at(TiryoboRow::Naiyou) + TwoBlanks
                   + row.at(TiryoboRow::Kikaku);
    if (!row.at(TiryoboRow::Suuryou).isEmpty())
        text += TwoBlanks + QLatin1Char(':') + row.at(TiryoboRow::Suuryou);
    return text + TwoBlanks + row.at(TiryoboRow::SyochiGai);
}

QStringList TiryoboPrint::TiryoboPrintProc(PrintDevice& device, const Input& input)
{
    Job job(device, input);
    job.run();
    return job.missing;
}
