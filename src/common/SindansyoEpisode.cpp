#include "SindansyoEpisode.h"

#include "TextFile.h"

namespace {

QStringList cellsOf(const QString& line)
{
    QStringList cells = line.split(QLatin1Char('\''));
    cells.resize(SindansyoEpisode::ColumnCount);
    return cells;
}

} // namespace

SindansyoEpisode SindansyoEpisode::load(const QString& localPath, const QString& byoName, const QString& syosinDate)
{
    const TextFile file = TextFile::read(localPath);
    if (!file.ok()) {
        SindansyoEpisode episode;
        episode.path = localPath;
        episode.status = Status::Unreadable;
        episode.errorText = file.errorText;
        return episode;
    }
    SindansyoEpisode episode = fromLines(file.texts(), byoName, syosinDate);
    episode.path = localPath;
    return episode;
}

SindansyoEpisode SindansyoEpisode::fromLines(const QStringList& lines, const QString& byoName,
                                             const QString& syosinDate)
{
    SindansyoEpisode episode;
    episode.PrintReadList = lines;
    episode.noukaFields = lines.value(0).split(QLatin1Char('\''));
    episode.kotaiFields = lines.value(1).split(QLatin1Char('\''));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringList fields = lines.at(i).split(QLatin1Char('\''));
        if (fields.value(0) == QLatin1String("Name") && fields.value(2) == byoName
            && fields.value(5) == syosinDate) {
            episode.startLine = int(i);
            break;
        }
    }
    if (episode.startLine < 0)
        return episode;
    episode.status = Status::Found;
    episode.PrintGrid.reserve(RowCount);
    for (int r = 0; r < RowCount; ++r)
        episode.PrintGrid.append(cellsOf(lines.value(episode.startLine + r)));
    return episode;
}

QString SindansyoEpisode::cell(int row, int column) const
{
    if (row < 0 || row >= PrintGrid.size() || column < 0 || column >= ColumnCount)
        return QString();
    return PrintGrid.at(row).at(column);
}
