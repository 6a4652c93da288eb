#include "DataPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>
#include <vector>

QString& DataPath::rootRef()
{
    static QString value = defaultRoot();
    return value;
}

void DataPath::setRoot(const QString& dir)
{
    rootRef() = QDir::cleanPath(QFileInfo(dir).absoluteFilePath());
}

QString DataPath::root()
{
    return rootRef();
}

QString DataPath::defaultRoot()
{
    return QDir::homePath() + QStringLiteral("/Nolvari");
}

QString DataPath::map(const QString& systemPath, QString* refusal)
{
    QString path = systemPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:"));
    QString driveLetter;
    if (const auto m = drive.match(path); m.hasMatch()) {
        driveLetter = m.captured(0).left(1).toUpper();
        path = path.mid(2);
    }
    QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.contains(QStringLiteral(".")) || parts.contains(QStringLiteral(".."))) {
        if (refusal)
            *refusal = QStringLiteral("「.」や「..」を含むパスは使えません: %1").arg(systemPath);
        return QString();
    }
    if (!parts.isEmpty() && parts.first().compare(QStringLiteral("Nolvari"), Qt::CaseInsensitive) == 0) {
        parts.removeFirst();
    } else {
        parts.prepend(driveLetter.isEmpty() ? QStringLiteral("C") : driveLetter);
        parts.prepend(QStringLiteral("external"));
    }
    parts.prepend(root());
    return resolve(parts.join(QLatin1Char('/')));
}

QString DataPath::file(const QString& relative)
{
    return map(QStringLiteral("\\Nolvari\\") + relative);
}

QString DataPath::resolve(const QString& localPath)
{
    if (QFileInfo::exists(localPath))
        return localPath;
    const QStringList parts = localPath.split(QLatin1Char('/'));
    QString current = localPath.startsWith(QLatin1Char('/')) ? QStringLiteral("/") : QString();
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts.at(i);
        if (part.isEmpty())
            continue;
        QString next = current.isEmpty() || current.endsWith(QLatin1Char('/'))
            ? current + part : current + QLatin1Char('/') + part;
        if (!QFileInfo::exists(next)) {
            const QStringList entries = QDir(current.isEmpty() ? QStringLiteral(".") : current)
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
            bool found = false;
            for (const QString& entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    next = current.isEmpty() || current.endsWith(QLatin1Char('/'))
                        ? current + entry : current + QLatin1Char('/') + entry;
                    found = true;
                    break;
                }
            }
            if (!found) {
                // The rest does not exist: keep the matched prefix and the rest as given.
                QStringList rest = parts.mid(i);
                rest.removeAll(QString());
                return next.left(next.size() - part.size()) + rest.join(QLatin1Char('/'));
            }
        }
        current = next;
    }
    return current;
}

namespace {
// The test of a file name against a wildcard pattern, ignoring case: "*.sxd" is a plain ending.
class NamePattern
{
public:
    explicit NamePattern(const QString& pattern)
    {
        const QString rest = pattern.mid(1);
        if (pattern.startsWith(QLatin1Char('*')) && !rest.contains(QLatin1Char('*')) && !rest.contains(QLatin1Char('?'))
            && !rest.contains(QLatin1Char('[')))
            ending = rest;
        else
            re = QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern),
                                    QRegularExpression::CaseInsensitiveOption);
    }
    bool matches(const QString& name) const
    {
        if (!ending.isNull())
            return name.endsWith(ending, Qt::CaseInsensitive);
        return re.match(name).hasMatch();
    }

private:
    QString ending;
    QRegularExpression re;
};
// True for an entry that is a folder (or ".", "..", or a link to a folder): the listing leaves
// those out and keeps every other entry, as the file listings of the system did.
bool isFolderEntry(DIR* dir, const dirent* entry)
{
    if (entry->d_type == DT_DIR)
        return true;
    if (entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN)
        return false;
    struct stat info;
    return ::fstatat(::dirfd(dir), entry->d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
}

bool isAscii(const char* text, qsizetype length)
{
    for (qsizetype i = 0; i < length; ++i)
        if (static_cast<unsigned char>(text[i]) >= 0x80)
            return false;
    return true;
}

// The case-folded form of an ASCII name: its capital letters made small, which is what the
// general folding gives for ASCII, at a fraction of its cost.
QString asciiFolded(const QString& name)
{
    QString key = name;
    QChar* c = key.data();
    for (qsizetype i = 0; i < key.size(); ++i)
        if (c[i].unicode() >= u'A' && c[i].unicode() <= u'Z')
            c[i] = QChar(c[i].unicode() + (u'a' - u'A'));
    return key;
}

// A listed name's place in the sort: its first 16 code units, four to an integer, high units
// first, so that comparing the integers compares those units in order (a shorter key is padded
// with zeros, which no name holds, and so sorts before the keys it begins).
struct SortEntry
{
    SortEntry(const QString& key, qsizetype index) : index(index)
    {
        for (qsizetype i = 0; i < qsizetype(head.size()) * 4; ++i)
            head[size_t(i / 4)] |= quint64(i < key.size() ? key.at(i).unicode() : 0) << (48 - 16 * (i % 4));
    }
    std::array<quint64, 4> head{};
    qsizetype index;
};

} // namespace

QStringList DataPath::list(const QString& localFolder, const QString& pattern, QStringList* foldedKeys)
{
    // Names only, read from the directory itself: a listing of file information would read the
    // status of every file, where only links and entries of unknown kind need one here.
    DIR* dir = ::opendir(QFile::encodeName(resolve(localFolder)).constData());
    if (!dir)
        return {};
    const NamePattern matcher(pattern);
    QStringList names;
    QStringList keys;
    while (const dirent* entry = ::readdir(dir)) {
        if (isFolderEntry(dir, entry))
            continue;
        const qsizetype length = qsizetype(std::strlen(entry->d_name));
        const bool ascii = isAscii(entry->d_name, length);
        QString name = ascii ? QString::fromLatin1(entry->d_name, length)
                             : QFile::decodeName(QByteArray(entry->d_name, length));
        if (!matcher.matches(name))
            continue;
        keys.append(ascii ? asciiFolded(name) : name.toCaseFolded());
        names.append(std::move(name));
    }
    ::closedir(dir);
    // Sorted through entries that carry the beginning of each key packed into integers, which
    // order as the code units do; only keys that share those beginnings are compared further.
    std::vector<SortEntry> order;
    order.reserve(size_t(names.size()));
    for (qsizetype i = 0; i < names.size(); ++i)
        order.push_back(SortEntry(keys.at(i), i));
    std::sort(order.begin(), order.end(), [&](const SortEntry& a, const SortEntry& b) {
        if (a.head != b.head)
            return a.head < b.head;
        const int byKey = QStringView(keys.at(a.index)).compare(QStringView(keys.at(b.index)));
        return byKey != 0 ? byKey < 0 : names.at(a.index) < names.at(b.index);
    });
    QStringList sorted;
    sorted.reserve(names.size());
    for (const SortEntry& e : order)
        sorted.append(names.at(e.index));
    if (foldedKeys) {
        foldedKeys->clear();
        foldedKeys->reserve(keys.size());
        for (const SortEntry& e : order)
            foldedKeys->append(keys.at(e.index));
    }
    return sorted;
}
