#pragma once

#include <QImage>
#include <QString>

class QImageReader;

// Bitmap pictures of the installation, found ignoring letter case.
class BitmapPicture
{
public:
    // The picture at a local path; a null image (and the reason) when it is missing or unreadable.
    static QImage load(const QString& localPath, QString* errorText = nullptr);

    // The local path of "\Nolvari\pict\<baseName>.bmp". The installations name the same files
    // "pict_0.bmp" and "Pict_0.bmp": the lookup ignores letter case, so either spelling finds it.
    static QString pictFile(const QString& baseName);

private:
    // Why the reader failed, in words the user can act on.
    static QString readerReason(const QImageReader& reader, const QString& localPath);
};
