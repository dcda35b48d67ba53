#include "ImageBox.h"

#include "PictureBox.h"

#include <QMouseEvent>
#include <QPixmap>

namespace korv {

ImageBox::ImageBox(QWidget* parent) : QLabel(parent) {}

void ImageBox::setPicture(const QImage& img) {
    setPixmap(QPixmap::fromImage(img));
    resize(img.size());
}

double ImageBox::Left() const {
    return leftInContainer(this);
}
double ImageBox::Top() const {
    return topInContainer(this);
}

void ImageBox::Move(double left, double top) {
    placeInContainer(this, left, top, widthInContainer(this), heightInContainer(this));
}

void ImageBox::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && onClick)
        onClick();
}

} // namespace korv
