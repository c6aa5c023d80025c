#include "titles/title_slots.h"

#include <QPushButton>

#include "platform/qt/colour_picker.h"
#include "platform/qt/edit_box.h"
#include "platform/qt/transparent_label.h"
#include "platform/qt/window.h"

namespace marevisk {
namespace {

constexpr TitleSlot kSlots[5] = {
    {"透明标签7", "编辑框5", "颜色选择器1", "超级按钮1", "时钟1", "透明标签5"},
    {"透明标签1", "编辑框4", "颜色选择器2", "超级按钮2", "时钟2", "透明标签4"},
    {"透明标签2", "编辑框1", "颜色选择器3", "超级按钮3", "时钟3", "透明标签3"},
    {"透明标签8", "编辑框2", "颜色选择器4", "超级按钮4", "时钟4", "透明标签10"},
    {"透明标签9", "编辑框3", "颜色选择器5", "超级按钮5", "时钟5", "透明标签11"},
};

void SetTop(const char* control, int top) {
    QWidget& w = Control<QWidget>(control);
    w.move(w.x(), top);
}

void ShowRow(const TitleSlot& slot) {
    for (const char* name : {slot.caption, slot.edit, slot.picker, slot.font_button})
        Control<QWidget>(name).setVisible(true);
}

// The add buttons go below the revealed rows, and the picture row below them.
void MoveButtonsAndPictureRowDown() {
    SetTop("按钮2", 183);
    SetTop("按钮4", 183);
    SetTop("透明标签6", 215);
    SetTop("按钮1", 212);
}

}  // namespace

const TitleSlot& SlotOf(int k) {
    return kSlots[k - 1];
}

void CopyTitleText(int k) {
    Control<TransparentLabel>(SlotOf(k).label).setText(Control<EditBox>(SlotOf(k).edit).text());
}

void CopyTitleColour(int k) {
    Control<TransparentLabel>(SlotOf(k).label)
        .setTextColour(Control<ColourPicker>(SlotOf(k).picker).colour());
}

void AddOneTitle() {
    Control<QWidget>(SlotOf(4).label).setVisible(true);
    MoveButtonsAndPictureRowDown();
    ShowRow(SlotOf(4));
}

void AddTwoTitles() {
    // Also moves the picture row: otherwise row 5 would lie on top of the picture button.
    MoveButtonsAndPictureRowDown();
    Control<QWidget>(SlotOf(5).label).setVisible(true);
    ShowRow(SlotOf(5));
}

}  // namespace marevisk
