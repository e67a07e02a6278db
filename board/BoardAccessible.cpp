// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardAccessible.h"

#include "ImageControl.h"

// Qt
#include <QAccessibleWidget>
#include <QMetaObject>
#include <QWidget>

namespace tintrix {

namespace {

/** A widget as the roles and states above describe it. A button's press action clicks it. */
class TintrixAccessibleWidget : public QAccessibleWidget {
public:
    TintrixAccessibleWidget(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

    // Read each time: the role may be set after the interface was made.
    QAccessible::Role role() const override
    {
        const QVariant role = widget()->property(kAccessibleRole);
        return role.isValid() ? QAccessible::Role(role.toInt()) : QAccessibleWidget::role();
    }

    QAccessible::State state() const override
    {
        QAccessible::State st = QAccessibleWidget::state();
        const QWidget* w = widget();
        if (w->property(kAccessibleCheckable).toBool()) {
            st.checkable = true;
            st.checked = w->property(kAccessibleChecked).toBool();
            st.pressed = st.checked;
        }
        if (w->property(kAccessibleFocusable).toBool())
            st.focusable = true;
        return st;
    }

    QStringList actionNames() const override
    {
        if (role() == QAccessible::Button && widget()->isEnabled())
            return {pressAction()};
        return {};
    }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction() && widget()->isEnabled())
            QMetaObject::invokeMethod(widget(), "clicked", Qt::QueuedConnection);
    }
};

QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* w = static_cast<QWidget*>(object);
    const QVariant role = w->property(kAccessibleRole);
    if (role.isValid())
        return new TintrixAccessibleWidget(w, QAccessible::Role(role.toInt()));
    if (className == QLatin1String(ImageControl::staticMetaObject.className()))
        return new TintrixAccessibleWidget(w, QAccessible::Button);
    return nullptr;
}

} // namespace

void InstallBoardAccessibility() { QAccessible::installFactory(Factory); }

void SetAccessibleRole(QWidget* widget, QAccessible::Role role) { widget->setProperty(kAccessibleRole, int(role)); }

void SetAccessibleName(QWidget* widget, const QString& name)
{
    if (widget->accessibleName() != name)
        widget->setAccessibleName(name);
}

void SetAccessibleDescription(QWidget* widget, const QString& description)
{
    if (widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description);
}

void SetAccessibleChecked(QWidget* widget, bool checked)
{
    const bool was = widget->property(kAccessibleChecked).toBool();
    widget->setProperty(kAccessibleCheckable, true);
    widget->setProperty(kAccessibleChecked, checked);
    if (was != checked && QAccessible::isActive()) {
        QAccessible::State changed;
        changed.checked = true;
        changed.pressed = true;
        QAccessibleStateChangeEvent event(widget, changed);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace tintrix
