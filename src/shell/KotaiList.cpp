#include "KotaiList.h"

#include "chart/KarteFileName.h"
#include "chart/KarteHeader.h"

#include "chart/KarteScan.h"
#include "chart/KarteText.h"
#include "common/KarteFolderList.h"

bool KotaiList::belongsTo(const QStringList& kotaiFields, const QString& fileName,
                          const QString& noukaCode)
{
    if (kotaiFields.size() > 13 && kotaiFields.at(13) + QStringLiteral(".sxd") == fileName)
        return true;
    return fileName.split(QLatin1Char('_')).value(1).contains(noukaCode);
}

QStringList KotaiList::rowOf(const QStringList& kotaiFields, const QString& fileName)
{
    return {QString(), kotaiFields.value(10), QString(), kotaiFields.value(6), kotaiFields.value(1),
            kotaiFields.value(5), kotaiFields.value(4), kotaiFields.value(7), fileName};
}

KotaiList::Result KotaiList::build(const KarteFolderList& karteFileList, const QString& karteNendo,
                                   const QString& noukaCode)
{
    return build(karteFileList.folder(), karteFileList.withPrefix(KarteFileName::noukaPrefix(karteNendo, noukaCode)),
                 karteNendo, noukaCode);
}

KotaiList::Result KotaiList::build(const QString& localFolder, const QStringList& fileNames,
                                   const QString& karteNendo, const QString& noukaCode)
{
    Result result;
    const QString prefix = KarteFileName::noukaPrefix(karteNendo, noukaCode);
    const QString folder = localFolder + QLatin1Char('/');
    for (const QString& name : fileNames) {
        if (!name.startsWith(prefix))
            continue;
        const KarteHeader header = KarteHeader::read(folder + name);
        if (!header.ok()) {
            result.damaged.append(header.errorText);
            continue;
        }
        if (!belongsTo(header.kotaiFields, name, noukaCode))
            continue;
        if (KarteText::fieldCount(KarteText::normaliseHeader(header.kotaiLine)) < minKotaiFields) {
            result.damaged.append(KarteScan::damageText(name, 1, QStringLiteral("個体の行の項目が足りません")));
            continue;
        }
        QStringList row = rowOf(header.kotaiFields, name);
        row[0] = QString::number(result.rows.size() + 1);
        result.rows.append(row);
    }
    return result;
}

bool KotaiList::EijiCheckProc(const QString& text)
{
    if (text.isEmpty())
        return false;
    const QChar c = text.at(0);
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

QString KotaiList::bunruiCheck(const QString& text)
{
    if (text.isEmpty())
        return QStringLiteral("分類文字（アルファベット）を入力してください。");
    if (!EijiCheckProc(text))
        return QStringLiteral("アルファベットを入力してください。");
    if (text.size() > 1)
        return QStringLiteral("分類文字は1文字です。");
    return QString();
}

bool KotaiList::bunruiMatches(const QString& name, const QString& letter)
{
    return name.contains(letter + QLatin1Char(':'));
}

namespace {
// The name before the first ":" of the name column, when it holds one.
bool nameBeforeColon(const QString& column, const QString& text)
{
    const QString trimmed = column.trimmed();
    const qsizetype colon = trimmed.indexOf(QLatin1Char(':'));
    return colon >= 0 && trimmed.left(colon) == text;
}
} // namespace

bool KotaiList::searchMatches(const QStringList& row, Ken ken, const QString& text)
{
    const QString earTag = row.value(1);
    const QString name = row.value(3);
    if (ken == Ken::Ibaraki)
        return nameBeforeColon(name, text);
    if (ken == Ken::Oita)
        return nameBeforeColon(name, text) || name == text || earTag == text;
    return earTag == text;
}

int KotaiList::findRow(const QList<QStringList>& rows, Ken ken, const QString& text)
{
    if (text.isEmpty())
        return -1;
    for (qsizetype i = 0; i < rows.size(); ++i)
        if (searchMatches(rows.at(i), ken, text))
            return int(i);
    return -1;
}

QString KotaiList::notFoundMessage(Ken ken)
{
    if (ken == Ken::Ibaraki || ken == Ken::Oita)
        return QStringLiteral("この名前（番号）は登録されていません。");
    return QStringLiteral("この耳標番号は登録されていません。");
}
