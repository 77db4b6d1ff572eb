#pragma once

#include <QPushButton>

namespace platform {

// A command button as the layouts draw it: a picture sits centred above the caption (scaled
// down when the button is too small for it), and a caption too long for one line wraps.
class Button : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QRect textArea READ textArea)
public:
    explicit Button(const QString& caption, QWidget* parent = nullptr);

    // Where the caption is laid out, wrapped to its width.
    QRect textArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Layout {
        QRect picture;
        QRect text;
    };
    Layout layout() const;
    QRect inner() const;
};

} // namespace platform
