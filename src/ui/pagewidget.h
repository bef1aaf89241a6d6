#pragma once
// The main window's month page: a sunken frame whose inside shows a
// backing image.  The month page is drawn into the image; painting only
// copies it, so the drawing survives being covered and uncovered.  A
// change of size is announced so the page can be laid out anew.
#include <QFrame>
#include <QImage>

namespace ui {

class PageWidget final : public QFrame {
    Q_OBJECT
public:
    explicit PageWidget(QWidget* parent = nullptr);

    // The backing image, brought to the current inner size of the widget
    // first (growing keeps the drawing so far in the top-left corner on a
    // white background).
    QImage& image();
    const QImage& backing() const { return image_; }

signals:
    // The inner size changed (the image already has the new size).
    void resized();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void fitImage();
    QImage image_;
};

}  // namespace ui
