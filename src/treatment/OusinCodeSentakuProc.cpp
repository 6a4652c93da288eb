#include "OusinCodeSentakuProc.h"

#include "TensuText.h"
#include "common/CodeTableLoader.h"

const QStringList& OusinCodeSentakuProc::captions()
{
    static const QStringList list{QStringLiteral("日中"),   QStringLiteral("夜間又は悪天候"),
                                  QStringLiteral("深夜又は夜間で悪天候"), QStringLiteral("深夜で悪天候"),
                                  QStringLiteral("滞在診"), QStringLiteral("立会診")};
    return list;
}

QList<OusinCodeSentakuProc::CodeRow> OusinCodeSentakuProc::codeRows(const QStringList& table)
{
    QList<CodeRow> rows;
    for (const QStringList& f : CodeTableLoader::tableFields(table)) {
        if (f.at(0) == QStringLiteral("往診"))
            rows.append({f.value(1), f.value(2), f.value(3), f.value(4)});
    }
    return rows;
}

OusinCodeSentakuProc::Result OusinCodeSentakuProc::run(const QList<CodeRow>& rows, int band, const QString& kyori)
{
    Result r;
    if (band == Taizai || band == Tatiai) {
        r.Code = band == Taizai ? QStringLiteral("0195") : QStringLiteral("0196");
        r.Kind = captions().at(band);
        return r;
    }
    if (kyori.isEmpty())
        return r;
    const float d = float(TensuText::value(kyori));
    const QString caption = captions().value(band);
    const CodeRow* chosen = nullptr;
    for (const CodeRow& row : rows) {
        if (row.Band != caption)
            continue;
        const float lo = float(TensuText::value(row.Low));
        const float hi = float(TensuText::value(row.High));
        if (hi == 0 && d <= lo) {
            chosen = &row;
        } else if (hi != 0 && lo <= d && d <= hi) {
            chosen = &row;
            break;
        }
    }
    if (band == SinyaAkuten && d > 8) {
        r.Message = QStringLiteral("深夜で悪天は8Km以上のコードはありません。");
        return r;
    }
    if (d > 60) {
        r.Message = QStringLiteral("60Km以上のコードはありません。");
        return r;
    }
    if (!chosen)
        return r;
    r.Code = chosen->Code;
    r.rowChosen = true;
    r.Low = chosen->Low;
    r.High = chosen->High;
    return r;
}

QString OusinCodeSentakuProc::kubunText(const QString& caption, bool rowChosen, const QString& low, const QString& high)
{
    if (!rowChosen)
        return caption;
    return caption + QStringLiteral("：") + low + (high.isEmpty() ? QStringLiteral("以下") : QStringLiteral("～") + high);
}
