#include "AfdrukForm.h"

#include "DesignFile.h"
#include "DialogLayout.h"
#include "PrintJobs.h"
#include "controls/VistaButton.h"
#include "editor/Main.h"
#include "platform/Colour.h"
#include "platform/Files.h"
#include "platform/ImageBox.h"
#include "platform/PictureBox.h"
#include "platform/Printer.h"
#include "platform/VbMath.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>

namespace korv {

namespace {

const int kGreen = RGB(170, 230, 190);
const int kCaptionColour = RGB(64, 64, 64);
const int kListColour = RGB(240, 210, 210);

// The frame label behind the design preview per stamp format 1 to 7 (twips); the
// preview is 135 twips smaller.
struct PreviewSize {
    int width, height;
};
constexpr PreviewSize kDesignPreviews[8] = {{0, 0},       {1800, 1290}, {2100, 1290}, {2400, 1290},
                                            {1950, 1950}, {1440, 1800}, {1440, 2100}, {1440, 2400}};
// The frame label and the preview for the jobs 1 to 4: the sample sheet and the page
// of thumbnails are shown at their own size, so these frames are narrower.
struct JobPreview {
    int labelWidth, labelHeight, width, height;
};
constexpr JobPreview kJobPreviews[5] = {{0, 0, 0, 0},
                                        {2355, 1680, 2250, 1575},
                                        {1605, 2280, 1500, 2175},
                                        {1500, 1800, 1395, 1695},
                                        {1740, 2040, 1635, 1935}};

const char* const kJobCaptions[5] = {"Printen van het ontwerp", "Print Korvamintvelletje",
                                     "Print alle ontwerpen", "Print Prijslabels Klein (90)",
                                     "Print Prijslabels Groot (63)"};

void colourList(QComboBox* c, int back, int text) {
    QPalette p = c->palette();
    for (auto role : {QPalette::Base, QPalette::Button, QPalette::Window})
        p.setColor(role, toQColor(back));
    for (auto role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        p.setColor(role, toQColor(text));
    c->setPalette(p);
    c->setAutoFillBackground(true);
}

QFrame* plainFrame(QWidget* parent) {
    auto* f = new QFrame(parent);
    f->setFrameShape(QFrame::Box);
    f->setFrameShadow(QFrame::Sunken);
    return f;
}

QImage sample(const char* name) {
    return QImage(QString(":/main/") + name);
}

} // namespace

AfdrukForm::AfdrukForm(Main& main) : QDialog(&main), M(main) {
    // Created back to front: the frames and the preview's frame label lie behind.
    Label8 = new QLabel(this);
    Label2 = new QLabel(this);
    Pic = new PictureBox(this);
    Combo2 = new QComboBox(this);
    Combo2->setEditable(false);
    Label1 = new QLabel(this);
    Frame1 = plainFrame(this);
    // Each set of options is a group of its own: one job is chosen at all times, and the
    // mint/cancelled choice inside Frame2 never takes the job away.
    auto* jobGroup = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) {
        Option1[i] = new QRadioButton(this);
        jobGroup->addButton(Option1[i], i);
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) Option1_Click(i);
        });
    }
    Frame2 = plainFrame(this);
    Label3 = new QLabel(Frame2);
    auto* mintGroup = new QButtonGroup(this);
    for (auto& o : Option2) {
        o = new QRadioButton(Frame2);
        mintGroup->addButton(o);
    }
    Combo1 = new QComboBox(this);
    Combo1->setEditable(false);
    Label5 = new QLabel(this);
    CancelKnop = new VistaButton(this);
    PrintKnop = new VistaButton(this);

    BackPic = new PictureBox(this);
    BackPic->hide();
    BackPic->setAutoSize(true);
    StempelPic = new PictureBox(this);
    StempelPic->hide();
    StempelPic->setAutoSize(true);
    TekstOpVelLabel = new QLabel(this);
    TekstOpVelLabel->hide();
    Image1 = new ImageBox(this);
    Image2 = new ImageBox(this);
    Image3 = new ImageBox(this);
    Image1->setPicture(sample("AfdrukImage1.png"));
    Image2->setPicture(sample("AfdrukImage2.png"));
    Image3->setPicture(sample("AfdrukImage3.png"));
    for (ImageBox* img : {Image1, Image2, Image3})
        img->hide();

    Form_Load();
    connect(Combo2, &QComboBox::activated, this, [this] { Combo2_Click(); });
    connect(CancelKnop, &VistaButton::Click, this, [this] { CancelKnop_Click(); });
    connect(PrintKnop, &VistaButton::Click, this, [this] { PrintKnop_Click(); });
}

void AfdrukForm::Form_Load() {
    AppState& S = M.S;
    PrinterService& printers = S.services.printerService();
    // Printers come and go between two prints: the list is read afresh each time.
    printers.refresh();
    layoutForm(this, 7500, 3900, "Afdrukken (" + printers.current().DeviceName + ")", kGreen);

    placeCaption(Label8, "Voorbeeld", 240, 150, kCaptionColour);
    setBackColour(Label2, RGB(224, 224, 224));
    Pic->setBackColor(RGB(255, 255, 255));
    // The sizes a format outside 1 to 7 leaves in place.
    sizePreview(1650, 2190, 1350, 1755);
    ZetVoorbeeld(S.OntwerpFormaat);
    showCanvas();

    placeTwips(Combo2, 2850, 390, 2730);
    colourList(Combo2, kListColour, kCaptionColour);
    {
        // By position, so that of two printers with one name the current one is chosen.
        const QSignalBlocker block(Combo2);
        Combo2->clear();
        Combo2->addItems(printers.names());
        Combo2->setCurrentIndex(printers.currentIndex());
    }

    placeCaption(Label1, "Printer Keuze", 5670, 450, kCaptionColour);
    placeTwips(Frame1, 2850, 900, 2715, 1800);
    setBackColour(Frame1, kGreen);
    for (int i = 0; i < 5; ++i) {
        placeTwips(Option1[i], 3000, 1110 + 300 * i, 2400, 285);
        setBackColour(Option1[i], kGreen);
        setForeColour(Option1[i], RGB(64, 64, 0));
        Option1[i]->setText(kJobCaptions[i]);
    }
    placeTwips(Frame2, 5670, 885, 1530, 1815);
    setBackColour(Frame2, kGreen);
    placeTwips(Label3, 180, 240, 1200, 2100);
    Label3->setText("Velletje met of zonder Stempel afdrukken.");
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setForeColour(Label3, RGB(0, 128, 0));
    {
        // Greyed while the sheet job is not chosen, as the options below it are.
        QPalette p = Label3->palette();
        p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(150, 150, 150));
        Label3->setPalette(p);
    }
    Label3->lower(); // the options lie over the label
    const char* const mint[2] = {"Gestempeld", "Postfris"};
    for (int i = 0; i < 2; ++i) {
        placeTwips(Option2[i], 180, i == 0 ? 1125 : 1425, 1200, 285);
        setBackColour(Option2[i], kGreen);
        setForeColour(Option2[i], kCaptionColour);
        Option2[i]->setText(mint[i]);
    }

    placeTwips(Combo1, 210, 2910, 630);
    colourList(Combo1, kListColour, RGB(0, 0, 0));
    Combo1->clear();
    for (int n = 1; n <= 20; ++n)
        Combo1->addItem(QString::number(n));
    Combo1->setCurrentIndex(0);
    placeCaption(Label5, "Aantal afdrukken", 930, 2970, kCaptionColour);
    CancelKnop->setCaption("Annuleren");
    CancelKnop->Move(5280, 2940, 930, 330);
    PrintKnop->setCaption("Afdrukken");
    PrintKnop->Move(6240, 2940, 960, 330);

    {
        const QSignalBlocker block(Option1[0]);
        Option1[0]->setChecked(true);
    }
    Option2[1]->setChecked(true);
    for (QWidget* w : {static_cast<QWidget*>(Option2[0]), static_cast<QWidget*>(Option2[1]),
                       static_cast<QWidget*>(Label3)})
        w->setEnabled(false);

    // A missing or unreadable postmark leaves the picture empty: a cancelled sheet then
    // simply gets no postmark.
    QImage postmark;
    StempelPic->Move(0, 0, 0, 0);
    if (loadPicture(programPath(S.services.programFolder, "Data\\Stempel.bmp"), postmark))
        StempelPic->setPicture(postmark);

    // The work picture starts blank at its own size.
    BackPic->Move(0, 0, 2235, 1455);
    Surface& back = BackPic->surface();
    back.scaleMode = ScaleMode::Twips;
    back.fontName = "Arial";
    back.fontSize = 34;
    back.fontBold = true;
    back.foreColor = RGB(160, 160, 160);
    BackPic->setBackColor(RGB(255, 255, 255));
    TekstOpVelLabel->setFont(back.font());
    TekstOpVelLabel->setText(S.TekstOpVel);
    TekstOpVelLabel->adjustSize();
}

void AfdrukForm::sizePreview(double labelWidth, double labelHeight, double width, double height) {
    placeTwips(Label2, 210, 390, labelWidth, labelHeight);
    Pic->Move(270, 450, width, height);
}

void AfdrukForm::showJobPreview(int job) {
    const JobPreview& p = kJobPreviews[job];
    sizePreview(p.labelWidth, p.labelHeight, p.width, p.height);
}

void AfdrukForm::ZetVoorbeeld(int& Format) {
    Pic->clearPicture();
    if (Format >= 1 && Format <= 7)
        sizePreview(kDesignPreviews[Format].width, kDesignPreviews[Format].height,
                    kDesignPreviews[Format].width - 135, kDesignPreviews[Format].height - 135);
}

void AfdrukForm::showCanvas() {
    const Surface& canvas = M.Pic->surface();
    Surface& p = Pic->surface();
    p.stretchCopy(0, 0, p.widthPx(), p.heightPx(), canvas, 0, 0, canvas.widthPx(),
                  canvas.heightPx());
    Pic->Refresh();
}

void AfdrukForm::Combo2_Change() {
    PrinterService& printers = M.S.services.printerService();
    const int index = Combo2->currentIndex();
    setProperty("Tag", QString::number(index));
    if (index >= 0 && index < printers.names().size()) printers.setCurrent(index);
    setWindowTitle("Afdrukken (" + printers.current().DeviceName + ")");
}

void AfdrukForm::Option1_Click(int Index) {
    Combo1->setEnabled(true);
    Option2[0]->setEnabled(false);
    Option2[1]->setEnabled(false);
    Label3->setEnabled(false);
    switch (Index) {
    case 0:
        ZetVoorbeeld(M.S.OntwerpFormaat);
        showCanvas();
        break;
    case 1:
        showJobPreview(1);
        Pic->setPicture(Image2->pixmap().toImage());
        Option2[0]->setEnabled(true);
        Option2[1]->setEnabled(true);
        Label3->setEnabled(true);
        break;
    case 2:
        showJobPreview(2);
        Pic->setPicture(Image3->pixmap().toImage());
        Combo1->setEnabled(false);
        break;
    case 3:
    case 4: {
        showJobPreview(Index);
        // The work picture keeps the sample: the label jobs fall back on it.
        BackPic->setPicture(Image1->pixmap().toImage());
        Pic->clearPicture();
        const Surface& back = BackPic->surface();
        Surface& p = Pic->surface();
        p.stretchCopy(0, 0, p.widthPx(), p.heightPx(), back, 0, 0, back.widthPx(), back.heightPx());
        Pic->Refresh();
        Combo1->setEnabled(false);
        break;
    }
    default:
        break;
    }
}

int AfdrukForm::copies() const {
    return vbCInt(Val(Combo1->currentText()));
}

void AfdrukForm::reportFailure(bool ok) {
    if (!ok)
        M.S.services.dialogs->msgBox("Het afdrukken is mislukt.", Mb::OkOnly | Mb::Critical,
                                     "Error");
}

void AfdrukForm::PrintOntwerp() {
    reportFailure(printDesign(M.S.services.printerService().current(), copies(), M.TandPic->Image(),
                              M.TandPic->Width(), M.TandPic->Height(), M.Pic->Image(),
                              M.Pic->Width(), M.Pic->Height()));
}

void AfdrukForm::PrintVelletje(int& Format) {
    AppState& S = M.S;
    SheetJob job;
    job.format = Format;
    job.copies = copies();
    job.cancelled = Option2[0]->isChecked();
    job.design = M.Pic->Image();
    job.postmark = StempelPic->Image();
    prepareSheet(*BackPic, S.services.programFolder, Format, TekstOpVelLabel->text());
    reportFailure(
        printSheet(S.services.printerService().current(), BackPic->Image(), job, S.services.busy));
}

void AfdrukForm::PrintAlleOntwerpen() {
    AppState& S = M.S;
    const QString folder = designsFolder(S.services.programFolder);
    File1 = listFiles(folder, {"*.bmp"});
    if (S.services.dialogs->msgBox("Wil je alle " + QString::number(File1.size()) +
                                       " ontwerpen als Tumbnails afdrukken?",
                                   Mb::YesNo, "Print") != Mb::Yes)
        return;
    reportFailure(printThumbnails(S.services.printerService().current(), *BackPic, folder, File1));
}

void AfdrukForm::PrintPrijslabelsKlein() {
    reportFailure(printLabels(M.S.services.printerService().current(), *BackPic,
                              M.S.services.programFolder, kSmallLabels));
}

void AfdrukForm::PrintPrijslabelsGroot() {
    reportFailure(printLabels(M.S.services.printerService().current(), *BackPic,
                              M.S.services.programFolder, kLargeLabels));
}

void AfdrukForm::PrintKnop_Click() {
    // The sheet's postmark loop lets events run; a second click must not start a
    // second document, and the program must not close under the job.
    if (printing_) return;
    printing_ = true;
    Main::YieldGuard guard(M);
    if (Option1[0]->isChecked()) PrintOntwerp();
    if (Option1[1]->isChecked()) PrintVelletje(M.S.OntwerpFormaat);
    if (Option1[2]->isChecked()) PrintAlleOntwerpen();
    if (Option1[3]->isChecked()) PrintPrijslabelsKlein();
    if (Option1[4]->isChecked()) PrintPrijslabelsGroot();
    printing_ = false;
    accept();
}

void AfdrukForm::CancelKnop_Click() {
    reject();
}

void AfdrukForm::reject() {
    if (printing_) return;
    QDialog::reject();
}

void AfdrukForm::closeEvent(QCloseEvent* e) {
    if (printing_) {
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

} // namespace korv
