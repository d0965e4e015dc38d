// SPDX-License-Identifier: MIT
#include "accessibility.h"

#include "label.h"

#include <QAccessibleWidget>

namespace {

class LabelAccessible final : public QAccessibleWidget
{
public:
    explicit LabelAccessible(Label* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    { }

    QAccessible::Role role() const override
    {
        return label()->isHeading() ? QAccessible::Heading : QAccessible::StaticText;
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override
    {
        auto related = QAccessibleWidget::relations(match);
        // A unit caption labels its total, so "Seconds" and "2030400.00" are read together.
        if (QWidget* total = label()->buddy(); total && (match & QAccessible::Labelled))
            related.append({QAccessible::queryAccessibleInterface(total), QAccessible::Labelled});
        return related;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (label()->isPressable())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && label()->isPressable())
            label()->click();
        else
            QAccessibleWidget::doAction(action);
    }

    QStringList keyBindingsForAction(const QString& action) const override
    {
        if (action == pressAction() && label()->isPressable())
            return {label()->shortcut().toString(QKeySequence::NativeText)};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

private:
    Label* label() const { return static_cast<Label*>(widget()); }
};

// A picture box or the emblem: an image. A hidden box is neither seen nor focusable.
class PictureAccessible final : public QAccessibleWidget
{
public:
    explicit PictureAccessible(QWidget* picture)
        : QAccessibleWidget(picture, QAccessible::Graphic)
    { }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (!widget()->isVisible())
            state.focusable = false;
        return state;
    }
};

// The emblem only decorates the window: a screen reader passes over it.
class DecorationAccessible final : public QAccessibleWidget
{
public:
    explicit DecorationAccessible(QWidget* decoration)
        : QAccessibleWidget(decoration, QAccessible::Graphic)
    { }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        state.focusable = false;
        return state;
    }
    QString text(QAccessible::Text) const override { return {}; }
};

QAccessibleInterface* accessibleFor(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("Label"))
        return new LabelAccessible(static_cast<Label*>(widget));
    if (className == QLatin1String("PictureBox"))
        return new PictureAccessible(widget);
    if (className == QLatin1String("Image"))
        return new DecorationAccessible(widget);
    if (className == QLatin1String("Form1"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(installed);
}
