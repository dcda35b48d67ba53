#include "PrintJobs.h"

#include "platform/Colour.h"
#include "platform/Files.h"
#include "platform/PictureBox.h"
#include "platform/Printer.h"
#include "platform/Services.h"
#include "platform/VbMath.h"

namespace korv {

namespace {

constexpr SheetLayout kSheets[7] = {
    {3300, 2250, 9900, 6900, 3930, 3405, 12, 2040, 1425, 2190, 1560},
    {3300, 2250, 9900, 6900, 3930, 3405, 9, 2340, 1425, 2925, 1560},
    {3300, 2250, 9900, 6900, 3930, 3405, 9, 2775, 1425, 2925, 1560},
    {3300, 2250, 9630, 6900, 3960, 3510, 10, 1530, 1530, 1695, 2265},
    {3300, 2250, 9630, 6900, 3960, 3510, 10, 1530, 2100, 1695, 2265},
    {3300, 1200, 9630, 9000, 3960, 2565, 10, 1530, 2400, 1695, 3210},
    {3300, 1200, 9630, 9000, 3960, 2565, 10, 1530, 3060, 1695, 3210},
};

constexpr int kFrameColour = 90 + 256 * 90 + 65536 * 90;
constexpr int kNameColour = kFrameColour;

class Hourglass {
public:
    explicit Hourglass(BusyPointer& b) : busy_(b) { busy_.set(true); }
    ~Hourglass() { busy_.set(false); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;

private:
    BusyPointer& busy_;
};

void startPage(Printer& p, int orientation) {
    p.ScaleMode = Printer::Scale::Twips;
    p.Orientation = orientation;
}

// Loads a picture into the work picture, which takes its size; false leaves it alone.
bool loadInto(PictureBox& work, const QString& path) {
    QImage img;
    if (!loadPicture(path, img)) return false;
    work.setPicture(img);
    return true;
}

} // namespace

const SheetLayout* sheetLayout(int format) {
    return format >= 1 && format <= 7 ? &kSheets[format - 1] : nullptr;
}

QString sheetBackgroundPath(const QString& programFolder, int format) {
    return programPath(programFolder, "data\\vel-" + QString::number(format) + ".jpg");
}

QString priceLabelPath(const QString& programFolder) {
    return programPath(programFolder, "Data\\prijslabel.bmp");
}

void prepareSheet(PictureBox& work, const QString& programFolder, int format, const QString& text) {
    loadInto(work, sheetBackgroundPath(programFolder, format));
    Surface& s = work.surface();
    const double w = s.scaleWidth(), h = s.scaleHeight();
    if (w <= 0 || h <= 0) return;
    s.box(0, 0, w - s.unit(), h - s.unit(), kFrameColour);
    // Centred on the picture; a text wider than the picture is cut off at both sides.
    s.currentX = w / 2 - s.textWidth(text) / 2;
    s.currentY = 420;
    s.print(text);
}

void printPostmark(Printer& p, const QImage& postmark, BusyPointer& busy) {
    p.ScaleMode = Printer::Scale::Pixels;
    // The overlay's places are dots of a 600-dots-per-inch printer; on any other printer
    // they and each point are scaled, so that the marks land at the same place and size.
    const double k = p.dpi() / kPostmarkDpi;
    const double drawWidth = p.DrawWidth;
    p.DrawWidth = k;
    if (!postmark.isNull()) {
        const QImage img = postmark.convertToFormat(QImage::Format_RGB32);
        const QRgb transparent = img.pixel(0, 0) & 0xFFFFFF;
        Hourglass hourglass(busy);
        for (int y = 0; y < img.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
            for (int x = 0; x < img.width(); ++x) {
                const QRgb c = row[x] & 0xFFFFFF;
                if (c == transparent) continue;
                const double top = k * (kPostmarkTop + kPostmarkPitch * y);
                p.PSet(k * (kPostmarkLeft1 + kPostmarkPitch * x), top, fromQRgb(c));
                p.PSet(k * (kPostmarkLeft2 + kPostmarkPitch * x), top, fromQRgb(c));
            }
            // Keeps the windows painted; user input waits until the sheet is done.
            doEvents(false);
        }
    }
    p.DrawWidth = drawWidth;
    p.ScaleMode = Printer::Scale::Twips;
}

bool printSheet(Printer& p, const QImage& sheet, const SheetJob& job, BusyPointer& busy) {
    startPage(p, 2);
    const SheetLayout* L = sheetLayout(job.format);
    for (int copy = 1; copy <= job.copies; ++copy) {
        if (L) {
            p.PaintPicture(sheet, L->backLeft, L->backTop, L->backWidth, L->backHeight);
            double x = L->firstLeft, y = L->firstTop;
            for (int i = 0; i < L->stamps; ++i) {
                p.PaintPicture(job.design, x, y, L->stampWidth, L->stampHeight);
                x += L->stepRight;
                if (x > kSheetWrap) {
                    x = L->firstLeft;
                    y += L->stepDown;
                }
            }
        }
        if (job.cancelled) printPostmark(p, job.postmark, busy);
        if (job.copies > 1) p.NewPage();
    }
    return p.EndDoc();
}

bool printDesign(Printer& p, int copies, const QImage& tpl, double tplWidth, double tplHeight,
                 const QImage& design, double designWidth, double designHeight) {
    startPage(p, 1);
    for (int copy = 1; copy <= copies; ++copy) {
        p.PaintPicture(tpl, 300, 300, tplWidth, tplHeight);
        p.PaintPicture(design, 600, 600, designWidth + 120, designHeight + 90);
        if (copies > 1) p.NewPage();
    }
    return p.EndDoc();
}

bool printThumbnails(Printer& p, PictureBox& work, const QString& folder,
                     const QStringList& files) {
    startPage(p, 1);
    const QString fontName = p.FontName;
    const double fontSize = p.FontSize;
    const bool bold = p.FontBold, italic = p.FontItalic, underline = p.FontUnderline;
    const int colour = p.ForeColor;
    p.FontName = "Arial";
    p.FontSize = 8;
    p.FontBold = p.FontItalic = p.FontUnderline = false;
    p.ForeColor = kNameColour;

    double x = 450, y = 450;
    for (const QString& name : files) {
        // A file that is no picture would otherwise print the previous thumbnail again.
        if (!loadInto(work, folder + '/' + name)) continue;
        const QImage& img = work.Image();
        const double w = img.width() * double(kTwipsPerPixel) / 3.5;
        const double h = vbRound(img.height() * double(kTwipsPerPixel) / 3.5);
        p.PaintPicture(img, x, y, w, h);
        p.CurrentX = x;
        p.CurrentY = y + h + 30;
        p.Print(name.left(name.size() - 4));
        x += 2700;
        if (x > 9900) {
            x = 450;
            y += 2880;
        }
        if (y > 15000) {
            x = 450;
            y = 450;
            p.NewPage();
        }
    }
    const bool ok = p.EndDoc();
    p.FontName = fontName;
    p.FontSize = fontSize;
    p.FontBold = bold;
    p.FontItalic = italic;
    p.FontUnderline = underline;
    p.ForeColor = colour;
    return ok;
}

bool printLabels(Printer& p, PictureBox& work, const QString& programFolder,
                 const LabelSheet& sheet) {
    startPage(p, 1);
    loadInto(work, priceLabelPath(programFolder));
    const QImage& img = work.Image();
    double x = 210, y = 210;
    for (int i = 0; i < sheet.labels; ++i) {
        p.PaintPicture(img, x, y, sheet.width, sheet.height);
        x += sheet.stepRight;
        if (x > sheet.wrap) {
            x = 210;
            y += sheet.stepDown;
        }
    }
    return p.EndDoc();
}

} // namespace korv
