#pragma once

#include <QString>

// The printer as the print code sees it: positions and sizes in twips (1 mm = 56.7 twips) from the
// paper's top-left corner, a current position, a current font, a line width in printer pixels
// (at 600 dots per inch) and a line style. Implemented by the Qt printer / PDF device and by the
// recording device of the tests.
class PrintDevice
{
public:
    enum class Paper { A4, JisB4, JisB5, A5 };
    enum class Orientation { Portrait, Landscape };
    enum LineStyle { Solid = 0, Dash = 1, Dot = 2, DashDot = 3 };
    static constexpr double TwipsPerInch = 1440.0;
    static constexpr double PrinterDpi = 600.0;

    virtual ~PrintDevice() = default;

    // Paper of the current page; set before the first drawing or before newPage().
    virtual void setPaper(Paper paper, Orientation orientation);
    Paper paper() const { return paperValue; }
    Orientation orientation() const { return orientationValue; }
    // Paper width and height in millimetres for the current orientation.
    static double paperWidthMm(Paper paper, Orientation orientation);
    static double paperHeightMm(Paper paper, Orientation orientation);

    void setFontName(const QString& name) { fontNameValue = name; }
    void setFontSize(double points) { fontSizeValue = points; }
    void setFontBold(bool bold) { fontBoldValue = bold; }
    void setFontItalic(bool italic) { fontItalicValue = italic; }
    QString fontName() const { return fontNameValue; }
    double fontSize() const { return fontSizeValue; }
    bool fontBold() const { return fontBoldValue; }
    bool fontItalic() const { return fontItalicValue; }

    void setCurrentX(double twips) { currentXValue = twips; }
    void setCurrentY(double twips) { currentYValue = twips; }
    double currentX() const { return currentXValue; }
    double currentY() const { return currentYValue; }

    void setLineWidth(int printerPixels) { lineWidthValue = printerPixels; }
    int lineWidth() const { return lineWidthValue; }
    void setLineStyle(int style) { lineStyleValue = style; }
    int lineStyle() const { return lineStyleValue; }

    // Text with its top-left corner at the current position; afterwards the current position is
    // at the start of the next line (x 0, y one text height lower).
    void printText(const QString& text);
    // Width and height of a text in the current font, in twips.
    double textWidth(const QString& text) const;
    double textHeight(const QString& text = QStringLiteral("Ag")) const;

    virtual void drawLine(double x1, double y1, double x2, double y2) = 0;
    virtual void drawBox(double x1, double y1, double x2, double y2, bool filled = false) = 0;
    virtual void drawCircle(double cx, double cy, double radius) = 0;
    // A bitmap at its own size with its top-left corner at (x, y); false when it cannot be loaded.
    virtual bool drawPicture(const QString& localPath, double x, double y) = 0;
    virtual void newPage() = 0;
    // Ends the document; false with a message when the pages could not be produced.
    virtual bool endDoc(QString* errorText = nullptr) = 0;
    // What to tell the user about where the pages went (a PDF file's path); empty for a printer.
    virtual QString destinationMessage() const { return QString(); }

    // Lets the window system process pending events once (windows repaint during long prints).
    virtual void processEvents();

    static double mmToTwips(double mm) { return mm * 56.7; }
    static double twipsToMm(double twips) { return twips / 56.7; }

protected:
    virtual void drawText(const QString& text, double x, double y) = 0;

private:
    Paper paperValue = Paper::A4;
    Orientation orientationValue = Orientation::Portrait;
    QString fontNameValue = QStringLiteral("ＭＳ 明朝");
    double fontSizeValue = 10;
    bool fontBoldValue = false;
    bool fontItalicValue = false;
    double currentXValue = 0;
    double currentYValue = 0;
    int lineWidthValue = 1;
    int lineStyleValue = Solid;
};
