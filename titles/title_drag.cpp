#include "titles/title_drag.h"

#include <QCursor>

#include "app/program_state.h"
#include "platform/qt/timer.h"
#include "platform/qt/transparent_label.h"
#include "platform/qt/window.h"
#include "titles/title_slots.h"

namespace marevisk {
namespace {

constexpr int kDragPeriodMs = 50;

DragAnchor& AnchorOf(int k) {
    switch (k) {
        case 1:
            return DragAnchor1;
        case 2:
            return DragAnchor2;
        case 3:
            return DragAnchor3;
        default:
            return DragAnchor45;  // titles 4 and 5 share one anchor
    }
}

}  // namespace

void BeginTitleDrag(int k) {
    DragAnchor& a = AnchorOf(k);
    const TransparentLabel& label = Control<TransparentLabel>(SlotOf(k).label);
    a.pointer_x = QCursor::pos().x();
    a.pointer_y = QCursor::pos().y();
    a.label_left = label.x();
    a.label_top = label.y();
    Control<Timer>(SlotOf(k).timer).setPeriod(kDragPeriodMs);
}

void EndTitleDrag(int k) {
    Control<Timer>(SlotOf(k).timer).setPeriod(0);
}

void FollowTitleDrag(int k) {
    const DragAnchor& a = AnchorOf(k);
    TransparentLabel& label = Control<TransparentLabel>(SlotOf(k).label);
    const double dx = double(QCursor::pos().x()) - a.pointer_x;
    label.setLeft(int(a.label_left + dx));
    const double dy = double(QCursor::pos().y()) - a.pointer_y;  // read after the move across
    label.setTop(int(a.label_top + dy));
}

}  // namespace marevisk
