#pragma once
// A plain image control: shows a picture at its own size and reports clicks.
#include <QLabel>
#include <functional>

namespace korv {

class ImageBox : public QLabel {
    Q_OBJECT
public:
    explicit ImageBox(QWidget* parent = nullptr);
    void setPicture(const QImage& img);
    // Position in the container's units (twips on a window or frame).
    double Left() const;
    double Top() const;
    void Move(double left, double top);
    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
};

} // namespace korv
