#include "BitmapPicture.h"

#include "DataPath.h"

#include <QFileInfo>
#include <QImageReader>

QImage BitmapPicture::load(const QString& localPath, QString* errorText)
{
    const QString path = DataPath::resolve(localPath);
    if (!QFileInfo::exists(path)) {
        if (errorText)
            *errorText = QStringLiteral("画像ファイルがありません: %1").arg(localPath);
        return QImage();
    }
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull() && errorText)
        *errorText = QStringLiteral("画像ファイルを読めません: %1（%2）").arg(path, reader.errorString());
    return image;
}

QString BitmapPicture::pictFile(const QString& baseName)
{
    return DataPath::file(QStringLiteral("pict\\") + baseName + QStringLiteral(".bmp"));
}
