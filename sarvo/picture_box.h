#pragma once

// Sarvo's picture box: shows a TriangleDrawing, stretched to the box, on every repaint.

#include "sarvo/triangle_drawing.h"

#include <QFrame>

namespace sarvo {

class PictureBox : public QFrame {
    Q_OBJECT

  public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Replaces the drawing (the box starts empty) and repaints.
    void SetDrawing(TriangleDrawing drawing);
    const TriangleDrawing& Drawing() const { return drawing_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    TriangleDrawing drawing_;
};

}  // namespace sarvo
