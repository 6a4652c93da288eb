#pragma once

#include "PrintDevice.h"

#include <QPainter>
#include <QPrinter>
#include <memory>

// The print device on Qt: the system's default printer (CUPS) or a PDF file. The page layout is
// applied when the first page starts and again at every new page, so paper may change between
// pages. Positions are converted from twips to the printer's resolution. A new page starts when
// something is drawn on it: new pages asked for at the end of the document print no blank sheet.
class QtPrintDevice : public PrintDevice
{
public:
    // A device printing to the default printer, or, where none is configured, to a new PDF file
    // in the data root's "print" folder.
    static std::unique_ptr<QtPrintDevice> forSystem(const QString& jobName);
    static std::unique_ptr<QtPrintDevice> toPdf(const QString& localPath);

    // Where the pages went: the printer's name or the PDF file's path.
    QString destination() const { return destinationText; }
    bool toPdfFile() const { return pdf; }
    // The message that tells the user where a PDF print went (empty for a real printer).
    QString destinationMessage() const override;

    void setPaper(Paper paper, Orientation orientation) override;
    void drawLine(double x1, double y1, double x2, double y2) override;
    void drawBox(double x1, double y1, double x2, double y2, bool filled = false) override;
    void drawCircle(double cx, double cy, double radius) override;
    bool drawPicture(const QString& localPath, double x, double y) override;
    void newPage() override;
    bool endDoc(QString* errorText = nullptr) override;

protected:
    void drawText(const QString& text, double x, double y) override;

private:
    QtPrintDevice() = default;
    bool begin();
    void applyLayout();
    void applyPen();
    double px(double twips) const;
    QPointF point(double x, double y) const { return QPointF(px(x), px(y)); }

    std::unique_ptr<QPrinter> printer;
    QPainter painter;
    QString destinationText;
    bool pdf = false;
    bool started = false;
    bool failed = false;
    int pendingPages = 0;   // new pages asked for and not yet started
};
