#include "SibouKensaku.h"

#include "KotaiRename.h"
#include "SetteiData.h"
#include "common/DataPath.h"
#include "common/TextFile.h"
#include "common/SharedUtil.h"


QString SibouKensaku::mark(const QStringList& bookLines)
{
    for (const QString& line : bookLines) {
        const bool sibou = line.contains(QStringLiteral("死亡"));
        if (!sibou && !line.contains(QStringLiteral("出荷")))
            continue;
        return QStringLiteral("H") + line.section(QLatin1Char('\''), 0, 0)
            + (sibou ? QStringLiteral(" [死亡]") : QStringLiteral(" [出荷]"));
    }
    return QString();
}

bool SibouKensaku::SibouKensakuProc(QStringList& dellInfoList, const std::function<void(int, int)>& progress,
                                    QStringList* errors)
{
    // Where the list was not loaded at start-up it is read here, so the file keeps its lines.
    if (dellInfoList.isEmpty()) {
        bool ok = true;
        QString error;
        dellInfoList = SetteiData::readLines(KotaiRename::dellInfoPath(), &ok, &error);
        if (!ok) {
            if (errors)
                errors->append(error);
            return false;
        }
        dellInfoList.append(QString());
    }
    const QString folder = DataPath::file(QStringLiteral("cb"));
    const QStringList books = DataPath::list(folder, QStringLiteral("*.txb"));
    for (int i = 0; i < books.size(); ++i) {
        const TextFile book = TextFile::read(folder + QLatin1Char('/') + books.at(i));
        if (!book.ok() && errors)
            errors->append(book.errorText);
        const QString m = book.ok() ? mark(book.texts()) : QString();
        if (!m.isEmpty())
            SharedUtil::DellInfoSetProc(dellInfoList, books.at(i), m);
        if (progress)
            progress(i, int(books.size()));
    }
    QStringList lines = dellInfoList;
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    QString error;
    if (SetteiData::writeLines(KotaiRename::dellInfoPath(), lines, &error))
        return true;
    if (errors)
        errors->append(error);
    return false;
}
