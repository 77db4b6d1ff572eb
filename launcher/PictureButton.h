#pragma once

#include <QPushButton>

// A large button with its picture above the caption, which wraps onto a second line.
class PictureButton : public QPushButton {
    Q_OBJECT
public:
    PictureButton(const QString& caption, const QPixmap& picture, QWidget* parent);
    bool hasPicture() const { return !picture_.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};
