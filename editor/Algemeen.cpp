#include "Algemeen.h"

#include "Main.h"
#include "controls/VistaButton.h"
#include "platform/Colour.h"
#include "platform/Files.h"

namespace korv {

void ShellOpen(AppState& s, const QString& target) {
    s.services.shell->open(target);
}

void Pause(AppState& s, double seconds) {
    if (seconds <= 0) return;
    korv::Pause(s.services, seconds);
}

bool mayDiscardChanges(AppState& s, bool& changed, const QString& question) {
    if (!changed) return true;
    if (s.services.dialogs->msgBox(question, Mb::YesNo) != Mb::Yes) return false;
    changed = false;
    return true;
}

bool FileExistsAt(const QString& path) {
    return FileExists(path);
}
bool FolderExistsAt(const QString& path) {
    return FolderExists(path);
}

void ApplyBackColor(Main& m) {
    const int c = RGB(m.S.HoofdKleurR, m.S.HoofdKleurG, m.S.HoofdKleurB);
    for (QWidget* w : std::initializer_list<QWidget*>{
             m.centralWidget(), m.Frame1, m.BoldCheck, m.ItalicCheck, m.UnderlineCheck, m.OpenCheck,
             m.Frame2, m.Frame3, m.KruisCheck, m.LineaalCheck, m.Check2, m.Frame4, m.Frame5,
             m.Frame6, m.Check1})
        setBackColour(w, c);
    setBackColour(&m, c);
}

void CopyToClipboard(Main& m, PictureBox& pic) {
    if (m.S.services.clipboard->setImage(pic.Image().copy())) {
        m.S.services.dialogs->msgBox("Ontwerp is gecopyeerd naar het Clipboard voor\r\n"
                                     "verdere bewerking in een ander programma.",
                                     Mb::OkOnly);
    } else {
        m.S.services.dialogs->msgBox("Het ontwerp kon niet naar het Clipboard worden gecopyeerd.",
                                     Mb::OkOnly | Mb::Critical, "Error");
    }
}

QString specialCharactersText() {
    const QStringList lines = {
        "Bijzondere combinaties",
        "-------------------------",
        QString::fromUtf8("á  = Ctrl-Alt - a / 160"),
        QString::fromUtf8("é  = Ctrl-Alt - e / 130"),
        QString::fromUtf8("ó  = Ctrl-Alt - o / 162"),
        QString::fromUtf8("ä  = Ctrl-Alt - q / 132"),
        QString::fromUtf8("ü  = Ctrl-Alt - y / 129"),
        QString::fromUtf8("ö  = Ctrl-Alt - p / 148"),
        QString::fromUtf8("ú  = Ctrl-Alt - u / 163"),
        QString::fromUtf8("µ  = Ctrl-Alt - m / 230"),
        "",
        QString::fromUtf8("© = Ctrl-Alt - c"),
        QString::fromUtf8(" ²  = Ctrl-Alt - 2"),
        QString::fromUtf8(" ³  = Ctrl-Alt - 3"),
        QString::fromUtf8("€   = Ctrl-Alt - 5"),
        QString::fromUtf8("¼ = Ctrl-Alt - 6 / 172"),
        QString::fromUtf8("½ = Ctrl-Alt - 7 / 171"),
        QString::fromUtf8("¾ = Ctrl-Alt - 8"),
    };
    return lines.join("\r\n");
}

void ShowSpecialCharacters(AppState& s) {
    s.services.dialogs->msgBox(specialCharactersText(), Mb::OkOnly);
}

StyledText measureStyledText(const QString& fontName, double size, bool bold, bool italic,
                             bool underline, const QString& text) {
    Surface measure(1, 1);
    measure.fontName = fontName;
    measure.fontSize = size;
    measure.fontBold = bold;
    measure.fontItalic = italic;
    measure.fontUnderline = underline;
    return {measure.font(), static_cast<int>(measure.textWidth(text)),
            static_cast<int>(measure.textHeight(text))};
}

FormatSize formatSize(int format) {
    static const FormatSize sizes[8] = {{0, 0},     {415, 310}, {475, 310}, {580, 310},
                                        {415, 415}, {310, 415}, {310, 475}, {310, 580}};
    return format >= 1 && format <= 7 ? sizes[format] : FormatSize{0, 0};
}

namespace {
struct FormatLayout {
    int picW, picH, tandW, tandH, label1W, label1H, frame2W, frame2H;
    int frame3Top, frame3Left, frame3W, frame3H;
    int frame4Left, frame4W, frame4H;
    int knopLabelW;
};
const FormatLayout kLayouts[8] = {
    {},
    {6225, 4650, 6900, 5325, 7020, 5445, 7320, 5865, 5925, 4800, 12660, 4020, 12240, 5220, 5865,
     2280},
    {7125, 4650, 7800, 5325, 7920, 5445, 8220, 5865, 5925, 4800, 12660, 4020, 13140, 4320, 5865,
     1260},
    {8700, 4650, 9375, 5325, 9495, 5445, 9795, 5865, 5925, 4800, 12660, 4020, 14715, 2745, 5865,
     2280},
    {6225, 6225, 6900, 6900, 7020, 7020, 7320, 7440, 7500, 4800, 12660, 2445, 12240, 5220, 7440,
     2280},
    {4650, 6225, 5325, 6900, 5460, 7020, 5760, 7440, 7500, 4800, 12660, 2445, 10680, 6780, 7440,
     2280},
    {4650, 7125, 5325, 7800, 5460, 7920, 5760, 8340, 8400, 4800, 12660, 1545, 10680, 6780, 8340,
     2280},
    {4650, 8700, 5325, 9375, 5460, 9495, 5760, 9915, 7500, 10680, 6780, 2445, 10680, 6780, 7440,
     2280},
};

void resizeTwips(QWidget* w, double width, double height) {
    placeInContainer(w, leftInContainer(w), topInContainer(w), width, height);
}
} // namespace

void SetDesignFormat(Main& m, int format) {
    m.Label9->setText("Ontwerp Buttons");
    m.Label10->setText("Ontwerp Buttons");
    m.Label9->adjustSize();
    m.Label10->adjustSize();
    m.Pic->clearPicture();
    m.UndoPic->clearPicture();
    if (format >= 1 && format <= 7) {
        const FormatLayout& L = kLayouts[format];
        resizeTwips(m.Frame2, L.frame2W, L.frame2H);
        resizeTwips(m.Label1, L.label1W, L.label1H);
        m.TandPic->Move(m.TandPic->Left(), m.TandPic->Top(), L.tandW, L.tandH);
        m.Pic->Move(345, 345, L.picW, L.picH);
        m.UndoPic->Move(345, 345, L.picW, L.picH);
        m.Pic->Cls();
        m.UndoPic->Cls();
        placeInContainer(m.Frame3, L.frame3Left, L.frame3Top, L.frame3W, L.frame3H);
        placeInContainer(m.Frame4, L.frame4Left, 30, L.frame4W, L.frame4H);
        if (format == 2) {
            m.Label9->setText("Buttons");
            m.Label10->setText("Buttons");
            m.Label9->adjustSize();
            m.Label10->adjustSize();
        }
        resizeTwips(m.KnopLabel, L.knopLabelW, heightInContainer(m.KnopLabel));
        m.Maat->setTitle(Main::formatCaption(format));
    }
    QImage tpl;
    const QString path =
        programPath(m.S.services.programFolder, QString("Data/Template-%1.jpg").arg(format));
    if (!loadPicture(path, tpl)) {
        m.S.services.dialogs->msgBox("Kan Template niet laden....", Mb::OkOnly | Mb::Critical,
                                     "Error");
        return;
    }
    m.TandPic->setPicture(tpl);
    if (m.LineaalCheck->isChecked()) DrawRulers(m);
    m.setXYlabelText(QString("%1 x %2").arg(m.Pic->Width() / 15).arg(m.Pic->Height() / 15));
    m.LogoImg->Move(widthInContainer(m.Frame3) - 4140, heightInContainer(m.Frame3) - 870);
    m.ExitKnop->Move(widthInContainer(m.Frame3) - 1320, heightInContainer(m.Frame3) - 870);
}

void DrawRulers(Main& m) {
    const int tick = RGB(150, 170, 150);
    PictureBox* top = m.TopMaat;
    top->Move(345, 210, m.Pic->Width() + 60, 120);
    top->setBackColor(RGB(255, 255, 255));
    for (int x = 1; x <= 6225; x += 10)
        top->surface().line(x, 2, x, 8, tick);
    top->surface().line(m.Pic->ScaleWidth() / 2 + 1, 0, m.Pic->ScaleWidth() / 2 + 1, 8, 0);
    PictureBox* left = m.LeftMaat;
    left->Move(210, 345, 120, m.Pic->Height() + 60);
    left->setBackColor(RGB(255, 255, 255));
    for (int y = 1; y <= 4650; y += 10)
        left->surface().line(2, y, 8, y, tick);
    left->surface().line(0, m.Pic->ScaleHeight() / 2 + 1, 8, m.Pic->ScaleHeight() / 2 + 1, 0);
    top->Refresh();
    left->Refresh();
}

} // namespace korv
