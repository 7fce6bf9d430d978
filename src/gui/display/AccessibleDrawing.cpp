#include "gui/display/AccessibleDrawing.h"

#include <utility>

namespace kelvane {

namespace {

// One painted part: everything it says comes from its drawing, which owns it.
class AccessiblePart final : public QAccessibleInterface {
public:
    AccessiblePart(const AccessibleDrawing* drawing, int index) : m_drawing(drawing), m_index(index) {}

    bool isValid() const override { return m_drawing->isValid() && m_index < m_drawing->PartCount(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override { return const_cast<AccessibleDrawing*>(m_drawing); }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? m_drawing->PartName(m_index) : QString();
    }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QWidget* widget = m_drawing->DrawnWidget();
        const QRect local = m_drawing->PartRect(m_index);
        return QRect(widget->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        // A part a reader still holds after its drawing lost it (a sector
        // closed) is gone.
        if (!isValid()) {
            QAccessible::State gone;
            gone.invisible = true;
            return gone;
        }
        QAccessible::State state = m_drawing->PartState(m_index);
        if (m_drawing->state().invisible)
            state.invisible = true;
        return state;
    }

private:
    const AccessibleDrawing* m_drawing;
    int m_index;
};

} // namespace

AccessibleDrawing::AccessibleDrawing(QWidget* widget, QString name)
    : QAccessibleWidget(widget, QAccessible::List), m_name(std::move(name))
{}

AccessibleDrawing::~AccessibleDrawing()
{
    for (const QAccessible::Id id : std::as_const(m_parts))
        QAccessible::deleteAccessibleInterface(id);
}

QRect AccessibleDrawing::PartRect(int /*index*/) const
{
    return widget()->rect();
}

QAccessible::State AccessibleDrawing::PartState(int /*index*/) const
{
    return {};
}

int AccessibleDrawing::PartAt(const QPoint& /*position*/) const
{
    return -1;
}

int AccessibleDrawing::FocusPart() const
{
    return -1;
}

int AccessibleDrawing::childCount() const
{
    return PartCount();
}

QAccessibleInterface* AccessibleDrawing::child(int index) const
{
    if (index < 0 || index >= PartCount())
        return nullptr;
    while (m_parts.size() <= index)
        m_parts.append(QAccessible::registerAccessibleInterface(
            new AccessiblePart(this, static_cast<int>(m_parts.size()))));
    return QAccessible::accessibleInterface(m_parts.at(index));
}

int AccessibleDrawing::indexOfChild(const QAccessibleInterface* child) const
{
    for (qsizetype i = 0; i < m_parts.size(); ++i)
        if (QAccessible::accessibleInterface(m_parts.at(i)) == child)
            return static_cast<int>(i);
    return -1;
}

QAccessibleInterface* AccessibleDrawing::childAt(int x, int y) const
{
    const int index = PartAt(widget()->mapFromGlobal(QPoint(x, y)));
    return index < 0 ? nullptr : child(index);
}

QAccessibleInterface* AccessibleDrawing::focusChild() const
{
    const int index = widget()->hasFocus() ? FocusPart() : -1;
    return index < 0 ? nullptr : child(index);
}

QString AccessibleDrawing::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return m_name;
    return QAccessibleWidget::text(t);
}

void AccessibleDrawing::AnnounceChange(QWidget* widget)
{
    if (!QAccessible::isActive())
        return;
    const QAccessibleInterface* drawing = QAccessible::queryAccessibleInterface(widget);
    const int count = drawing != nullptr ? drawing->childCount() : 0;
    for (int i = 0; i < count; ++i) {
        QAccessibleEvent event(widget, QAccessible::NameChanged);
        event.setChild(i);
        QAccessible::updateAccessibility(&event);
    }
}

void AccessibleDrawing::AnnounceFocus(QWidget* widget, int index)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(widget, QAccessible::Focus);
    event.setChild(index);
    QAccessible::updateAccessibility(&event);
}

} // namespace kelvane
