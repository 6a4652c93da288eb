#include "JyoYakuList.h"

#include "common/DataPath.h"
#include "common/TextFile.h"
#include "registers/SetteiData.h"
#include "registers/TourokuNameFile.h"

namespace {
const QChar Sep = QLatin1Char('\'');
}

JyoYakuList::JyoYakuList(int number) : file(path(number))
{
    const TextFile text = TextFile::read(file);
    readOk = text.ok() || text.missing();
    if (!readOk)
        error = text.errorText;
    items = text.texts();
}

QString JyoYakuList::path(int number)
{
    return DataPath::file(QStringLiteral("code\\Record%1.ini").arg(number));
}

QString JyoYakuList::normalize(const QString& line, bool withSyringe)
{
    QString text = line;
    text.replace(QStringLiteral("KMK"), QStringLiteral("KSK"));
    if (withSyringe)
        return TourokuNameFile::shorten(text);
    // The drug-treatment lists keep "シリンジ": the other unit words are shortened around it.
    QStringList parts = text.split(QStringLiteral("シリンジ"));
    for (QString& part : parts)
        part = TourokuNameFile::shorten(part);
    return parts.join(QStringLiteral("シリンジ"));
}

QString JyoYakuList::line(const QString& mark, const QString& name, const QString& kikaku)
{
    return mark + Sep + name.trimmed() + Sep + kikaku.trimmed();
}

QString JyoYakuList::line(const QString& mark, const QString& name, const QString& kikaku, const QString& tani)
{
    return line(mark, name, kikaku) + Sep + tani.trimmed();
}

int JyoYakuList::indexOf(const QString& newLine, bool withSyringe) const
{
    const QString key = normalize(newLine, withSyringe);
    for (int i = 0; i < items.size(); ++i) {
        if (!items.at(i).isEmpty() && normalize(items.at(i), withSyringe) == key)
            return i;
    }
    return -1;
}

bool JyoYakuList::write()
{
    // A file that could not be read is never replaced: its lines would be lost.
    if (!readOk)
        return false;
    return SetteiData::writeLines(file, items, &error);
}

JyoYakuList::Result JyoYakuList::touroku(const QString& newLine, bool withSyringe)
{
    if (indexOf(newLine, withSyringe) >= 0)
        return AlreadyRegistered;
    if (!readOk)
        return WriteFailed;
    items.append(newLine);
    if (!write()) {
        items.removeLast();
        return WriteFailed;
    }
    return Registered;
}

JyoYakuList::Result JyoYakuList::sakujyo(const QString& newLine, bool withSyringe)
{
    const int at = indexOf(newLine, withSyringe);
    if (at < 0)
        return NotFound;
    const QString removed = items.takeAt(at);
    if (!write()) {
        items.insert(at, removed);
        return WriteFailed;
    }
    return Removed;
}

QString JyoYakuList::message(Result result) const
{
    switch (result) {
    case Registered:
        return QStringLiteral("選択された薬を登録しました。");
    case AlreadyRegistered:
        return QStringLiteral("既に登録されています。");
    case Removed:
        return QStringLiteral("選択された薬を「常」から削除しました。");
    case NotFound:
        return QString();
    case WriteFailed:
        break;
    }
    return error.isEmpty() ? file + QStringLiteral(" に書き込めません。") : error;
}
