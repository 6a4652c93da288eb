#include "PdfWords.h"

#include <QProcess>
#include <QRegularExpression>

QMap<QString, QPointF> PdfWords::topLeftMm(const QString& pdfPath, int* pageCount)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
    p.waitForFinished(30000);
    const QString xml = QString::fromUtf8(p.readAllStandardOutput());
    if (pageCount)
        *pageCount = int(xml.count(QStringLiteral("<page ")));
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>([^<]*)</word>"));
    const double ptPerMm = 72 / 25.4;
    QMap<QString, QPointF> found;
    for (auto it = word.globalMatch(xml); it.hasNext();) {
        const auto m = it.next();
        found.insert(m.captured(3), QPointF(m.captured(1).toDouble() / ptPerMm, m.captured(2).toDouble() / ptPerMm));
    }
    return found;
}
