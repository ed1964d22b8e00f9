#include "qt/accessible_widgets.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "qt/control_widgets.h"
#include "qt/picture_widgets.h"

namespace orvan::qt {
namespace {

constexpr const char* kValueLabel = "accessibleValueLabel";

QLabel* valueLabel(QWidget* gauge) {
    const QString name = gauge->property(kValueLabel).toString();
    QWidget* parent = gauge->parentWidget();
    if (name.isEmpty() || !parent) return nullptr;
    return parent->findChild<QLabel*>(name);
}

class GaugeAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit GaugeAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::ProgressBar) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // An empty percentage (no printer, a value out of range) is no value.
    QVariant currentValue() const override {
        QLabel* label = valueLabel(widget());
        bool ok = false;
        const int value = label ? label->text().trimmed().toInt(&ok) : 0;
        return ok ? QVariant(value) : QVariant();
    }
    void setCurrentValue(const QVariant&) override {}  // read only
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }
};

// The combo box, its list and (when editable) its text field, as Qt shows
// them, but named by the label the form puts beside it.
class ComboAccessible : public QAccessibleWidget {
  public:
    explicit ComboAccessible(QComboBox* w) : QAccessibleWidget(w, QAccessible::ComboBox) {}
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return combo()->accessibleName();
        if (t == QAccessible::Value) return combo()->currentText();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return combo()->lineEdit() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0) {
            nameDropDownList(combo());
            return QAccessible::queryAccessibleInterface(combo()->view());
        }
        if (index == 1 && combo()->lineEdit())
            return QAccessible::queryAccessibleInterface(combo()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        if (child->object() == combo()->view()) return 0;
        if (combo()->lineEdit() && child->object() == combo()->lineEdit()) return 1;
        return -1;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString&) override { combo()->showPopup(); }
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    if (auto* view = dynamic_cast<PictureView*>(object)) {
        if (view->property(kValueLabel).isValid()) return new GaugeAccessible(view);
        return new QAccessibleWidget(view, QAccessible::Graphic);
    }
    // Read as a picture, not as the empty text of the label that plays it.
    if (auto* animation = dynamic_cast<AnimatedView*>(object))
        return new QAccessibleWidget(animation, QAccessible::Graphic);
    if (auto* combo = dynamic_cast<QComboBox*>(object); combo && !combo->accessibleName().isEmpty())
        return new ComboAccessible(combo);
    return nullptr;
}

}  // namespace

void installAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(factory);
}

void announceValue(QWidget* gauge) {
    if (!QAccessible::isActive() || !gauge->property(kValueLabel).isValid()) return;
    QLabel* label = valueLabel(gauge);
    QAccessibleValueChangeEvent event(gauge,
                                      label ? QVariant(label->text().trimmed()) : QVariant());
    QAccessible::updateAccessibility(&event);
}

}  // namespace orvan::qt
