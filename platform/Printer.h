#pragma once
// The printer as the program's print jobs use it: a current printer chosen from a
// list, with orientation, scale mode, font, fore colour, current position, text lines,
// scaled pictures, single points, new page and end of document.
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace korv {

class Printer {
public:
    enum class Scale { Twips, Pixels };
    virtual ~Printer() = default;

    QString DeviceName;
    int Orientation = 1; // 1 portrait, 2 landscape
    Scale ScaleMode = Scale::Twips;
    QString FontName = "Arial";
    double FontSize = 10;
    bool FontBold = false, FontItalic = false, FontUnderline = false;
    int ForeColor = 0;
    double CurrentX = 0, CurrentY = 0;
    // Side of the square a point covers, in device pixels.
    double DrawWidth = 1;

    // Device pixels per inch.
    virtual int dpi() const = 0;
    // The page in the current scale units and orientation.
    double ScaleWidth() const;
    double ScaleHeight() const;
    double unitsPerPixel() const { return ScaleMode == Scale::Twips ? 1440.0 / dpi() : 1.0; }

    // One line of text with its top-left at the current position; afterwards current x
    // is 0 and current y one line lower.
    void Print(const QString& text);
    double TextWidth(const QString& text) const;
    double TextHeight(const QString& text) const;
    // Paints the source rectangle (in the picture's pixels) into the destination
    // rectangle (in the current scale units).
    void PaintPicture(const QImage& img, double dx, double dy, double dw, double dh, double sx,
                      double sy, double sw, double sh);
    void PaintPicture(const QImage& img, double dx, double dy, double dw, double dh) {
        PaintPicture(img, dx, dy, dw, dh, 0, 0, img.width(), img.height());
    }
    void PSet(double x, double y, int colour);
    // Starts a new page; the page is only emitted when more output follows.
    void NewPage();
    // Ends the document; false when it could not be produced.
    bool EndDoc();

    QFont font() const; // at the printer's resolution

protected:
    // Size of the printable area in device pixels for the current orientation; positions
    // count from its top-left corner.
    virtual QSizeF pagePixels() const = 0;
    // Output in device pixels; `page` counts from 0.
    virtual void beginDocument() = 0;
    virtual void beginPage() = 0; // a page after the first
    virtual void drawText(double x, double y, const QString& text, const QFont& f, int colour) = 0;
    virtual void drawImage(const QRectF& dest, const QImage& img, const QRectF& src) = 0;
    virtual void drawPoint(double x, double y, double size, int colour) = 0;
    virtual bool finishDocument() = 0;

private:
    void beforeOutput();
    bool started_ = false;
    bool pageWanted_ = false;
};

// The printers to choose from and the current one.
class PrinterService {
public:
    virtual ~PrinterService() = default;
    virtual QStringList names() const = 0; // the system's printers, then the PDF printer
    virtual int currentIndex() const = 0;
    virtual void setCurrent(int index) = 0;
    // The current printer; it stays the same object until another one is chosen or the
    // list is read again.
    virtual Printer& current() = 0;
    // Reads the list of printers again, so that printers added or removed since are seen;
    // the current printer stays chosen while it is still there.
    virtual void refresh() {}
};

// The name print jobs carry in the print queue and as the title of a PDF.
inline const QString kPrintJobName = QStringLiteral("Korvamint Smidrovel");

inline const QString kPdfPrinterName = QStringLiteral("PDF-bestand");

// The system's printers through Qt, and a PDF printer at 600 dots per inch that writes
// its documents as PDF files named after the time into `pdfFolder`. A system printer is
// asked before a document whether it is there and accepts jobs, and afterwards whether
// the print system took the job; either failure makes EndDoc report false.
class QtPrinterService : public PrinterService {
public:
    explicit QtPrinterService(QString pdfFolder);
    ~QtPrinterService() override;
    QStringList names() const override;
    int currentIndex() const override { return current_; }
    void setCurrent(int index) override;
    Printer& current() override;
    void refresh() override;
    // Path of the last PDF file written by the PDF printer.
    QString lastPdf() const;
    // Called with the path of each PDF file the PDF printer has finished, so that the
    // user gets to see where the printout went.
    std::function<void(const QString&)> onPdfWritten;

private:
    QStringList system_;
    QString pdfFolder_;
    int current_ = 0;
    std::unique_ptr<Printer> printer_;
};

} // namespace korv
