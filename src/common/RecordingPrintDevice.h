#pragma once

#include "PrintDevice.h"

#include <QList>
#include <QString>

// A print device that draws nothing and keeps every operation with its page, its position in
// twips and millimetres, the font and the line settings; the print layouts are tested on it.
class RecordingPrintDevice : public PrintDevice
{
public:
    enum class Kind { Text, Line, Box, Circle, Picture, NewPage, EndDoc };

    struct Op
    {
        Kind kind = Kind::Text;
        int page = 1;
        QString text;          // the text, or the picture's path
        double x = 0, y = 0;   // twips: text and picture top-left, line start, box corner, circle centre
        double x2 = 0, y2 = 0; // twips: line end, opposite box corner
        double radius = 0;     // twips
        bool filled = false;
        QString fontName;
        double fontSize = 0;
        bool bold = false;
        bool italic = false;
        int lineWidth = 1;
        int lineStyle = 0;
        Paper paper = Paper::A4;
        Orientation orientation = Orientation::Portrait;

        double xMm() const { return twipsToMm(x); }
        double yMm() const { return twipsToMm(y); }
        double x2Mm() const { return twipsToMm(x2); }
        double y2Mm() const { return twipsToMm(y2); }
    };

    QList<Op> ops;
    // drawPicture records a picture only when its file can be read as an image, unless this is set.
    bool assumePicturesExist = false;

    void drawLine(double x1, double y1, double x2, double y2) override;
    void drawBox(double x1, double y1, double x2, double y2, bool filled = false) override;
    void drawCircle(double cx, double cy, double radius) override;
    bool drawPicture(const QString& localPath, double x, double y) override;
    void newPage() override;
    bool endDoc(QString* errorText = nullptr) override;
    void processEvents() override {}

    int pageCount() const { return currentPage; }
    QList<Op> ofKind(Kind kind) const;
    QStringList texts() const;
    // The first text operation whose text equals text; nullptr when there is none.
    const Op* findText(const QString& text) const;

protected:
    void drawText(const QString& text, double x, double y) override;

private:
    Op make(Kind kind) const;
    int currentPage = 1;
};
