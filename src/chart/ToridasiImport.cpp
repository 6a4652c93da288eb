#include "ToridasiImport.h"

#include "common/TextFile.h"

QString ToridasiImport::dateText(const QString& cell)
{
    return cell.contains(QLatin1Char(':')) ? cell.section(QLatin1Char(':'), 1, 1) : cell;
}

void ToridasiImport::setDisease(const QString& line, int row, int column)
{
    const QStringList parts = line.split(QLatin1Char(':'));
    const bool pair = parts.size() == 2;
    Episode.block().setCell(row, column, pair ? parts.at(0) : QString());
    Episode.block().setCell(row, column + 1, pair ? parts.at(1) : QString());
}

void ToridasiImport::setTiryo(int row, const QStringList& p)
{
    for (int c = 3; c <= 10; ++c)
        Episode.block().setCell(row, c, p.value(c));
}

void ToridasiImport::setSyoken(const QStringList& p)
{
    KarteBlock& block = Episode.block();
    const QStringList pieces = p.value(13).split(QLatin1Char(':'));
    for (int m = 0; m < SinsatuBlock::SyokenCount; ++m)
        block.setCell(row_ + 8, 3 + m, pieces.size() >= 2 ? pieces.value(m) : QString());
    for (int m = SinsatuBlock::SyokenCount; pieces.size() >= 2 && m < pieces.size(); ++m) {
        if (!pieces.at(m).isEmpty())
            LeftOut.append(QStringLiteral("%1 の所見「%2」は9つ目以降のため取り込めませんでした。")
                               .arg(dateText(p.value(0)), pieces.at(m)));
    }
}

void ToridasiImport::startSinsatu(const QStringList& p)
{
    KarteBlock& block = Episode.block();
    row_ += KarteBlock::SinsatuLines;
    block.setCell(row_, 2, dateText(p.value(0)));
    block.setCell(row_, 3, QStringLiteral("T=") + p.value(11) + QStringLiteral(" P= R="));
    block.setCell(row_ + 1, 2, p.value(2));
    setTiryo(row_ + 1, p);
    block.setCell(row_ + 8, 2, p.value(12));
    setSyoken(p);
    date_ = p.value(0);
    if (firstDate_.isEmpty())
        firstDate_ = p.value(0);
    slot_ = 2;
    open_ = true;
}

void ToridasiImport::addRow(const QStringList& p)
{
    if (open_ && p.value(0) == date_) {
        setTiryo(row_ + slot_, p);
        if (++slot_ == 8) {
            slot_ = 1;
            open_ = false;
        }
        return;
    }
    if (row_ + KarteBlock::SinsatuLines >= KarteBlock::LineCount) {
        LeftOut.append(QStringLiteral("%1 の行（%2）は20回目より後の診療のため取り込めませんでした。")
                           .arg(dateText(p.value(0)), p.value(4)));
        open_ = false;
        return;
    }
    startSinsatu(p);
}

ToridasiImport ToridasiImport::build(const QStringList& lines)
{
    ToridasiImport import;
    import.setDisease(lines.value(0), 0, 2);
    import.setDisease(lines.value(1), 1, 2);
    import.setDisease(lines.value(2), 0, 14);
    for (int i = 3; i < lines.size() - 1; ++i) {
        if (!lines.at(i).isEmpty())
            import.addRow(lines.at(i).split(QLatin1Char('\'')));
    }
    if (lines.size() > 3 && lines.last() == QStringLiteral("1")) {
        const QString first = import.firstDate_;
        import.Episode.block().setCell(1, 12, first.contains(QLatin1Char(':')) ? first.section(QLatin1Char(':'), 1) : first);
    }
    return import;
}

std::optional<ToridasiImport> ToridasiImport::readFile(const QString& localPath, QString* errorText)
{
    const TextFile file = TextFile::read(localPath);
    if (!file.ok()) {
        if (errorText)
            *errorText = file.errorText;
        return std::nullopt;
    }
    return build(file.texts());
}
