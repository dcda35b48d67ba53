#include "DatabaseForm.h"

#include "ListView.h"
#include "controls/VistaButton.h"
#include "editor/Algemeen.h"
#include "editor/Main.h"
#include "platform/Files.h"
#include "platform/PictureBox.h"
#include "platform/VbMath.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace korv {

CollectionRecord DatabaseForm::editorRecord() const {
    return {Combo1->currentText(), Text1->text(),         Combo2->currentText(), Text2->text(),
            Combo3->currentText(), Combo4->currentText(), Text3->text(),         Text4->text(),
            Text5->toPlainText(),  Combo5->currentText(), Text6->text(),         Text7->text()};
}

void DatabaseForm::showRecordInEditor(const CollectionRecord& r) {
    Combo1->setEditText(r[0]);
    Text1->setText(r[1]);
    Combo2->setEditText(r[2]);
    Text2->setText(r[3]);
    Combo3->setEditText(r[4]);
    Combo4->setEditText(r[5]);
    Text3->setText(r[6]);
    Text4->setText(r[7]);
    Text5->setPlainText(r[8]);
    Combo5->setEditText(r[9]);
    Text6->setText(r[10]);
    Text7->setText(r[11]);
}

namespace {

// The catalogue number is required; blank free-text fields are stored as "-".
bool checkAndMark(DatabaseForm& f) {
    if (trimSpaces(f.Text1->text()).isEmpty()) {
        f.S.services.dialogs->msgBox("Catalogus nummer invullen a.u.b.", Mb::OkOnly);
        f.Text1->setFocus();
        return false;
    }
    for (QLineEdit* t : {f.Text2, f.Text3, f.Text4})
        if (trimSpaces(t->text()).isEmpty()) t->setText("-");
    // The info box's line breaks become spaces when stored, so they count as spaces.
    if (trimSpaces(fieldForFile(f.Text5->toPlainText())).isEmpty()) f.Text5->setPlainText("-");
    for (QLineEdit* t : {f.Text6, f.Text7})
        if (trimSpaces(t->text()).isEmpty()) t->setText("-");
    return true;
}

// A field holds one line: the info box's line breaks become spaces when stored. The
// year is trimmed now, as the file will store it, so that the record finds its photo
// under the same folder before and after a save.
CollectionRecord storable(CollectionRecord r) {
    for (QString& f : r)
        f = fieldForFile(f);
    r[0] = trimSpaces(r[0]);
    return r;
}

} // namespace

void DatabaseForm::AddKnop_Click() {
    if (!AddKnop->Enabled()) return;
    if (!checkAndMark(*this)) return;
    ListView1->addRecord(storable(editorRecord()));
    VerzamelingGewijzigd = true;
    for (QLineEdit* t : {Text1, Text2, Text3, Text4, Text6, Text7})
        t->clear();
    Text5->clear();
    showCount("Aantal Records : ");
}

void DatabaseForm::WijzigKnop_Click() {
    if (!WijzigKnop->Enabled()) return;
    if (!checkAndMark(*this)) return;
    QTreeWidgetItem* item = ListView1->selectedItem();
    if (!item) return;
    ListView1->setRecord(item, storable(editorRecord()));
    VerzamelingGewijzigd = true;
}

void DatabaseForm::DelKnop_Click() {
    if (!DelKnop->Enabled()) return;
    if (ListView1->count() == 0) return;
    QTreeWidgetItem* item = ListView1->selectedItem();
    if (!item) return;
    const QString subject = item->text(3);
    if (S.services.dialogs->msgBox("Wilt u (" + subject + ") verwijderen uit de lijst?", Mb::YesNo,
                                   " Delete") != Mb::Yes)
        return;
    {
        // The editor keeps the deleted record's values: no neighbour is clicked.
        const QSignalBlocker block(ListView1);
        delete ListView1->takeTopLevelItem(ListView1->indexOfTopLevelItem(item));
        VerzamelingGewijzigd = true;
        ListView1->clearSelection();
        ListView1->setCurrentItem(nullptr);
    }
    ListView1->viewport()->update();
    showCount("Aantal Records : ");
}

void DatabaseForm::ListView1_ItemClick() {
    QTreeWidgetItem* item = ListView1->selectedItem();
    if (!item) return;
    const CollectionRecord r = ListView::recordOf(item);
    showRecordInEditor(r);
    showCount("Aantal Gegevens : ");

    const QString photo = recordPhotoPath(S.services.programFolder, Naam, r[0], r[1]);
    QImage img;
    if (FileExistsAt(photo) && loadPicture(photo, img)) {
        BackPic->setPicture(img);
        Image1->clearPicture();
        // The photo's top-left viewport-sized area, at the thumbnail's fixed scale.
        Image1->surface().stretchCopy(0, 0, Image1->surface().widthPx(),
                                      Image1->surface().heightPx(), BackPic->surface(), 0, 0,
                                      BackPic->surface().widthPx(), BackPic->surface().heightPx());
        Image1->Refresh();
        SlidePic->setPicture(img);
        SlidePic->Move(0, 0);
        computePanLimits();
        ShowKnop->setEnabled(true);
        photoShown_ = true;
    } else {
        // A missing or unreadable photo: the placeholder, and no viewer.
        ShowKnop->setEnabled(false);
        Image1->setPicture(Image2);
        photoShown_ = false;
    }
}

void DatabaseForm::computePanLimits() {
    // How far the photo may move left and up; a photo smaller than the viewport stays
    // at its corner.
    S.SlideMaxX = std::max(0, vbCInt(SlidePic->Width() - PicCont->Width()));
    S.SlideMaxY = std::max(0, vbCInt(SlidePic->Height() - PicCont->Height()));
    const QSignalBlocker bh(HScroll), bv(VScroll);
    HScroll->setMaximum(S.SlideMaxX);
    VScroll->setMaximum(S.SlideMaxY);
    HScroll->setValue(0);
    VScroll->setValue(0);
    S.PanLeft = 0;
    S.PanTop = 0;
}

void DatabaseForm::SlidePic_MouseDown(int, int, double X, double Y) {
    S.PanStartX = X;
    S.PanStartY = vbCInt(Y);
}

void DatabaseForm::SlidePic_MouseMove(int Button, int, double X, double Y) {
    if (Button != Mouse::Left) return;
    double left = SlidePic->Left() + (X - S.PanStartX);
    int top = vbCInt(Y - S.PanStartY + SlidePic->Top());
    if (left >= 0) left = 0;
    if (left <= -S.SlideMaxX) left = -S.SlideMaxX;
    if (top >= 0) top = 0;
    if (top <= -S.SlideMaxY) top = -S.SlideMaxY;
    S.PanLeft = left;
    S.PanTop = top;
    SlidePic->Move(left, top);
    const QSignalBlocker bh(HScroll), bv(VScroll);
    HScroll->setValue(vbCInt(std::fabs(left)));
    VScroll->setValue(std::abs(top));
}

void DatabaseForm::HScroll_Change() {
    SlidePic->setLeft(-HScroll->value());
    S.PanLeft = SlidePic->Left();
}

void DatabaseForm::VScroll_Change() {
    SlidePic->setTop(-VScroll->value());
    S.PanTop = vbCInt(SlidePic->Top());
}

} // namespace korv
