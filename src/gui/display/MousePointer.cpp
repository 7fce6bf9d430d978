#include "gui/display/MousePointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace kelvane {

namespace {

// Shows pointer value to over the value from: the default arrow is no
// override at all, anything else one override cursor.
void ApplyOverrideCursor(std::int16_t from, std::int16_t to)
{
    if (from == to)
        return;
    if (from != MousePointer::Default)
        QGuiApplication::restoreOverrideCursor();
    if (to != MousePointer::Default)
        QGuiApplication::setOverrideCursor(
            QCursor(to == MousePointer::Hourglass ? Qt::WaitCursor : Qt::ArrowCursor));
}

} // namespace

MousePointer::MousePointer() : m_apply(nullptr) {}

MousePointer::MousePointer(std::function<void(std::int16_t)> apply) : m_apply(std::move(apply)) {}

void MousePointer::Show(std::int16_t pointer)
{
    if (m_apply)
        m_apply(pointer);
    else
        ApplyOverrideCursor(m_current, pointer);
    m_current = pointer;
}

void MousePointer::PushMousePointer(std::int16_t pointer)
{
    m_initialised = true;
    m_stack.push_back(m_current);
    if (pointer == Hourglass)
        m_busy = true;
    Show(pointer);
}

void MousePointer::PopMousePointer()
{
    if (!m_initialised)
        return;
    if (m_stack.empty()) {
        Show(Default);
        m_busy = false;
        return;
    }
    const std::int16_t previous = m_stack.back();
    m_stack.pop_back();
    if (previous != Hourglass)
        m_busy = false;
    Show(previous);
}

} // namespace kelvane
