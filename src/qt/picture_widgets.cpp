#include "qt/picture_widgets.h"

#include <QDir>
#include <QFileInfo>
#include <QMovie>
#include <QPainter>
#include <algorithm>
#include <memory>

#include "qt/accessible_widgets.h"
#include "qt/widget_link.h"
#include "shell/data_directory.h"

namespace orvan::qt {

using ui::Property;

QString programFile(const std::string& path) {
    const QString p = toQt(path);
    if (p.isEmpty() || QFileInfo(p).isAbsolute()) return p;
    return QDir(toQt(shell::dataDirectory())).filePath(p);
}

void PictureView::setPicture(const QString& file) {
    if (file == file_) return;
    file_ = file;
    pixmap_ = file.isEmpty() ? QPixmap() : QPixmap(file);
    updateGeometry();
    update();
}

void PictureView::setDrawing(std::vector<ui::FilledRect> rects) {
    if (rects == drawing_) return;
    drawing_ = std::move(rects);
    update();
    announceValue(this);
}

QSize PictureView::sizeHint() const {
    if (!pixmap_.isNull()) return pixmap_.size() + QSize(2 * frameWidth(), 2 * frameWidth());
    return QFrame::sizeHint().expandedTo(QSize(32, 32));
}

// Gauges are drawn over the picture, 15 twips to the pixel, corners inclusive.
void PictureView::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.setClipRect(area);
    // A picture larger than its box is shown whole, scaled down, never cut.
    if (!pixmap_.isNull()) {
        const bool fits = pixmap_.width() <= area.width() && pixmap_.height() <= area.height();
        const QPixmap shown =
            fits ? pixmap_
                 : pixmap_.scaled(area.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        painter.drawPixmap(area.topLeft(), shown);
    }
    for (const auto& r : drawing_) {
        QRect rect(QPoint(r.x1 / kTwipsPerPixel, r.y1 / kTwipsPerPixel),
                   QPoint(r.x2 / kTwipsPerPixel, r.y2 / kTwipsPerPixel));
        painter.fillRect(rect.normalized().translated(area.topLeft()), toQColor(r.colour));
    }
}

AnimatedView::AnimatedView(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(true);
}

void AnimatedView::setAnimation(const QString& file) {
    if (movie_) {
        movie_->stop();
        setMovie(nullptr);
        movie_->deleteLater();
        movie_ = nullptr;
    }
    if (file.isEmpty()) return;
    movie_ = new QMovie(file, QByteArray(), this);
    setMovie(movie_);
    movie_->start();
}

ControlLink* bind(PictureView* w, ui::PictureBox& c) {
    return bindWidget(w, c, [w, &c](Property p) {
        if (p != Property::Picture) return;
        w->setPicture(programFile(c.picture()));
        w->setDrawing(c.drawing());
    });
}

ControlLink* bind(AnimatedView* w, ui::AnimatedPicture& c) {
    auto lastFile = std::make_shared<QString>();
    return bindWidget(w, c, [w, &c, lastFile](Property p) {
        if (p != Property::Picture) return;
        QPalette pal = w->palette();
        pal.setColor(QPalette::Window, toQColor(c.tint()));
        w->setPalette(pal);
        w->setContentsMargins(std::max(0, c.marginLeft()), std::max(0, c.marginTop()), 0, 0);
        // Tint and margin changes must not restart the animation.
        const QString file = programFile(c.picture());
        if (file != *lastFile) {
            *lastFile = file;
            w->setAnimation(file);
        }
    });
}

}  // namespace orvan::qt
