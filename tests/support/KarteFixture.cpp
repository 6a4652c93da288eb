#include "KarteFixture.h"

#include "TestFixture.h"

#include "common/SharedState.h"

namespace KarteFixture {

namespace {
QStringList padded(QStringList fields, int count)
{
    while (fields.size() < count)
        fields.append(QString());
    return fields;
}
} // namespace

QString noukaLine(bool curly)
{
    const QString sep = curly ? QStringLiteral("’") : QStringLiteral("'");
    return QStringLiteral("Main'東谷") + sep + QStringLiteral("山本 一郎'00010001") + sep
        + QStringLiteral("鳥取県中央市東谷1-2''''''''''");
}

QString kotaiLine(bool curly)
{
    const QString sep = curly ? QStringLiteral("’") : QStringLiteral("'");
    return QStringLiteral("Main'成乳牛'''H28.4.12'雌") + sep + QStringLiteral("はなこ:1234567890'") + sep
        + QStringLiteral("包''1234'黒白'右耳欠'H7_00010001_1234_0'");
}

QString line(const QStringList& fields)
{
    QString out;
    for (const QString& field : fields)
        out += field + QLatin1Char('\'');
    return out;
}

QString blockLine(const QStringList& fields)
{
    return line(padded(fields.mid(0, 16), 16));
}

QStringList block(const QString& byoName, const QString& syosinDate, const QString& gensyo)
{
    QStringList out;
    out << blockLine({"Name", "", byoName, "A1", "", syosinDate, syosinDate, "", "未", "1", "", "", "へい病"});
    out << blockLine({"Data"}) << blockLine({"Data"})
        << blockLine({"Data", "", "100", "10", "50", "", "60", "10", "600"});
    for (int j = 1; j <= 20; ++j) {
        const QString n = QString::number(j);
        for (int r = 0; r < 11; ++r) {
            QStringList f{"Sinsatu", n};
            if (j == 1 && r == 0)
                f << syosinDate << "T=38.5 P=70 R=20";
            if (j == 1 && r == 1)
                f << gensyo << "筋肉内注射" << "薬A" << "100ml" << "1" << "100" << "50" << "" << "40･0･0･0";
            out << blockLine(f);
        }
    }
    return out;
}

QStringList chart(const QList<QStringList>& blocks, bool curly)
{
    QStringList out{noukaLine(curly), kotaiLine(curly)};
    for (const QStringList& b : blocks)
        out += b;
    return out;
}

QStringList kotai(const QString& earTag, const QString& name, const QString& base, const QString& syurui,
                  const QString& seibetu, const QString& birth)
{
    return {"Main", syurui, "", "", birth, seibetu, name, "", "包", "", earTag, "黒", "", base, "", "-"};
}

QStringList nouka(const QString& tiku, const QString& name, const QString& code)
{
    return padded({"Main", tiku, name, code, "住所"}, 15);
}

QStringList nameRecord(const QString& byoName, const QString& syosin, const QString& syusin,
                       const QString& tenkiDate, const QString& tenki, const QString& count, const QString& kind,
                       const QString& teisyutu)
{
    return {"", byoName, "", "", syosin, syusin, tenkiDate, tenki, count, "", "", kind, teisyutu, "", ""};
}

QStringList dataRecord(const QString& outcomeDate2, const QString& outcome2)
{
    return {"", "", "", "", "", "", outcomeDate2, outcome2, "", "", "", "", "", "", ""};
}

void write(const QString& localPath, const QStringList& nouka, const QStringList& kotai,
           const QList<Episode>& episodes)
{
    QStringList lines = {line(nouka), line(kotai)};
    for (const Episode& episode : episodes) {
        lines.append(blockLine(QStringList{"Name"} + episode.name));
        lines.append(blockLine(QStringList{"Data"} + episode.data1));
        lines.append(blockLine({"Data"}));
        lines.append(blockLine({"Data"}));
        for (int j = 0; j < 20; ++j)
            for (int k = 0; k < 11; ++k)
                lines.append(blockLine({"Sinsatu", QString::number(j + 1)}));
    }
    TestFixture::writeCp932(localPath, lines);
}

const QString editorChart = QStringLiteral("H7_00010001_1234_0.sxd");

QString writeEditorChart(const TempDataRoot& root, const QList<QStringList>& blocks)
{
    SharedState& s = SharedState::get();
    s.KarteNendo = QStringLiteral("7");
    s.CurrentKarteFile = editorChart;
    root.write("set/DocAd.ini", {"\"鳥取県中央市本町2-5\",佐藤家畜診療所"});
    // The disease-name picker's tables, empty.
    for (const char* table : {"BigCode", "MidleCode", "NameCode"})
        root.write(QStringLiteral("code/%1.ini").arg(QLatin1String(table)), {});
    return TestFixture::writeCp932(root.file("H7/" + editorChart), chart(blocks));
}

void openExisting(const QString& byoName, const QString& syosinDate)
{
    SharedState& s = SharedState::get();
    s.KarteOpenMode = 1;
    s.CurrentEpisode.ByoName = byoName;
    s.CurrentEpisode.SyosinDate = syosinDate;
}

}
