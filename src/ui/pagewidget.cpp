// The month page widget: a sunken frame painting its backing image.
#include "ui/pagewidget.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

namespace ui {

PageWidget::PageWidget(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    image_ = QImage(1, 1, QImage::Format_RGB32);
    image_.fill(Qt::white);
}

QImage& PageWidget::image() {
    fitImage();
    return image_;
}

void PageWidget::fitImage() {
    QSize want = contentsRect().size().expandedTo(QSize(1, 1));
    if (image_.size() == want) return;
    QImage grown(want, QImage::Format_RGB32);
    grown.fill(Qt::white);
    {
        QPainter p(&grown);
        p.drawImage(0, 0, image_);
    }
    image_ = std::move(grown);
}

void PageWidget::resizeEvent(QResizeEvent* e) {
    QFrame::resizeEvent(e);
    fitImage();
    emit resized();
}

void PageWidget::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    QRect inner = contentsRect();
    p.fillRect(inner, Qt::white);
    p.drawImage(inner.topLeft(), image_);
    p.end();
    QFrame::paintEvent(e);
}

}  // namespace ui
