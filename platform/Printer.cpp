#include "Printer.h"

#include "Colour.h"
#include "PrintSystem.h"
#include "VbMath.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

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
    drawPoint(x / u, y / u, DrawWidth, colour);
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
    // `name` is the printer as listed: a printer removed since has no information left,
    // and must still be named when its printout fails.
    QtPrinter(const QString& name, bool pdf, QString pdfFolder,
              const std::function<void(const QString&)>& written)
        : info_(pdf ? QPrinterInfo() : QPrinterInfo::printerInfo(name)), pdf_(pdf),
          pdfFolder_(std::move(pdfFolder)), written_(written) {
        DeviceName = pdf ? kPdfPrinterName : name;
    }
    int dpi() const override {
        if (pdf_) return 600;
        if (dpi_ == 0) {
            QPrinter p(info_, QPrinter::HighResolution);
            dpi_ = p.resolution() > 0 ? p.resolution() : 600;
        }
        return dpi_;
    }
    QString lastPdf;

protected:
    QSizeF pagePixels() const override {
        if (pdf_) {
            const QPageLayout layout(QPageSize(QPageSize::A4), orientation(), QMarginsF());
            const QRect r = layout.fullRectPixels(dpi());
            return QSizeF(r.width(), r.height());
        }
        QSizeF& size = Orientation == 2 ? landscapeArea_ : portraitArea_;
        if (size.isEmpty()) {
            QPrinter p(info_, QPrinter::HighResolution);
            usePrintableArea(p);
            const QRect r = p.pageLayout().paintRectPixels(dpi());
            size = QSizeF(r.width(), r.height());
        }
        return size;
    }
    void beginDocument() override {
        ok_ = false;
        why_.clear();
        if (pdf_) {
            if (!openPdf()) return;
        } else {
            // A printer removed or set to refuse jobs since the list was read would
            // otherwise swallow the document without a word.
            if (!printerAcceptsJobs(DeviceName, &why_)) return;
            jobsBefore_ = lastJobId(DeviceName);
            printer_ = std::make_unique<QPrinter>(info_, QPrinter::HighResolution);
        }
        printer_->setDocName(kPrintJobName);
        printer_->setCreator(kPrintJobName);
        usePrintableArea(*printer_);
        painter_ = std::make_unique<QPainter>();
        ok_ = painter_->begin(printer_.get());
        // Scale so that one unit is one device pixel of this printer's resolution.
        if (ok_)
            painter_->scale(printer_->resolution() / double(dpi()),
                            printer_->resolution() / double(dpi()));
    }
    void beginPage() override {
        if (!ok_) return;
        usePrintableArea(*printer_);
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
    void drawPoint(double x, double y, double size, int colour) override {
        if (ok_) painter_->fillRect(QRectF(x, y, size, size), toQColor(colour));
    }
    bool finishDocument() override {
        bool ok = ok_ && painter_->end();
        painter_.reset();
        printer_.reset();
        ok_ = false;
        if (pdf_) return finishPdf(ok);
        // Qt hands the job to the print system without looking at the answer.
        if (ok) ok = jobWasTakenOn(DeviceName, jobsBefore_, &why_);
        if (!ok && !why_.isEmpty())
            qWarning("Printing on %s failed: %s", qUtf8Printable(DeviceName), qUtf8Printable(why_));
        return ok;
    }

private:
    QPageLayout::Orientation orientation() const {
        return Orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait;
    }
    // Positions count from the printable area's corner on a system printer; the PDF
    // printer has no unprintable margin and uses the whole page.
    void usePrintableArea(QPrinter& p) const {
        p.setPageOrientation(orientation());
        if (pdf_) {
            p.setFullPage(true);
            return;
        }
        p.setFullPage(false);
        const QPageLayout layout = p.pageLayout();
        p.setPageMargins(layout.minimumMargins(), layout.units());
    }
    // The PDF is written under a temporary name beside its final one, so that only a
    // whole PDF carries the name of a printout.
    bool openPdf() {
        QDir().mkpath(pdfFolder_);
        lastPdf =
            QDir(pdfFolder_)
                .filePath(
                    QStringLiteral("Afdruk %1.pdf")
                        .arg(QDateTime::currentDateTime().toString("yyyy-MM-dd hh.mm.ss.zzz")));
        QTemporaryFile part(QDir(pdfFolder_).filePath(QStringLiteral(".Afdruk-XXXXXX.pdf")));
        part.setAutoRemove(false);
        if (!part.open()) return false;
        partPdf_ = part.fileName();
        part.close();
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setResolution(600);
        printer_->setOutputFileName(partPdf_);
        return true;
    }
    bool finishPdf(bool ok) {
        // The PDF writer does not report failed writes; a file cut short (a full disk)
        // lacks the end-of-file marker that closes every whole PDF.
        ok = ok && endsWithPdfMarker(partPdf_) && !QFile::exists(lastPdf) &&
             QFile::rename(partPdf_, lastPdf);
        if (!ok) {
            if (!partPdf_.isEmpty()) QFile::remove(partPdf_);
        } else if (written_) {
            written_(lastPdf);
        }
        partPdf_.clear();
        return ok;
    }
    static bool endsWithPdfMarker(const QString& path) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly) || f.size() < 16) return false;
        f.seek(f.size() - 16);
        return f.read(16).contains("%%EOF");
    }
    QPrinterInfo info_;
    bool pdf_;
    QString pdfFolder_;
    const std::function<void(const QString&)>& written_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    bool ok_ = false;
    QString partPdf_;
    QString why_;
    int jobsBefore_ = 0;
    mutable int dpi_ = 0;
    mutable QSizeF portraitArea_, landscapeArea_;
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

void QtPrinterService::refresh() {
    const QString chosen = names().at(current_);
    const bool pdf = current_ >= system_.size();
    system_ = QPrinterInfo::availablePrinterNames();
    int index = pdf ? int(system_.size()) : int(system_.indexOf(chosen));
    if (index < 0) {
        // The chosen printer is gone: the system's default, or the PDF printer.
        const QString def = QPrinterInfo::defaultPrinterName();
        index = def.isEmpty() ? int(system_.size()) : std::max(0, int(system_.indexOf(def)));
    }
    current_ = index;
    // A new printer object picks up what the printer says of itself now.
    printer_.reset();
}

Printer& QtPrinterService::current() {
    if (!printer_) {
        const bool pdf = current_ >= system_.size();
        printer_ = std::make_unique<QtPrinter>(pdf ? kPdfPrinterName : system_[current_], pdf,
                                               pdfFolder_, onPdfWritten);
    }
    return *printer_;
}

QString QtPrinterService::lastPdf() const {
    if (auto* p = dynamic_cast<QtPrinter*>(printer_.get())) return p->lastPdf;
    return QString();
}

} // namespace korv
