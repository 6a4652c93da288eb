#include "TeireiFile.h"

#include "SetteiData.h"
#include "common/SharedUtil.h"

const QStringList& TeireiFile::bunruiNames()
{
    static const QStringList names{
        QStringLiteral("循環器病"), QStringLiteral("血液及び造血器病"), QStringLiteral("呼吸器病"),
        QStringLiteral("消化器病"), QStringLiteral("泌尿器病"), QStringLiteral("生殖器病"),
        QStringLiteral("泌乳器病"), QStringLiteral("妊娠・分娩及び産後の疾患"), QStringLiteral("新生児異常"),
        QStringLiteral("神経系病"), QStringLiteral("感覚器病"), QStringLiteral("内分泌及び代謝疾患"),
        QStringLiteral("運動器病"), QStringLiteral("皮膚病"), QStringLiteral("中毒"),
        QStringLiteral("ウィルス病"), QStringLiteral("細菌・真菌病"), QStringLiteral("原虫・寄生虫病"),
        QStringLiteral("外傷不慮その他"), QStringLiteral("死亡他")};
    return names;
}

QString TeireiFile::path(int classIndex)
{
    return SetteiData::path(QStringLiteral("Teirei%1.ini").arg(classIndex + 1));
}

QStringList TeireiFile::load(int classIndex, bool* ok, QString* errorText)
{
    QStringList phrases;
    for (QString line : SetteiData::readLines(path(classIndex), ok, errorText)) {
        line.remove(QLatin1Char('\n'));
        if (!line.isEmpty())
            phrases.append(line.trimmed());
    }
    return phrases;
}

bool TeireiFile::save(int classIndex, const QStringList& phrases, QString* errorText)
{
    QStringList lines;
    for (const QString& phrase : phrases)
        lines.append(SharedUtil::KaigyoDelProc(phrase.trimmed()));
    return SetteiData::writeLines(path(classIndex), lines, errorText);
}

int TeireiFile::rowHeight(const QString& phrase)
{
    const qsizetype n = phrase.trimmed().size();
    return n <= 33 ? 220 : n <= 66 ? 440 : n <= 99 ? 660 : 880;
}
