#include "KarteFixture.h"

#include "TestFixture.h"

#include "common/SharedState.h"

namespace KarteFixture {

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
    for (int i = 0; i < 16; ++i)
        out += fields.value(i) + QLatin1Char('\'');
    return out;
}

QStringList block(const QString& byoName, const QString& syosinDate, const QString& gensyo)
{
    QStringList out;
    out << line({"Name", "", byoName, "A1", "", syosinDate, syosinDate, "", "未", "1", "", "", "へい病"});
    out << line({"Data"}) << line({"Data"}) << line({"Data", "", "100", "10", "50", "", "60", "10", "600"});
    for (int j = 1; j <= 20; ++j) {
        const QString n = QString::number(j);
        for (int r = 0; r < 11; ++r) {
            QStringList f{"Sinsatu", n};
            if (j == 1 && r == 0)
                f << syosinDate << "T=38.5 P=70 R=20";
            if (j == 1 && r == 1)
                f << gensyo << "筋肉内注射" << "薬A" << "100ml" << "1" << "100" << "50" << "" << "40･0･0･0";
            out << line(f);
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
