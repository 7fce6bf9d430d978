#pragma once

#include <QAccessibleWidget>
#include <QList>
#include <QWidget>

namespace kelvane {

// What assistive technology (a screen reader, through the accessibility
// bus) sees of a widget that paints its content: the widget as a list, and
// each painted part (an orbit, a hex) as one of its items, with a name that
// says it in words. A subclass says how many parts there are and what each
// is; the items are made when first asked for and live as long as this.
class AccessibleDrawing : public QAccessibleWidget {
public:
    AccessibleDrawing(QWidget* widget, QString name);
    ~AccessibleDrawing() override;

    QWidget* DrawnWidget() const { return widget(); }

    virtual int PartCount() const = 0;
    virtual QString PartName(int index) const = 0;
    // Where the part lies in the widget; the whole widget when it has no
    // place of its own.
    virtual QRect PartRect(int index) const;
    virtual QAccessible::State PartState(int index) const;
    // The part at a point of the widget, or -1.
    virtual int PartAt(const QPoint& position) const;
    // The part that has the keyboard focus while the widget has it, or -1.
    virtual int FocusPart() const;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    QString text(QAccessible::Text t) const override;

    // Tells assistive technology, when it listens, that every part of
    // widget may now say something else.
    static void AnnounceChange(QWidget* widget);
    // Tells it that the focus is on part index of widget.
    static void AnnounceFocus(QWidget* widget, int index);

private:
    QString m_name;
    mutable QList<QAccessible::Id> m_parts;
};

} // namespace kelvane
