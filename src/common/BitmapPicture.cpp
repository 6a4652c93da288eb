#include "BitmapPicture.h"

#include "DataPath.h"
#include "FileErrorText.h"

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
        *errorText = FileErrorText::compose(QStringLiteral("画像ファイルを読めません"), path, readerReason(reader, path));
    return image;
}

QString BitmapPicture::readerReason(const QImageReader& reader, const QString& localPath)
{
    switch (reader.error()) {
    case QImageReader::UnsupportedFormatError:
        return QStringLiteral("画像の形式が違います");
    case QImageReader::InvalidDataError:
        return QStringLiteral("画像のデータが壊れています");
    default:
        return FileErrorText::readReason(localPath);
    }
}

QString BitmapPicture::pictFile(const QString& baseName)
{
    return DataPath::file(QStringLiteral("pict\\") + baseName + QStringLiteral(".bmp"));
}
