#pragma once

// Sarvo's only window: six element boxes, the results box, the drawing and four buttons.

#include <QWidget>

namespace sarvo {

class Sarvo1 : public QWidget {
    Q_OBJECT

public:
    explicit Sarvo1(QWidget* parent = nullptr);
};

}  // namespace sarvo
