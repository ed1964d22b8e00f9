#include "qt/control_widgets.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTabWidget>
#include <QVariant>
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "qt/cell_grid.h"
#include "qt/widget_link.h"

namespace orvan::qt {

using ui::Property;

namespace {

// A combo changes only on purpose: the wheel rolling over a combo that does
// not have the focus (on its way down the window) changes nothing, and
// Ctrl+PageUp/PageDown switch tabs as everywhere else in the window instead
// of stepping through the list (a printer combo would change the printer).
class ComboGuard : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* e) override {
        auto* combo = qobject_cast<QComboBox*>(watched);
        if (!combo) return false;
        if (e->type() == QEvent::Wheel && !combo->hasFocus()) {
            e->ignore();
            return true;
        }
        if (e->type() != QEvent::KeyPress && e->type() != QEvent::ShortcutOverride) return false;
        const auto* key = static_cast<QKeyEvent*>(e);
        const bool pageKey = key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown;
        if (!pageKey || !(key->modifiers() & Qt::ControlModifier)) return false;
        if (e->type() == QEvent::KeyPress)
            switchTab(combo, key->key() == Qt::Key_PageDown ? 1 : -1);
        e->accept();
        return true;
    }

  private:
    static void switchTab(QWidget* from, int step) {
        for (QWidget* w = from->parentWidget(); w; w = w->parentWidget()) {
            auto* tabs = qobject_cast<QTabWidget*>(w);
            if (!tabs || tabs->count() == 0) continue;
            tabs->setCurrentIndex((tabs->currentIndex() + step + tabs->count()) % tabs->count());
            return;
        }
    }
};

}  // namespace

void ModelComboBox::showPopup() {
    if (onDropDown) onDropDown();
    nameDropDownList(this);
    QComboBox::showPopup();
}

// Qt makes a combo's list only when something first asks for it; making it
// for every combo at start-up to name it would cost the window a tenth of
// its start. It is named when it is made: as it first drops down, or when a
// screen reader first walks into the combo.
void nameDropDownList(QComboBox* combo) {
    QAbstractItemView* list = combo->view();
    if (list->accessibleName() != combo->accessibleName())
        list->setAccessibleName(combo->accessibleName());
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        onClick)
        onClick();
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && onClick) {
        onClick();
        return;
    }
    static constexpr struct {
        int key, dx, dy;
    } kArrows[] = {
        {Qt::Key_Left, -1, 0}, {Qt::Key_Right, 1, 0}, {Qt::Key_Up, 0, -1}, {Qt::Key_Down, 0, 1}};
    for (const auto& arrow : kArrows) {
        if (key != arrow.key || event->modifiers() != Qt::NoModifier) continue;
        if (ClickableLabel* next = neighbour(arrow.dx, arrow.dy))
            next->setFocus(Qt::OtherFocusReason);
        return;  // at the edge the focus stays in the grid
    }
    QLabel::keyPressEvent(event);
}

void ClickableLabel::focusInEvent(QFocusEvent* event) {
    becomeTabStop();
    QLabel::focusInEvent(event);
}

void ClickableLabel::becomeTabStop() {
    if (!parentWidget()) return;
    for (auto* cell : parentWidget()->findChildren<ClickableLabel*>(Qt::FindDirectChildrenOnly))
        cell->setFocusPolicy(cell == this ? Qt::StrongFocus : Qt::ClickFocus);
}

ClickableLabel* ClickableLabel::neighbour(int dx, int dy) const {
    if (!parentWidget()) return nullptr;
    const QPoint here = geometry().center();
    const int slack = std::min(width(), height()) / 2;
    ClickableLabel* nearest = nullptr;
    int nearestDistance = 0;
    for (auto* cell : parentWidget()->findChildren<ClickableLabel*>(Qt::FindDirectChildrenOnly)) {
        if (cell == this || !cell->isVisibleTo(parentWidget())) continue;
        const QPoint d = cell->geometry().center() - here;
        const int along = d.x() * dx + d.y() * dy;
        const int across = std::abs(d.x() * dy) + std::abs(d.y() * dx);
        if (along <= 0 || across > slack) continue;
        if (!nearest || along < nearestDistance) {
            nearest = cell;
            nearestDistance = along;
        }
    }
    return nearest;
}

void ClickableLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

QString labelText(const std::string& caption) {
    QString text = toQt(caption);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

namespace {

// A cell is read by its place, its hint colour and its mark; a marked cell
// is where Tab enters its grid, unless the focus is in the grid already.
void cellChanged(ClickableLabel* cell, const ui::Label& c, Property p) {
    if (p == Property::Caption) cell->setText(labelText(c.caption()));
    cell->setAccessibleName(cellAccessibleName(cell));
    const auto* focus = dynamic_cast<const ClickableLabel*>(QApplication::focusWidget());
    const bool focusInGrid = focus && focus->parentWidget() == cell->parentWidget();
    if (p == Property::Caption && !cell->text().isEmpty() && !focusInGrid) cell->becomeTabStop();
}

}  // namespace

void nameInput(QWidget* input, const QString& name) {
    input->setAccessibleName(name);
    auto* combo = qobject_cast<QComboBox*>(input);
    if (!combo) return;
    // The list it drops down, if Qt has made it already (nameDropDownList).
    if (auto* list = combo->findChild<QAbstractItemView*>()) list->setAccessibleName(name);
    if (combo->lineEdit()) combo->lineEdit()->setAccessibleName(name);
}

// A label is read out as its text. A form may give it a prefix that says
// what the text is about ("Printer status: "), and the input it labels (its
// buddy) is named after it as the text changes.
ControlLink* bind(QLabel* w, ui::Label& c) {
    w->setTextFormat(Qt::PlainText);  // printer texts are never markup
    c.adoptCaption(fromQt(w->text()));
    auto* cell = dynamic_cast<ClickableLabel*>(w);
    auto* link = bindWidget(w, c, [w, &c, cell](Property p) {
        if (p == Property::FontSize && w->wordWrap()) applyGeometry(w, c);
        if (cell && (p == Property::Caption || p == Property::BackColour)) cellChanged(cell, c, p);
        if (p != Property::Caption) return;
        if (!cell) w->setText(labelText(c.caption()));
        if (w->wordWrap()) applyGeometry(w, c);
        const QString prefix = w->property("accessiblePrefix").toString();
        if (!prefix.isEmpty() && !cell) w->setAccessibleName(prefix + w->text());
        if (QWidget* buddy = w->buddy()) nameInput(buddy, withoutMnemonic(w->text()));
    });
    if (cell) cell->onClick = [link] { link->gesture<ui::Label>([](auto& l) { l.click(); }); };
    return link;
}

// A button's form text may carry a mnemonic ("&Update"): the model's
// caption is the text without it, and the mnemonic stays while the caption
// is that text.
ControlLink* bind(QAbstractButton* w, ui::Button& c) {
    const QString formText = w->text();
    c.adoptCaption(fromQt(withoutMnemonic(formText)));
    auto* link = bindWidget(w, c, [w, &c, formText](Property p) {
        if (p == Property::Caption) w->setText(withFormMnemonic(c.caption(), formText));
    });
    QObject::connect(w, &QAbstractButton::clicked, link,
                     [link] { link->gesture<ui::Button>([](auto& b) { b.click(); }); });
    return link;
}

// The model keeps the options of a group exclusive, and may clear them all.
// Qt keeps its own exclusivity too (it is what makes a screen reader call
// them option buttons), so a clear goes through with it switched off.
ControlLink* bind(QRadioButton* w, ui::OptionButton& c) {
    w->setAutoExclusive(true);
    const QString formText = w->text();
    c.adoptCaption(fromQt(withoutMnemonic(formText)));
    auto* link = bindWidget(w, c, [w, &c, formText](Property p) {
        if (p == Property::Caption) w->setText(withFormMnemonic(c.caption(), formText));
        if (p == Property::Value && w->isChecked() != c.value()) {
            w->setAutoExclusive(false);
            w->setChecked(c.value());
            w->setAutoExclusive(true);
        }
    });
    QObject::connect(w, &QRadioButton::clicked, link, [link] {
        link->gesture<ui::OptionButton>([](auto& o) { o.setValue(true); });
        link->apply(Property::Value);  // a click on the selected option leaves it selected
    });
    return link;
}

ControlLink* bind(QCheckBox* w, ui::CheckBox& c) {
    const QString formText = w->text();
    c.adoptCaption(fromQt(withoutMnemonic(formText)));
    auto* link = bindWidget(w, c, [w, &c, formText](Property p) {
        if (p == Property::Caption) w->setText(withFormMnemonic(c.caption(), formText));
        if (p == Property::Value) {
            static constexpr Qt::CheckState kStates[] = {Qt::Unchecked, Qt::Checked,
                                                         Qt::PartiallyChecked};
            w->setTristate(c.value() == ui::CheckState::Grayed);
            w->setCheckState(kStates[static_cast<int>(c.value())]);
        }
    });
    // A click checks a box that is clear or grayed and clears a checked one.
    QObject::connect(w, &QCheckBox::clicked, link, [link] {
        link->gesture<ui::CheckBox>([](auto& box) { box.setChecked(!box.checked()); });
        link->apply(Property::Value);
    });
    return link;
}

// Named by its title: without a name of its own a frame would be read out
// under the title of the frame around it. An untitled frame keeps the name
// its form gives it.
ControlLink* bind(QGroupBox* w, ui::Frame& c) {
    c.adoptCaption(fromQt(w->title()));
    const QString formName =
        w->accessibleName() == withoutMnemonic(w->title()) ? QString() : w->accessibleName();
    return bindWidget(w, c, [w, &c, formName](Property p) {
        if (p != Property::Caption) return;
        w->setTitle(toQt(c.caption()));
        w->setAccessibleName(w->title().isEmpty() ? formName : withoutMnemonic(w->title()));
    });
}

namespace {

void applyCombo(QComboBox* w, const ui::ComboBox& c, Property p) {
    switch (p) {
        case Property::Range:
            w->setEditable(c.editable());
            w->setInsertPolicy(QComboBox::NoInsert);  // the model owns the list
            [[fallthrough]];
        case Property::Items: {
            w->clear();
            for (const auto& item : c.items()) w->addItem(toQt(item));
            w->setCurrentIndex(c.listIndex());
            if (w->isEditable()) w->setEditText(toQt(c.text()));
            break;
        }
        case Property::ListIndex:
            w->setCurrentIndex(c.listIndex());
            break;
        case Property::Value:
            if (w->isEditable() && w->currentText() != toQt(c.text()))
                w->setEditText(toQt(c.text()));
            break;
        default:
            break;
    }
}

}  // namespace

ControlLink* bind(QComboBox* w, ui::ComboBox& c) {
    // Typing in an editable combo is its change; the line edit only exists
    // while the combo is editable, so it is hooked whenever that is switched.
    auto hookEdits = std::make_shared<std::function<void()>>();
    auto* link = bindWidget(w, c, [w, &c, hookEdits](Property p) {
        applyCombo(w, c, p);
        if (p == Property::Range && *hookEdits) (*hookEdits)();
    });
    *hookEdits = [w, link] {
        QLineEdit* edit = w->lineEdit();
        if (!edit || edit->property("orvanHooked").toBool()) return;
        edit->setProperty("orvanHooked", true);
        edit->setAccessibleName(w->accessibleName());
        QObject::connect(edit, &QLineEdit::textEdited, link, [link](const QString& text) {
            link->gesture<ui::ComboBox>([&text](auto& combo) { combo.setText(fromQt(text)); });
        });
    };
    (*hookEdits)();
    w->setFocusPolicy(Qt::StrongFocus);  // no focus by the wheel either
    w->installEventFilter(new ComboGuard(w));
    QObject::connect(w, &QComboBox::activated, link, [link](int index) {
        link->gesture<ui::ComboBox>([index](auto& combo) { combo.setListIndex(index); });
        link->apply(Property::ListIndex);
        link->apply(Property::Value);
    });
    if (auto* model = dynamic_cast<ModelComboBox*>(w))
        model->onDropDown = [link] { link->gesture<ui::ComboBox>([](auto& c) { c.dropDown(); }); };
    return link;
}

namespace {

// Enter on a list that opens its rows opens the current one and goes no
// further: the dialog around it would take it for its default button.
class ListEnter : public QObject {
  public:
    ListEnter(QListWidget* list, std::function<bool()> open) : QObject(list), open_(open) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(e)->key();
        return (key == Qt::Key_Return || key == Qt::Key_Enter) && open_();
    }

  private:
    std::function<bool()> open_;
};

}  // namespace

// Arrows and a click select a row; a click or Enter on a row opens it (its
// double click): a folder opens at once, as a link would.
ControlLink* bind(QListWidget* w, ui::ListBox& c) {
    w->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* link = bindWidget(w, c, [w, &c](Property p) {
        if (p == Property::Items) {
            w->clear();
            for (const auto& item : c.items()) w->addItem(toQt(item));
        }
        if (p == Property::Items || p == Property::ListIndex) {
            w->setCurrentRow(c.listIndex());
            if (c.listIndex() >= 0) w->scrollToItem(w->currentItem());
        }
    });
    QObject::connect(w, &QListWidget::currentRowChanged, link, [link](int row) {
        link->gesture<ui::ListBox>([row](auto& list) { list.setListIndex(row); });
    });
    auto open = [link](int row) {
        const auto* model = dynamic_cast<const ui::ListBox*>(link->control());
        if (row < 0 || !model || !model->onDoubleClick) return false;
        link->gesture<ui::ListBox>([row](auto& list) {
            list.setListIndex(row);
            list.doubleClick();
        });
        return true;
    };
    QObject::connect(w, &QListWidget::itemClicked, link,
                     [w, open](QListWidgetItem* item) { open(w->row(item)); });
    w->installEventFilter(new ListEnter(w, [w, open] { return open(w->currentRow()); }));
    return link;
}

ControlLink* bind(QScrollBar* w, ui::HScrollBar& c) {
    w->setOrientation(Qt::Horizontal);
    w->setFocusPolicy(Qt::StrongFocus);  // a value like any other: reached with Tab
    w->setSingleStep(1);
    w->setPageStep(1);
    // Qt's scroll bars invert their keys; the arrow keys here move the thumb
    // the way they point, as the arrow buttons do.
    w->setInvertedControls(false);
    auto* link = bindWidget(w, c, [w, &c](Property p) {
        if (p == Property::Range) w->setRange(c.min(), c.max());
        if (p == Property::Range || p == Property::Value) w->setValue(c.value());
    });
    QObject::connect(w, &QScrollBar::valueChanged, link, [link](int v) {
        link->gesture<ui::HScrollBar>([v](auto& bar) { bar.setValue(v); });
    });
    return link;
}

ControlLink* bind(QLineEdit* w, ui::TextBox& c) {
    auto* link = bindWidget(w, c, [w, &c](Property p) {
        if (p == Property::Value && w->text() != toQt(c.text())) w->setText(toQt(c.text()));
        if (p == Property::Range) {
            w->setMaxLength(c.maxLength() > 0 ? c.maxLength() : 32767);
            w->setEchoMode(c.passwordChar() ? QLineEdit::Password : QLineEdit::Normal);
            if (c.passwordChar())
                w->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: %1 }")
                                     .arg(static_cast<unsigned char>(c.passwordChar())));
        }
    });
    QObject::connect(w, &QLineEdit::textEdited, link, [link](const QString& text) {
        link->gesture<ui::TextBox>([&text](auto& box) { box.setText(fromQt(text)); });
        link->apply(Property::Value);  // the model may have cut or refused it
    });
    return link;
}

}  // namespace orvan::qt
