#pragma once
// The print dialog's jobs: the design on its stamp template, a sheet of stamps (mint or
// cancelled with the postmark), thumbnails of all designs and sheets of price labels.
// Each sets the printer's orientation and scale itself, prints one document and ends it;
// each returns false only when the printer could not produce the document.
#include <QImage>
#include <QString>
#include <QStringList>

namespace korv {

class BusyPointer;
class PictureBox;
class Printer;

// Where a sheet of stamps lies on the landscape page, in twips.
struct SheetLayout {
    double backLeft, backTop, backWidth, backHeight;
    double firstLeft, firstTop;
    int stamps;
    double stampWidth, stampHeight, stepRight, stepDown;
};
// The layout of a stamp format 1 to 7; nullptr for any other value.
const SheetLayout* sheetLayout(int format);
// A stamp whose left edge would lie beyond this goes to the start of the next row.
constexpr double kSheetWrap = 12000;

// Postmark dots, in device pixels of a printer at kPostmarkDpi dots per inch.
constexpr double kPostmarkLeft1 = 2100, kPostmarkLeft2 = 3915, kPostmarkTop = 1950;
constexpr double kPostmarkPitch = 4;
constexpr double kPostmarkDpi = 600;

// A page of price labels, in twips, from (210, 210).
struct LabelSheet {
    int labels;
    double width, height, stepRight, wrap, stepDown;
};
inline constexpr LabelSheet kSmallLabels{90, 1230, 1500, 1245, 11100, 1515};
inline constexpr LabelSheet kLargeLabels{63, 1560, 1740, 1575, 10800, 1755};

QString sheetBackgroundPath(const QString& programFolder, int format);
QString priceLabelPath(const QString& programFolder);

// Readies the work picture (twips scale, the sheet text's font and colour set) for a
// sheet: the format's background picture loaded into it (when it cannot be loaded the
// picture keeps what it held), a grey frame along its outermost pixels and the sheet
// text centred across it near the top.
void prepareSheet(PictureBox& work, const QString& programFolder, int format, const QString& text);

struct SheetJob {
    int format = 1;
    int copies = 1;
    bool cancelled = false; // print the postmark over the stamps
    QImage design;          // the canvas
    QImage postmark;        // the colour of its pixel (0, 0) is left out
};
// Prints the work picture as the sheet background with the stamp grid on it, once per
// copy, one page each. The postmark loop lets events other than user input run once a
// row; the caller keeps the program from closing meanwhile.
bool printSheet(Printer& p, const QImage& sheet, const SheetJob& job, BusyPointer& busy);
// Two copies of the postmark as dots, in device pixels; the printer is back in twips
// afterwards.
void printPostmark(Printer& p, const QImage& postmark, BusyPointer& busy);

// The template at (300, 300) at its own size, with the design over it from (600, 600),
// 120 twips wider and 90 taller than its own size; once per copy, one page each.
bool printDesign(Printer& p, int copies, const QImage& tpl, double tplWidth, double tplHeight,
                 const QImage& design, double designWidth, double designHeight);

// Every listed file of `folder` as a thumbnail at 1/3.5 of its size with its name below,
// 24 to a portrait page. A file that cannot be loaded is left out. The names are printed
// in small grey Arial; the printer's own font and colour are restored afterwards.
bool printThumbnails(Printer& p, PictureBox& work, const QString& folder, const QStringList& files);

// One page of price labels from the price-label picture, loaded into the work picture;
// when it cannot be loaded, from whatever the work picture holds.
bool printLabels(Printer& p, PictureBox& work, const QString& programFolder,
                 const LabelSheet& sheet);

} // namespace korv
