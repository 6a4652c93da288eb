#include "SinryoSyukei.h"

#include "chart/KarteBlock.h"
#include "chart/KarteScan.h"
#include "common/Cp932.h"
#include "common/RowSort.h"
#include "common/SharedUtil.h"
#include "common/ValueReader.h"

#include <algorithm>
#include <cmath>

namespace {
using G = SinryoKirokuGroup;
const QChar Nakaguro(0xFF65);
constexpr int MaxNamed = 20;

double value(const QString& text)
{
    return ValueReader::leadingNumber(text);
}

// "###": rounded, a half up; no digits when it rounds to 0.
QString sharpFormat(double x)
{
    const long long n = (long long)std::floor(x + 0.5);
    return n == 0 ? QString() : QString::number(n);
}
} // namespace

SinryoSyukei::SinryoSyukei(Joken j) : joken(std::move(j)), teisyutuKey(teisyutuTuki(joken)) {}

bool SinryoSyukei::KikanCheckProc(const QString& date, const Joken& joken, QString& month, QString& day)
{
    if (!date.contains(QLatin1Char('.')))
        return false;
    const QStringList p = date.split(QLatin1Char('.'));
    if (p.size() != 3 || p.at(0) != joken.nen)
        return false;
    const double m = value(p.at(1));
    const double d = value(p.at(2));
    const double m0 = value(joken.date[0]), d0 = value(joken.date[1]);
    const double m1 = value(joken.date[2]), d1 = value(joken.date[3]);
    bool inside = false;
    if (m0 == m1)
        inside = m == m0 && d0 <= d && d <= d1;
    else
        inside = (m == m0 && d >= d0) || (m == m1 && d <= d1) || (m0 < m && m < m1);
    if (inside) {
        month = p.at(1);
        day = p.at(2);
    }
    return inside;
}

QString SinryoSyukei::SinryoSyubetuProc(const QString& category)
{
    static const QList<std::pair<QString, QString>> words{
        {"再診", "1"}, {"往診", "1"}, {"調剤", "2"},   {"注入", "2"}, {"経口", "2"}, {"文書", "3"}, {"検査", "4"},
        {"PL", "4"},   {"注射", "5"}, {"点数無", "5"}, {"処置", "6"}, {"指導", "7"}, {"手術", "8"}, {"入院", "9"},
    };
    QString kind;
    for (const auto& [word, k] : words)
        if (category.contains(word))
            kind = k;
    return kind;
}

bool SinryoSyukei::BunsyoRyoCheckProc(const QString& course, const QString& category)
{
    return category.contains(QStringLiteral("再診")) || course.contains(QStringLiteral("出荷予定"));
}

QString SinryoSyukei::KyuYakuTextProc(const QString& content, const QList<KyuYakuRecord>& list)
{
    const QString key = content.section(QLatin1Char(':'), 0, 0);
    for (const KyuYakuRecord& r : list)
        if (r.YakuhinKikaku == key || r.Touroku == key)
            return r.Insatu;
    return QString();
}

QString SinryoSyukei::teisyutuTuki(const Joken& joken)
{
    if (joken.teisyutu.contains(QLatin1Char('.')))
        return QString(joken.teisyutu).replace(QLatin1Char('.'), Nakaguro);
    return SharedUtil::Trim(joken.nen) + Nakaguro + SharedUtil::Trim(joken.teisyutu);
}

QString SinryoSyukei::animalId(const QString& kotaiLine)
{
    const QStringList f = kotaiLine.split(QLatin1Char('\''));
    if (f.size() < 11)
        return QString();
    QString id = f.at(10);
    static const QString letters = QStringLiteral("kｋKＫ");
    for (const QChar c : letters)
        if (f.at(10).contains(c))
            id = f.at(6);
    if (id.startsWith(QLatin1Char(':')))
        id.remove(QLatin1Char(':'));
    return id;
}

QString SinryoSyukei::tottoriEstimate(qsizetype records)
{
    return QStringLiteral("用紙枚数=A4:") + sharpFormat(double(records - 1) / 4) + QStringLiteral("～");
}

QString SinryoSyukei::ibarakiEstimate(qsizetype gridRows)
{
    return QStringLiteral("用紙枚数=A4:") + sharpFormat(double(gridRows) / 12);
}

bool SinryoSyukei::episodeTaken(const QStringList& name) const
{
    const QString& tenki = name.at(8);
    if (joken.tenki == Tenki::TenkiSumi && (tenki.isEmpty() || tenki == QStringLiteral("未")))
        return false;
    if (joken.tenki == Tenki::Teisyutu && (name.at(13).isEmpty() || name.at(13) != teisyutuKey))
        return false;
    return !joken.ibaragi || joken.docSurname.isEmpty() || name.at(10).contains(joken.docSurname);
}

QStringList SinryoSyukei::baseRow(const Member& member, const QString& id, const QString& m, const QString& d,
                                  const QStringList& name, const QStringList& head, const QString& doctor)
{
    QStringList row(G::CodeCol + 1);
    row[G::NoukaCol] = member.name;
    row[G::ManthCol] = m;
    row[G::DayCol] = d;
    row[G::MimiCol] = id;
    row[G::ByoCol] = name.at(2);
    row[G::TenkiCol] = name.at(8);
    row[G::StartCol] = head.at(5);
    row[G::EndCol] = head.at(6);
    row[G::DoctorCol] = doctor;
    row[G::CodeCol] = member.code;
    return row;
}

void SinryoSyukei::addEpisode(const Member& member, const KarteScan& chart, int k, const QString& id)
{
    const std::optional<QStringList> name = chart.blockLine(k, 0);
    if (!name || name->at(0) != QStringLiteral("Name") || !episodeTaken(*name))
        return;
    const QString doctor = joken.ibaragi ? name->at(10) : QString();
    for (int j = 0; j < KarteBlock::SinsatuCount; ++j) {
        const int v = KarteBlock::sinsatuRow(j);
        const std::optional<QStringList> head = chart.blockLine(k, v);
        QString m, d;
        if (!head || !KikanCheckProc(head->at(2), joken, m, d))
            continue;
        const QStringList base = baseRow(member, id, m, d, *name, *head, doctor);
        for (int t = 1; t <= 7; ++t) {
            const std::optional<QStringList> tiryo = chart.blockLine(k, v + t);
            if (!tiryo || tiryo->at(3).isEmpty())
                continue;
            QStringList row = base;
            row[G::BunruiCol] = joken.ibaragi ? SinryoSyubetuProc(tiryo->at(3)) : QStringLiteral("*");
            row[G::SyotiCol] = tiryo->at(3);
            row[G::YakuhinCol] = tiryo->at(4);
            row[G::SuryoCol] = tiryo->at(6);
            if (joken.tottori && !joken.ibaragi)
                row[G::KyuyakuCol] = KyuYakuTextProc(tiryo->at(4), joken.kyuYaku);
            dataRows.append(row);
        }
        // The document fee follows the examination's rows; only its seventh line is asked.
        const std::optional<QStringList> course = chart.blockLine(k, v + 1);
        const std::optional<QStringList> seventh = chart.blockLine(k, v + 7);
        if (joken.ibaragi && course && seventh && BunsyoRyoCheckProc(course->at(2), seventh->at(3))) {
            QStringList row = base;
            row[G::BunruiCol] = QStringLiteral("3");
            row[G::SyotiCol] = QStringLiteral("文書料");
            dataRows.append(row);
        }
    }
}

void SinryoSyukei::addKarte(const Member& member, const KarteScan& chart)
{
    if (chart.lineCount() < 2)
        return;
    const std::optional<QString> kotai = Cp932::decode(chart.rawLine(1));
    const QString id = kotai ? animalId(*kotai) : QString();
    if (id.isEmpty())
        return;
    for (int k = 0; k < chart.blockCount(); ++k)
        addEpisode(member, chart, k, id);
}

void SinryoSyukei::finish()
{
    RowSort::sort(dataRows, QList<int>{G::NoukaCol, G::CodeCol, G::ManthCol, G::DayCol, G::MimiCol}, RowSort::Generic);
    for (qsizetype r = 0; r < dataRows.size(); ++r)
        dataRows[r][G::NumberCol] = QString::number(r + 1);
    visitRecords = G::build(dataRows, joken.ibaragi ? G::Key::WithoutStartTime : G::Key::WithStartTime);
}

QString SinryoSyukei::closingText() const
{
    QString text = QStringLiteral("終了しました。");
    if (reports.isEmpty())
        return text;
    text += QStringLiteral("\n\n読めなかったカルテ（集計から外しました）:");
    for (qsizetype i = 0; i < std::min<qsizetype>(reports.size(), MaxNamed); ++i)
        text += QStringLiteral("\n") + reports.at(i);
    if (reports.size() > MaxNamed)
        text += QStringLiteral("\nほか %1 件").arg(reports.size() - MaxNamed);
    return text;
}

namespace {
// The charts of each member in turn (a chart's name holds its member's code), with the member of
// each.
struct MemberCharts
{
    QStringList files;
    QList<qsizetype> member;
};

MemberCharts memberCharts(const QList<SinryoSyukei::Member>& members, const QStringList& fileNames)
{
    MemberCharts out;
    for (qsizetype m = 0; m < members.size(); ++m) {
        for (const QString& fileName : fileNames) {
            if (fileName.section(QLatin1Char('_'), 1, 1) == members.at(m).code) {
                out.files.append(fileName);
                out.member.append(m);
            }
        }
    }
    return out;
}
} // namespace

SinryoSyukei SinryoSyukei::run(const Joken& joken, const QList<Member>& members, const QString& folder,
                               const QStringList& fileNames, const Progress& progress, const MemberStart& memberStart)
{
    SinryoSyukei syukei(joken);
    // One scan reads the members' charts in turn. The progress counts those charts, so that the
    // bar ends at its end, and each member is announced before its charts (a member without
    // charts as well).
    const MemberCharts charts = memberCharts(members, fileNames);
    qsizetype announced = 0;
    const auto announceUpTo = [&](qsizetype m) {
        for (; announced <= m; ++announced)
            if (memberStart)
                memberStart(members.at(announced).name);
    };
    qsizetype done = 0;
    KarteScan::forEachRead(folder, charts.files, [&](const KarteScan& chart) {
        const qsizetype m = charts.member.at(done++);
        announceUpTo(m);
        if (chart.ok())
            syukei.addKarte(members.at(m), chart);
        else
            syukei.addDamaged(chart.errorText);
        if (progress)
            progress(done, charts.files.size());
        return true;
    });
    announceUpTo(members.size() - 1);
    syukei.finish();
    return syukei;
}
