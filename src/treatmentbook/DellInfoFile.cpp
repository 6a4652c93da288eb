#include "DellInfoFile.h"

#include "TiryoboBook.h"
#include "common/DataPath.h"
#include "common/TextFile.h"

#include <QDir>
#include <QFileInfo>

QString DellInfoFile::path()
{
    return DataPath::file(QStringLiteral("set\\DellInfo.ini"));
}

QString DellInfoFile::mark(const TiryoboBook& book)
{
    for (int r = 1; r < book.rowCount(); ++r) {
        const QString& gensyo = book.row(r).at(TiryoboRow::Gensyo);
        for (const QString& word : {QStringLiteral("死亡"), QStringLiteral("出荷")}) {
            if (gensyo.contains(word))
                return QStringLiteral("H") + book.row(r).at(TiryoboRow::Hiduke) + QLatin1Char('[') + word
                       + QLatin1Char(']');
        }
    }
    return QString();
}

bool DellInfoFile::write(const QStringList& dellInfoList, QString* errorText)
{
    const QString localPath = path();
    QDir().mkpath(QFileInfo(localPath).absolutePath());
    QStringList lines = dellInfoList;
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return TextFile::write(localPath, lines, errorText);
}
