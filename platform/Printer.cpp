#include "Printer.h"

#include "Colour.h"
#include "VbMath.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace korv {

double Printer::ScaleWidth() const {
    return pagePixels().width() * unitsPerPixel();
}
double Printer::ScaleHeight() const {
    return pagePixels().height() * unitsPerPixel();
}

QFont Printer::font() const {
    QFont f(FontName);
    // Points at the printer's resolution.
    f.setPixelSize(std::max(1, vbCInt(FontSize * dpi() / 72.0)));
    f.setBold(FontBold);
    f.setItalic(FontItalic);
    f.setUnderline(FontUnderline);
    return f;
}

void Printer::beforeOutput() {
    if (!started_) {
        beginDocument();
        started_ = true;
        pageWanted_ = false;
    } else if (pageWanted_) {
        beginPage();
        pageWanted_ = false;
    }
}

void Printer::Print(const QString& text) {
    beforeOutput();
    const double u = unitsPerPixel();
    const QFont f = font();
    drawText(CurrentX / u, CurrentY / u, text, f, ForeColor);
    CurrentX = 0;
    CurrentY += QFontMetricsF(f).height() * u;
}

double Printer::TextWidth(const QString& text) const {
    return QFontMetricsF(font()).horizontalAdvance(text) * unitsPerPixel();
}

double Printer::TextHeight(const QString&) const {
    return QFontMetricsF(font()).height() * unitsPerPixel();
}

void Printer::PaintPicture(const QImage& img, double dx, double dy, double dw, double dh, double sx,
                           double sy, double sw, double sh) {
    if (img.isNull() || dw == 0 || dh == 0 || sw == 0 || sh == 0) return;
    beforeOutput();
    const double u = unitsPerPixel();
    drawImage(QRectF(dx / u, dy / u, dw / u, dh / u), img, QRectF(sx, sy, sw, sh));
}

void Printer::PSet(double x, double y, int colour) {
    beforeOutput();
    const double u = unitsPerPixel();
    drawPoint(x / u, y / u, colour);
}

void Printer::NewPage() {
    if (started_) pageWanted_ = true;
}

bool Printer::EndDoc() {
    const bool wasStarted = started_;
    started_ = false;
    pageWanted_ = false;
    CurrentX = CurrentY = 0;
    return wasStarted ? finishDocument() : true;
}

// ------------------------------------------------------------------ Qt printers

namespace {

class QtPrinter : public Printer {
public:
    QtPrinter(const QPrinterInfo& info, bool pdf, QString pdfFolder,
              const std::function<void(const QString&)>& written)
        : info_(info), pdf_(pdf), pdfFolder_(std::move(pdfFolder)), written_(written) {
        DeviceName = pdf ? kPdfPrinterName : info.printerName();
    }
    int dpi() const override { return pdf_ ? 600 : printerDpi(); }
    QString lastPdf;

protected:
    QSizeF pagePixels() const override {
        // A4 unless the printer says otherwise.
        QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
        if (!pdf_ && !info_.isNull()) layout.setPageSize(info_.defaultPageSize());
        layout.setOrientation(Orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
        const QRect r = layout.fullRectPixels(dpi());
        return QSizeF(r.width(), r.height());
    }
    void beginDocument() override {
        printer_ = pdf_ ? std::make_unique<QPrinter>(QPrinter::HighResolution)
                        : std::make_unique<QPrinter>(info_, QPrinter::HighResolution);
        if (pdf_) {
            printer_->setOutputFormat(QPrinter::PdfFormat);
            printer_->setResolution(600);
            QDir().mkpath(pdfFolder_);
            lastPdf =
                QDir(pdfFolder_)
                    .filePath(
                        QStringLiteral("Afdruk %1.pdf")
                            .arg(QDateTime::currentDateTime().toString("yyyy-MM-dd hh.mm.ss.zzz")));
            printer_->setOutputFileName(lastPdf);
        }
        printer_->setFullPage(true);
        printer_->setPageOrientation(Orientation == 2 ? QPageLayout::Landscape
                                                      : QPageLayout::Portrait);
        painter_ = std::make_unique<QPainter>();
        ok_ = painter_->begin(printer_.get());
        // Scale so that one unit is one device pixel of this printer's resolution.
        if (ok_)
            painter_->scale(printer_->resolution() / double(dpi()),
                            printer_->resolution() / double(dpi()));
    }
    void beginPage() override {
        if (!ok_) return;
        printer_->setPageOrientation(Orientation == 2 ? QPageLayout::Landscape
                                                      : QPageLayout::Portrait);
        ok_ = printer_->newPage();
    }
    void drawText(double x, double y, const QString& text, const QFont& f, int colour) override {
        if (!ok_) return;
        painter_->setFont(f);
        painter_->setPen(toQColor(colour));
        painter_->drawText(QPointF(x, y + QFontMetricsF(f, printer_.get()).ascent()), text);
    }
    void drawImage(const QRectF& dest, const QImage& img, const QRectF& src) override {
        if (ok_) painter_->drawImage(dest, img, src);
    }
    void drawPoint(double x, double y, int colour) override {
        if (ok_) painter_->fillRect(QRectF(x, y, 1, 1), toQColor(colour));
    }
    bool finishDocument() override {
        bool ok = ok_ && painter_->end();
        painter_.reset();
        printer_.reset();
        ok_ = false;
        // The PDF writer does not report failed writes; a file cut short (a full disk)
        // lacks the end-of-file marker that closes every whole PDF.
        if (ok && pdf_) ok = endsWithPdfMarker(lastPdf);
        if (ok && pdf_ && written_) written_(lastPdf);
        return ok;
    }

private:
    static bool endsWithPdfMarker(const QString& path) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly) || f.size() < 16) return false;
        f.seek(f.size() - 16);
        return f.read(16).contains("%%EOF");
    }
    int printerDpi() const {
        QPrinter p(info_, QPrinter::HighResolution);
        return p.resolution() > 0 ? p.resolution() : 600;
    }
    QPrinterInfo info_;
    bool pdf_;
    QString pdfFolder_;
    const std::function<void(const QString&)>& written_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    bool ok_ = false;
};

} // namespace

QtPrinterService::QtPrinterService(QString pdfFolder) : pdfFolder_(std::move(pdfFolder)) {
    system_ = QPrinterInfo::availablePrinterNames();
    const QString def = QPrinterInfo::defaultPrinterName();
    current_ = def.isEmpty() ? int(system_.size()) : std::max(0, int(system_.indexOf(def)));
}

QtPrinterService::~QtPrinterService() = default;

QStringList QtPrinterService::names() const {
    return system_ + QStringList{kPdfPrinterName};
}

void QtPrinterService::setCurrent(int index) {
    if (index < 0 || index > system_.size() || index == current_) return;
    current_ = index;
    printer_.reset();
}

Printer& QtPrinterService::current() {
    if (!printer_) {
        const bool pdf = current_ >= system_.size();
        printer_ = std::make_unique<QtPrinter>(pdf ? QPrinterInfo()
                                                   : QPrinterInfo::printerInfo(system_[current_]),
                                               pdf, pdfFolder_, onPdfWritten);
    }
    return *printer_;
}

QString QtPrinterService::lastPdf() const {
    if (auto* p = dynamic_cast<QtPrinter*>(printer_.get())) return p->lastPdf;
    return QString();
}

} // namespace korv
