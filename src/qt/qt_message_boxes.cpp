#include "qt/qt_message_boxes.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <vector>

#include "qt/control_link.h"

namespace orvan::qt {

namespace {

QMessageBox::Icon iconFor(ui::Icon icon) {
    switch (icon) {
        case ui::Icon::Warning:
            return QMessageBox::Warning;
        case ui::Icon::Error:
            return QMessageBox::Critical;
        case ui::Icon::Question:
            return QMessageBox::Question;
        case ui::Icon::Information:
            return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

struct ButtonDef {
    ui::Answer answer;
    const char* text;  // null: Qt's standard button
    QMessageBox::StandardButton standard;
    QMessageBox::ButtonRole role;
};

struct ButtonSet {
    ui::Buttons buttons;
    std::vector<ButtonDef> choices;
    ui::Answer onClose;  // the answer when the box is closed without a button
};

const std::vector<ButtonSet>& buttonSets() {
    using ui::Answer;
    static const std::vector<ButtonSet> sets = {
        {ui::Buttons::Ok, {{Answer::Ok, nullptr, QMessageBox::Ok, {}}}, Answer::Ok},
        {ui::Buttons::OkCancel,
         {{Answer::Ok, nullptr, QMessageBox::Ok, {}},
          {Answer::Cancel, nullptr, QMessageBox::Cancel, {}}},
         Answer::Cancel},
        {ui::Buttons::YesNo,
         {{Answer::Yes, nullptr, QMessageBox::Yes, {}}, {Answer::No, nullptr, QMessageBox::No, {}}},
         Answer::No},
        {ui::Buttons::CancelTryAgainContinue,
         {{Answer::Cancel, nullptr, QMessageBox::Cancel, {}},
          {Answer::TryAgain, "&Try Again", QMessageBox::NoButton, QMessageBox::AcceptRole},
          {Answer::Continue, "&Continue", QMessageBox::NoButton, QMessageBox::AcceptRole}},
         Answer::Cancel},
    };
    return sets;
}

const ButtonSet& setFor(ui::Buttons b) {
    for (const auto& set : buttonSets())
        if (set.buttons == b) return set;
    return buttonSets().front();
}

// Texts join lines with a carriage return; Qt breaks lines on line feeds.
QString displayText(const std::string& text) {
    QString t = toQt(text);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    return t;
}

}  // namespace

void fitTitle(QMessageBox& box) {
    // Room for the frame's buttons and icon on either side of the title.
    constexpr int kTitleBarExtra = 160;
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    const QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    const int needed =
        QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + kTitleBarExtra;
    grid->addItem(new QSpacerItem(needed, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

ui::Answer QtMessageBoxes::show(const std::string& text, ui::Icon icon, ui::Buttons buttons) {
    QWidget* parent = (parent_ && parent_->isVisible()) ? parent_.data() : nullptr;
    QMessageBox box(iconFor(icon), QString::fromUtf8(ui::kMonitorTitle), displayText(text),
                    QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);  // messages may quote printer texts
    const ButtonSet& set = setFor(buttons);
    std::vector<std::pair<QPushButton*, ui::Answer>> answers;
    for (const auto& def : set.choices) {
        QPushButton* b = def.text ? box.addButton(QString::fromUtf8(def.text), def.role)
                                  : box.addButton(def.standard);
        answers.emplace_back(b, def.answer);
        if (def.answer == set.onClose) box.setEscapeButton(b);
    }
    box.setDefaultButton(answers.front().first);
    fitTitle(box);
    box.exec();
    for (const auto& [button, answer] : answers)
        if (box.clickedButton() == button) return answer;
    return set.onClose;
}

}  // namespace orvan::qt
