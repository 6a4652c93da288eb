#include "GensyoKouhoFile.h"

#include "KenanFile.h"
#include "common/SharedUtil.h"
#include "common/TextFile.h"
#include "common/DataPath.h"

#include <QDir>
#include <QRegularExpression>

QString GensyoKouhoFile::path(int number)
{
    return DataPath::resolve(KenanFile::folder() + QStringLiteral("/gensyo-%1.ini").arg(number));
}

std::optional<int> GensyoKouhoFile::number(const QString& typed)
{
    static const QRegularExpression digits(QStringLiteral("^[1-9][0-9]?$"));
    const QString t = SharedUtil::Trim(typed);
    if (!digits.match(t).hasMatch())
        return std::nullopt;
    const int n = t.toInt();
    if (n < 1 || n > Count)
        return std::nullopt;
    return n;
}

QStringList GensyoKouhoFile::loadAll(QStringList* errors)
{
    QStringList texts;
    for (int n = 1; n <= Count; ++n) {
        const TextFile file = TextFile::read(path(n));
        if (!file.ok() && !file.missing() && errors)
            errors->append(file.errorText);
        texts.append(file.ok() ? file.texts().join(QString()) : QString());
    }
    return texts;
}

bool GensyoKouhoFile::save(int number, const QString& text, QString* errorText)
{
    if (!QDir().mkpath(KenanFile::folder())) {
        *errorText = QStringLiteral("フォルダを作れません: %1").arg(KenanFile::folder());
        return false;
    }
    return TextFile::write(path(number), QStringList{SharedUtil::KaigyoDelProc(text)}, errorText);
}
