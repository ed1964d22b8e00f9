#include "qt/status_tab_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "qt/control_widgets.h"
#include "qt/picture_widgets.h"
#include "qt/widget_link.h"

namespace orvan::qt {
namespace {

QSize pixels(int widthTwips, int heightTwips) {
    return {widthTwips / kTwipsPerPixel, heightTwips / kTwipsPerPixel};
}

// The status lines wrap and keep their line breaks; the view moves and
// resizes them itself, so they sit in a frame without a layout.
QLabel* statusLine(ui::Label& line, QWidget* frame) {
    QLabel* w = make(line, frame);
    w->setWordWrap(true);
    w->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    new ControlLink(w, line, [w, &line](ui::Property p) {
        if (p == ui::Property::Caption) w->setText(statusLineText(line.caption()));
    });
    w->setText(statusLineText(line.caption()));
    return w;
}

QGroupBox* printerStatusFrame(status::StatusTab& tab, QWidget* parent) {
    QGroupBox* frame = make(tab.printerStatusFrame, parent);
    frame->setMinimumSize(pixels(tab.printerStatusFrame.width(), tab.printerStatusFrame.height()));
    statusLine(tab.Label0_1, frame);
    statusLine(tab.Label0_6, frame);
    for (int i : {4, 5}) nameAfter(make(tab.Pic0[i], frame), i == 4 ? tab.Label0_1 : tab.Label0_6);
    nameAfter(make(tab.WebBrowser1, frame), tab.printerStatusFrame);
    return frame;
}

// One gauge row: caption, box with its scale below, value and unit.
void gaugeRow(QGridLayout* grid, int row, ui::Label& caption, ui::PictureBox& box, ui::Label& scale,
              ui::Label& value, ui::Label& unit, QWidget* parent) {
    grid->addWidget(make(caption, parent), row, 0);
    PictureView* gauge = make(box, parent);
    gauge->setFixedSize(pixels(box.width(), box.height()));
    nameAfter(gauge, caption);
    grid->addWidget(gauge, row, 1);
    grid->addWidget(make(value, parent), row, 2, Qt::AlignRight);
    grid->addWidget(make(unit, parent), row, 3);
    grid->addWidget(make(scale, parent), row + 1, 1);
}

QGroupBox* mediaStatusFrame(status::StatusTab& tab, QWidget* parent) {
    QGroupBox* frame = make(tab.mediaStatusFrame, parent);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(make(tab.cardQuantityCaption, frame), 0, 0);
    grid->addWidget(make(tab.Label0_2, frame), 0, 1);
    gaugeRow(grid, 1, tab.inkQuantityCaption, tab.Pic0[1], tab.inkScale, tab.Label0_3[0],
             tab.inkPercent, frame);
    gaugeRow(grid, 3, tab.filmQuantityCaption, tab.Pic0[2], tab.filmScale, tab.Label0_4[0],
             tab.filmPercent, frame);
    grid->setColumnStretch(4, 1);
    return frame;
}

QGroupBox* inkFrame(status::StatusTab& tab, QWidget* parent) {
    QGroupBox* frame = make(tab.inkFrame, parent);
    auto* layout = new QVBoxLayout(frame);
    PictureView* ink = make(tab.Pic0[3], frame);
    nameAfter(ink, tab.inkFrame);
    layout->addWidget(ink, 0, Qt::AlignHCenter);
    auto* sets = new QHBoxLayout;
    sets->addWidget(make(tab.Label0_5[0], frame));
    sets->addWidget(make(tab.Label0_5[1], frame));
    sets->addStretch(1);
    layout->addLayout(sets);
    return frame;
}

// A frame whose widgets stand in one row.
QGroupBox* rowFrame(ui::Frame& model, QWidget* parent) {
    QGroupBox* frame = make(model, parent);
    new QHBoxLayout(frame);
    return frame;
}

template <typename C>
QWidget* addTo(QGroupBox* frame, C& control, int stretch = 0) {
    auto* w = make(control, frame);
    static_cast<QBoxLayout*>(frame->layout())->addWidget(w, stretch);
    return w;
}

QGroupBox* printerSelectionFrame(status::StatusTab& tab, QWidget* parent) {
    QGroupBox* frame = rowFrame(tab.printerSelectionFrame, parent);
    addTo(frame, tab.printerNameCaption);
    nameAfter(addTo(frame, tab.Combo0, 1), tab.printerNameCaption);
    addTo(frame, tab.Cmd0_2);
    return frame;
}

QGroupBox* documentFrame(status::StatusTab& tab, QWidget* parent) {
    QGroupBox* frame = make(tab.documentFrame, parent);
    auto* grid = new QGridLayout(frame);
    ui::Label* captions[] = {&tab.ownerNameCaption, &tab.documentNameCaption};
    for (int i = 0; i < 2; ++i) {
        grid->addWidget(make(*captions[i], frame), i, 0);
        ModelComboBox* list = make(tab.Combo2[i], frame);
        nameAfter(list, *captions[i]);
        grid->addWidget(list, i, 1);
    }
    grid->setColumnStretch(1, 1);
    return frame;
}

}  // namespace

QString statusLineText(const std::string& caption) {
    QString text = toQt(caption);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

QWidget* buildStatusTabPage(status::StatusTab& tab, QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName("StatusTabPage");
    auto* grid = new QGridLayout(page);

    grid->addWidget(printerStatusFrame(tab, page), 0, 0, 2, 1);
    grid->addWidget(mediaStatusFrame(tab, page), 0, 1, 1, 2);
    grid->addWidget(inkFrame(tab, page), 1, 1, 2, 1);

    auto* right = new QVBoxLayout;
    QGroupBox* film = rowFrame(tab.filmFrame, page);
    addTo(film, tab.Label0_7);
    right->addWidget(film);
    QGroupBox* counter = rowFrame(tab.printCounterFrame, page);
    addTo(counter, tab.Label0_8, 1);
    addTo(counter, tab.Cmd0_1);
    right->addWidget(counter);
    right->addStretch(1);
    grid->addLayout(right, 1, 2, 2, 1);

    auto* bottom = new QVBoxLayout;
    bottom->addWidget(printerSelectionFrame(tab, page));
    bottom->addWidget(documentFrame(tab, page));
    grid->addLayout(bottom, 2, 0);
    grid->setRowStretch(3, 1);

    // The spare picture box is never shown; it exists so the model's reset
    // has a widget to hide.
    make(tab.Pic0[0], page)->hide();
    return page;
}

}  // namespace orvan::qt
