#include "PrintFixture.h"

#include "TestFixture.h"

#include "common/ByteLenProc.h"
#include "common/DataPath.h"
#include "common/PrintDeviceSource.h"
#include "common/SharedState.h"
#include "dialogs/NenGappiForm.h"

#include <cmath>

namespace {
QString recordLine(const QStringList& fields)
{
    QString line;
    for (const QString& f : fields)
        line += f + QLatin1Char('\'');
    return line;
}
} // namespace

SindansyoChart::SindansyoChart(const QString& byoName, const QString& syosin)
{
    nouka = QStringList{"Main", "東谷", "山本 一郎", "00010001", "鳥取県中央市東谷1-2", "", "", "", "", "", "", "", "", "", "", ""};
    kotai = QStringList{"Main", "成乳牛", "", "", "H30.3.15", "雌", "はなこ:1012345678", "", "包", "", "1234", "黒白",
                        "", "H7_00010001_1234_0", "", "R6.4.1"};
    block.setCell(0, 2, byoName);
    block.setCell(0, 5, syosin);
}

void SindansyoChart::exam(int j, const QString& date, const QString& tpr, const QString& start, const QString& end,
                          const QString& course)
{
    const int row = KarteBlock::sinsatuRow(j);
    block.setCell(row, 2, date);
    block.setCell(row, 3, tpr);
    block.setCell(row, 5, start);
    block.setCell(row, 6, end);
    block.setCell(row + 1, 2, course);
}

void SindansyoChart::datedExams(const QString& pattern, int firstDay)
{
    for (int j = 0; j < 20; ++j)
        exam(j, j < pattern.size() && pattern.at(j) == QLatin1Char('d')
                    ? QStringLiteral("7.%1.%2").arg(5 + j / 10).arg(firstDay + j % 10)
                    : QString());
}

void SindansyoChart::tiryo(int j, int k, const QStringList& cells)
{
    for (int c = 0; c < cells.size(); ++c)
        block.setCell(KarteBlock::sinsatuRow(j) + k, 3 + c, cells.at(c));
}

QStringList SindansyoChart::lines() const
{
    return QStringList{recordLine(nouka), recordLine(kotai)} + block.lines();
}

QString SindansyoChart::write(const QString& root, const QString& fileName) const
{
    return TestFixture::writeCp932(root + QStringLiteral("/H7/") + fileName, lines());
}

SindansyoPrintContext sampleContext(Ken ken)
{
    SharedState& s = SharedState::get();
    s.ken = ken;
    s.KarteNendo = QStringLiteral("7");
    s.CurrentNouka = {QStringLiteral("東谷"), QStringLiteral("山本 一郎"), QStringLiteral("00010001"), QString()};
    s.CurrentKarteFile = QStringLiteral("H7_00010001_1234_0.sxd");
    s.DoctorInfo = {QStringLiteral("鳥取県中央市本町2-5 佐藤家畜診療所"), QStringLiteral("佐藤 誠"), QStringLiteral("1234")};
    SindansyoPrintContext c = SindansyoPrintContext::take(s, nullptr);
    c.PrintHiduke = QStringLiteral("R7.5.20");
    c.NenDo = QStringLiteral(" 6 ");
    return c;
}

void openSample(const QString& root, const QString& kenName)
{
    DataPath::setRoot(root);
    SharedState& s = SharedState::get();
    s.setKen(kenName);
    s.KarteNendo = QStringLiteral("7");
    s.DefaultNendo = QStringLiteral("5");
    s.TodayDate = QStringLiteral("2025/5/20");
    s.CurrentNouka = {QStringLiteral("東谷"), QStringLiteral("山本 一郎"), QStringLiteral("00010001"), QString()};
    s.PrintJobList = {QStringLiteral("H7_00010001_1234_0.sxd'第四胃変位'7.4.3")};
}

ModalHost::Handler pickDate(const QStringList& digits, int closeWith)
{
    return [digits, closeWith](QDialog& dialog) {
        auto* picker = qobject_cast<NenGappiForm*>(&dialog);
        if (!picker)
            return 0;
        for (int g = 0; g < digits.size(); ++g) {
            if (!digits.at(g).isEmpty())
                picker->DigitGd_Click(NenGappiForm::Group(g), digits.at(g));
        }
        picker->Label1_Click(closeWith);
        return 1;
    };
}

bool pdfWordNear(const QMap<QString, QPointF>& words, const QString& word, double x, double y)
{
    const QPointF at = words.value(word, QPointF(-100, -100));
    if (std::abs(at.x() - x) <= 1.0 && std::abs(at.y() - y) <= 1.0)
        return true;
    qWarning("%s at (%.2f, %.2f), expected (%.2f, %.2f)", qPrintable(word), at.x(), at.y(), x, y);
    return false;
}

std::shared_ptr<RecordingPrintDevice> recordPrints()
{
    auto device = std::make_shared<RecordingPrintDevice>();
    device->assumePicturesExist = true;
    PrintDeviceSource::setFactory([device](const QString&) { return device; });
    return device;
}

bool hasFormItem(const RecordingPrintDevice& device, const QString& text, int page, double size, int align, double x,
                 double y, double tol)
{
    for (const auto& op : device.ofKind(RecordingPrintDevice::Kind::Text)) {
        if (op.text != text || op.page != page || std::abs(op.fontSize - size) > 0.01)
            continue;
        RecordingPrintDevice measure;
        measure.setFontName(op.fontName);
        measure.setFontSize(op.fontSize);
        const double w = measure.textWidth(op.text) / 56.7;
        const double ax = op.xMm() + (align == 3 ? w / 2 : align == 4 ? w : 0);
        const double ay = op.yMm() + measure.textHeight(op.text) / 56.7 / 2;
        if (std::abs(ax - x) <= tol && std::abs(ay - y) <= tol)
            return true;
    }
    return false;
}

bool hasCircle(const RecordingPrintDevice& device, int page, double x, double y, double radius, double tol)
{
    for (const auto& op : device.ofKind(RecordingPrintDevice::Kind::Circle)) {
        if (op.page == page && std::abs(op.xMm() - x) <= tol && std::abs(op.yMm() - y) <= tol
            && std::abs(op.radius / 56.7 - radius) <= 0.01)
            return true;
    }
    return false;
}

namespace {
// The first point of each digit's first stroke, in twips from the anchor.
QPoint glyphStart(QChar digit)
{
    static const QPoint starts[] = {{65, 16}, {81, 16}, {16, 49}, {16, 49}, {16, 16},
                                    {16, 16}, {81, 16}, {16, 49}, {32, 16}, {146, 49}};
    return starts[digit.digitValue()];
}
} // namespace

bool hasDigit(const RecordingPrintDevice& device, int page, QChar digit, double x, double y)
{
    const double h = 14.0 / 3 * 0.5;
    const int xt = int(std::floor(56.7 * x - 56.7 * h * 0.5));
    const int yt = int(std::nearbyint(std::floor(56.7 * y - 56.7 * h)));
    const QPoint start = QPoint(xt, yt) + glyphStart(digit);
    for (const auto& op : device.ofKind(RecordingPrintDevice::Kind::Line)) {
        if (op.page == page && std::abs(op.x - start.x()) <= 1 && std::abs(op.y - start.y()) <= 1)
            return true;
    }
    return false;
}

