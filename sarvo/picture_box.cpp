#include "sarvo/picture_box.h"

#include <QPainter>
#include <QPen>
#include <QTransform>

#include <cmath>
#include <utility>

namespace sarvo {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    // The system's colours of a window's text area.
    setBackgroundRole(QPalette::Base);
    setForegroundRole(QPalette::Text);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::SetDrawing(TriangleDrawing drawing) {
    drawing_ = std::move(drawing);
    update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    const ViewRect& v = drawing_.view;
    const double width = v.right - v.left;
    const double height = v.bottom - v.top;
    if (drawing_.strokes.empty() || !std::isfinite(width) || !std::isfinite(height) || width == 0 ||
        height == 0) {
        return;
    }
    const QRectF area = contentsRect();
    const double sx = area.width() / width;
    const double sy = area.height() / height;
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(
        QTransform(sx, 0, 0, sy, area.left() - v.left * sx, area.top() - v.top * sy));
    painter.setBrush(Qt::NoBrush);
    const QColor foreground = palette().color(foregroundRole());
    for (const Stroke& s : drawing_.strokes) {
        // Cosmetic: the pen keeps its width in pixels under the stretched scale.
        QPen pen(s.colour ? QColor(s.colour->red, s.colour->green, s.colour->blue) : foreground);
        pen.setCosmetic(true);
        pen.setWidth(s.penWidth);
        pen.setStyle(s.style == PenStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
        painter.setPen(pen);
        if (s.shape == Stroke::Shape::Line) {
            painter.drawLine(QPointF(s.from.x, s.from.y), QPointF(s.to.x, s.to.y));
        } else {
            painter.drawEllipse(QPointF(s.from.x, s.from.y), s.radius, s.radius);
        }
    }
}

}  // namespace sarvo
