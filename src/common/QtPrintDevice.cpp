#include "QtPrintDevice.h"

#include "DataPath.h"
#include "FontSetup.h"

#include <QDateTime>
#include <QDir>
#include <QImage>
#include <QPageLayout>
#include <QPrinterInfo>

std::unique_ptr<QtPrintDevice> QtPrintDevice::forSystem(const QString& jobName)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        const QString folder = DataPath::root() + QStringLiteral("/print");
        QDir().mkpath(folder);
        const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
        return toPdf(folder + QLatin1Char('/') + jobName + QLatin1Char('-') + stamp + QStringLiteral(".pdf"));
    }
    std::unique_ptr<QtPrintDevice> device(new QtPrintDevice());
    device->printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    device->printer->setDocName(jobName);
    device->printer->setFullPage(true);
    device->destinationText = info.printerName();
    return device;
}

std::unique_ptr<QtPrintDevice> QtPrintDevice::toPdf(const QString& localPath)
{
    std::unique_ptr<QtPrintDevice> device(new QtPrintDevice());
    device->printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    device->printer->setOutputFormat(QPrinter::PdfFormat);
    device->printer->setOutputFileName(localPath);
    device->printer->setFullPage(true);
    device->destinationText = localPath;
    device->pdf = true;
    return device;
}

QString QtPrintDevice::destinationMessage() const
{
    return pdf ? QStringLiteral("印刷内容をファイルに保存しました。\n%1").arg(destinationText) : QString();
}

double QtPrintDevice::px(double twips) const
{
    return twips * printer->resolution() / TwipsPerInch;
}

void QtPrintDevice::applyLayout()
{
    const QPageSize size(paper() == Paper::A4      ? QPageSize::A4
                         : paper() == Paper::JisB4 ? QPageSize::JisB4
                         : paper() == Paper::A5    ? QPageSize::A5
                                                   : QPageSize::JisB5);
    const QPageLayout layout(size, orientation() == Orientation::Portrait ? QPageLayout::Portrait
                                                                        : QPageLayout::Landscape,
                             QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    printer->setPageLayout(layout);
}

bool QtPrintDevice::begin()
{
    if (!started) {
        started = true;
        applyLayout();
        failed = !painter.begin(printer.get());
    }
    if (failed)
        return false;
    for (; pendingPages > 0; --pendingPages) {
        applyLayout();
        printer->newPage();
    }
    return true;
}

void QtPrintDevice::setPaper(Paper paperSize, Orientation orient)
{
    PrintDevice::setPaper(paperSize, orient);
    if (!started)
        applyLayout();
}

void QtPrintDevice::applyPen()
{
    static const Qt::PenStyle styles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine};
    QPen pen(Qt::black);
    pen.setWidthF(std::max(1.0, lineWidth() * printer->resolution() / PrinterDpi));
    pen.setStyle(lineStyle() >= 0 && lineStyle() < 4 ? styles[lineStyle()] : Qt::SolidLine);
    painter.setPen(pen);
}

void QtPrintDevice::drawText(const QString& text, double x, double y)
{
    if (!begin())
        return;
    const QFont font = FontSetup::font(fontName(), fontSize(), fontBold(), fontItalic());
    painter.setFont(font);
    painter.setPen(Qt::black);
    const double ascent = FontSetup::ascentTwips(fontName(), fontSize(), fontBold(), fontItalic());
    painter.drawText(point(x, y + ascent), text);
}

void QtPrintDevice::drawLine(double x1, double y1, double x2, double y2)
{
    if (!begin())
        return;
    applyPen();
    painter.drawLine(point(x1, y1), point(x2, y2));
}

void QtPrintDevice::drawBox(double x1, double y1, double x2, double y2, bool filled)
{
    if (!begin())
        return;
    applyPen();
    painter.setBrush(filled ? QBrush(Qt::black) : QBrush(Qt::NoBrush));
    painter.drawRect(QRectF(point(x1, y1), point(x2, y2)).normalized());
    painter.setBrush(Qt::NoBrush);
}

void QtPrintDevice::drawCircle(double cx, double cy, double radius)
{
    if (!begin())
        return;
    applyPen();
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(point(cx, cy), px(radius), px(radius));
}

bool QtPrintDevice::drawPicture(const QString& localPath, double x, double y)
{
    QImage image(localPath);
    if (image.isNull() || !begin())
        return false;
    // Own size: the picture's resolution when it has one, else 96 dots per inch (15 twips a pixel).
    const double dpiX = image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() * 0.0254 : 96.0;
    const double dpiY = image.dotsPerMeterY() > 0 ? image.dotsPerMeterY() * 0.0254 : 96.0;
    const double w = image.width() * TwipsPerInch / dpiX;
    const double h = image.height() * TwipsPerInch / dpiY;
    painter.drawImage(QRectF(point(x, y), QSizeF(px(w), px(h))), image);
    return true;
}

void QtPrintDevice::newPage()
{
    // The page starts with the next drawing, so that the new page every form ends with leaves no
    // blank sheet at the end of the document.
    if (begin())
        ++pendingPages;
}

bool QtPrintDevice::endDoc(QString* errorText)
{
    pendingPages = 0;
    if (!begin() || !painter.end()) {
        if (errorText)
            *errorText = QStringLiteral("印刷できませんでした（%1）。").arg(destinationText);
        return false;
    }
    return true;
}
