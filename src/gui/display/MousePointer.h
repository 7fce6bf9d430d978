#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace kelvane {

// The wait-cursor stack. Commands that take a moment push the hourglass (11)
// and pop it when done; nested pairs restore the pointers in reverse order.
// BusyFlag is set while a pushed hourglass shows: the display-style combo
// ignores the selection that a refresh makes itself.
class MousePointer {
public:
    static constexpr std::int16_t Default = 0;
    static constexpr std::int16_t Hourglass = 11;

    // apply shows a pointer value application-wide; the default one drives
    // Qt's override cursor.
    MousePointer();
    explicit MousePointer(std::function<void(std::int16_t)> apply);

    void PushMousePointer(std::int16_t pointer);
    void PopMousePointer();

    bool BusyFlag() const { return m_busy; }
    std::int16_t Current() const { return m_current; }

private:
    void Show(std::int16_t pointer);

    std::function<void(std::int16_t)> m_apply;
    std::vector<std::int16_t> m_stack;
    bool m_initialised = false;
    bool m_busy = false;
    std::int16_t m_current = Default;
};

// The hourglass for as long as it lives: the one way a command that takes a
// moment shows that it is busy.
class BusyCursor {
public:
    explicit BusyCursor(MousePointer& mouse) : m_mouse(mouse)
    {
        m_mouse.PushMousePointer(MousePointer::Hourglass);
    }
    ~BusyCursor() { m_mouse.PopMousePointer(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    MousePointer& m_mouse;
};

} // namespace kelvane
