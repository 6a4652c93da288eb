#pragma once

#include <QImage>
#include <QString>

// Bitmap pictures of the installation, found ignoring letter case.
class BitmapPicture
{
public:
    // The picture at a local path; a null image (and the reason) when it is missing or unreadable.
    static QImage load(const QString& localPath, QString* errorText = nullptr);
};
