#include "DataPath.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>

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
} // namespace

QStringList DataPath::list(const QString& localFolder, const QString& pattern)
{
    // Names only: the iterator takes each entry's kind from the directory itself, where a listing
    // of file information would read the status of every file.
    QDirIterator it(resolve(localFolder), QDir::Files | QDir::Hidden | QDir::System);
    const NamePattern matcher(pattern);
    QList<std::pair<QString, QString>> keyed;
    while (it.hasNext()) {
        it.next();
        QString name = it.fileName();
        if (matcher.matches(name))
            keyed.append({name.toCaseFolded(), std::move(name)});
    }
    std::sort(keyed.begin(), keyed.end());
    QStringList names;
    names.reserve(keyed.size());
    for (auto& entry : keyed)
        names.append(std::move(entry.second));
    return names;
}
