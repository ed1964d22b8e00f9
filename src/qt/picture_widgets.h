#pragma once
// Picture boxes (a picture file with drawn gauge rectangles) and animated
// pictures (a GIF playing on a tinted background).
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <string>
#include <vector>

#include "qt/control_link.h"
#include "ui/controls.h"

class QMovie;

namespace orvan::qt {

// Pictures named without a folder are in the program's data folder (beside
// the program in a build tree).
QString programFile(const std::string& path);

class PictureView : public QFrame {
  public:
    explicit PictureView(QWidget* parent = nullptr) : QFrame(parent) {}
    // An unreadable or missing file shows no picture. The same file is not
    // read again.
    void setPicture(const QString& file);
    bool hasPicture() const { return !pixmap_.isNull(); }
    // Rectangles in twips from the top left corner.
    void setDrawing(std::vector<ui::FilledRect> rects);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString file_;
    QPixmap pixmap_;
    std::vector<ui::FilledRect> drawing_;
};

class AnimatedView : public QLabel {
  public:
    explicit AnimatedView(QWidget* parent = nullptr);
    void setAnimation(const QString& file);
    QMovie* movie() const { return movie_; }

  private:
    QMovie* movie_ = nullptr;
};

ControlLink* bind(PictureView* w, ui::PictureBox& c);
ControlLink* bind(AnimatedView* w, ui::AnimatedPicture& c);

}  // namespace orvan::qt
