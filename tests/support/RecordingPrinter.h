#pragma once
// A printer for tests that keeps every operation, page by page and document by document.
#include "platform/Printer.h"

#include <QImage>
#include <QRectF>
#include <QStringList>
#include <vector>

struct PrintOp {
    enum Kind { Text, Image, Point } kind = Text;
    QRectF rect;    // text: top-left in device pixels; image: destination; point: its square
    QRectF source;  // image: source rectangle
    QString text;   // text
    QImage image;   // image
    int colour = 0; // text and point
    QFont font;     // text
    int orientation = 1;
};

class RecordingPrinter : public korv::Printer {
public:
    explicit RecordingPrinter(QString name = "Testprinter", int dpi = 600) : dpi_(dpi) {
        DeviceName = name;
    }
    int dpi() const override { return dpi_; }
    using Page = std::vector<PrintOp>;
    std::vector<std::vector<Page>> documents; // finished documents
    std::vector<Page> open;                   // the document being printed
    bool failEnd = false;

protected:
    QSizeF pagePixels() const override {
        const double w = 8.27 * dpi_, h = 11.69 * dpi_; // A4
        return Orientation == 2 ? QSizeF(h, w) : QSizeF(w, h);
    }
    void beginDocument() override { open.assign(1, Page{}); }
    void beginPage() override { open.emplace_back(); }
    void drawText(double x, double y, const QString& t, const QFont& f, int c) override {
        PrintOp op;
        op.kind = PrintOp::Text;
        op.rect = QRectF(x, y, 0, 0);
        op.text = t;
        op.font = f;
        op.colour = c;
        op.orientation = Orientation;
        open.back().push_back(op);
    }
    void drawImage(const QRectF& dest, const QImage& img, const QRectF& src) override {
        PrintOp op;
        op.kind = PrintOp::Image;
        op.rect = dest;
        op.source = src;
        op.image = img;
        op.orientation = Orientation;
        open.back().push_back(op);
    }
    void drawPoint(double x, double y, double size, int c) override {
        PrintOp op;
        op.kind = PrintOp::Point;
        op.rect = QRectF(x, y, size, size);
        op.colour = c;
        open.back().push_back(op);
    }
    bool finishDocument() override {
        documents.push_back(open);
        open.clear();
        return !failEnd;
    }

private:
    int dpi_;
};

// A printer list for tests: a few recording printers, the last one current.
class RecordingPrinterService : public korv::PrinterService {
public:
    explicit RecordingPrinterService(QStringList names = {"Kantoor", "Testprinter"}) {
        for (const QString& n : names)
            printers.push_back(std::make_unique<RecordingPrinter>(n));
        current_ = int(printers.size()) - 1;
    }
    QStringList names() const override {
        QStringList n;
        for (const auto& p : printers)
            n << p->DeviceName;
        return n;
    }
    int currentIndex() const override { return current_; }
    void setCurrent(int i) override {
        if (i >= 0 && i < int(printers.size())) current_ = i;
    }
    korv::Printer& current() override { return *printers[current_]; }
    RecordingPrinter& recording() { return *printers[current_]; }
    std::vector<std::unique_ptr<RecordingPrinter>> printers;

private:
    int current_ = 0;
};
