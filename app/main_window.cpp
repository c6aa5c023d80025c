#include "app/main_window.h"

#include <QString>

#include "app/build_settings.h"
#include "app/program_state.h"
#include "app/usage_instructions.h"
#include "drawing/chip_text.h"
#include "drawing/glow_stroke.h"
#include "files/background_import.h"
#include "files/save_placard.h"
#include "platform/qt/edit_box.h"
#include "titles/font_chooser.h"
#include "titles/title_drag.h"
#include "titles/title_slots.h"

namespace marevisk {
namespace {

using K = ControlKind;
using S = ControlStyle;
constexpr bool kShown = true, kHidden = false, kTab = true, kNoTab = false;
constexpr const char* kMain = nullptr;

// Place and size in pixels relative to the parent's client area.
// clang-format off
constexpr ControlDef kControls[] = {
    // kind              name           parent       left top  width height  initially tab    text
    {K::GroupBox,        "分组框2",     kMain,       4,   9,   308, 447,    kShown,  kNoTab, "预览区："},
    {K::Canvas,          "画板1",       "分组框2",   11,  16,  288, 416,    kShown,  kNoTab, "", S::PreviewCanvas},
    {K::TransparentLabel,"透明标签7",   "画板1",     17,  200, 238, 48,     kShown,  kNoTab, "自定义标题1", S::TitleLabel},
    {K::TransparentLabel,"透明标签1",   "画板1",     16,  240, 239, 48,     kShown,  kNoTab, "自定义标题2", S::TitleLabel},
    {K::TransparentLabel,"透明标签2",   "画板1",     16,  280, 245, 48,     kShown,  kNoTab, "自定义标题3", S::TitleLabel},
    {K::TransparentLabel,"透明标签8",   "画板1",     17,  318, 238, 48,     kHidden, kNoTab, "自定义标题4", S::TitleLabel},
    {K::TransparentLabel,"透明标签9",   "画板1",     18,  358, 238, 48,     kHidden, kNoTab, "自定义标题5", S::TitleLabel},
    {K::Timer,           "时钟1",       kMain,       0,   0,   0,   0,      kShown,  kNoTab, ""},
    {K::Timer,           "时钟2",       kMain,       0,   0,   0,   0,      kShown,  kNoTab, ""},
    {K::Timer,           "时钟3",       kMain,       0,   0,   0,   0,      kShown,  kNoTab, ""},
    {K::Timer,           "时钟4",       "画板1",     0,   0,   0,   0,      kShown,  kNoTab, ""},
    {K::Timer,           "时钟5",       "画板1",     0,   0,   0,   0,      kShown,  kNoTab, ""},
    {K::GroupBox,        "分组框1",     kMain,       320, 9,   408, 447,    kShown,  kNoTab, "DIY区"},
    {K::TransparentLabel,"透明标签5",   "分组框1",   9,   28,  79,  16,     kShown,  kNoTab, "自定义标题1：", S::RowCaption},
    {K::EditBox,         "编辑框5",     "分组框1",   88,  26,  240, 21,     kShown,  kTab,   "", S::TitleEditFree},
    {K::ColourPicker,    "颜色选择器1", "分组框1",   332, 26,  32,  21,     kShown,  kTab,   ""},
    {K::SuperButton,     "超级按钮1",   "分组框1",   368, 24,  32,  24,     kShown,  kTab,   "字体"},
    {K::TransparentLabel,"透明标签4",   "分组框1",   8,   60,  80,  16,     kShown,  kNoTab, "自定义标题2：", S::RowCaption},
    {K::EditBox,         "编辑框4",     "分组框1",   88,  58,  240, 21,     kShown,  kTab,   "", S::TitleEdit},
    {K::ColourPicker,    "颜色选择器2", "分组框1",   332, 58,  32,  21,     kShown,  kTab,   ""},
    {K::SuperButton,     "超级按钮2",   "分组框1",   368, 56,  32,  24,     kShown,  kTab,   "字体"},
    {K::TransparentLabel,"透明标签3",   "分组框1",   8,   93,  80,  16,     kShown,  kNoTab, "自定义标题3：", S::RowCaption},
    {K::EditBox,         "编辑框1",     "分组框1",   88,  90,  240, 21,     kShown,  kTab,   "", S::TitleEdit},
    {K::ColourPicker,    "颜色选择器3", "分组框1",   333, 90,  32,  21,     kShown,  kTab,   ""},
    {K::SuperButton,     "超级按钮3",   "分组框1",   370, 89,  32,  24,     kShown,  kTab,   "字体"},
    {K::Button,          "按钮2",       "分组框1",   11,  119, 192, 24,     kShown,  kTab,   "增加一个自定义标题"},
    {K::Button,          "按钮4",       "分组框1",   208, 119, 192, 24,     kShown,  kTab,   "增加两个自定义标题"},
    {K::TransparentLabel,"透明标签10",  "分组框1",   8,   124, 80,  16,     kHidden, kNoTab, "自定义标题4：", S::RowCaption},
    {K::EditBox,         "编辑框2",     "分组框1",   88,  121, 240, 21,     kHidden, kTab,   "", S::TitleEdit},
    {K::ColourPicker,    "颜色选择器4", "分组框1",   333, 121, 32,  21,     kHidden, kTab,   ""},
    {K::SuperButton,     "超级按钮4",   "分组框1",   370, 120, 32,  24,     kHidden, kTab,   "字体"},
    {K::TransparentLabel,"透明标签6",   "分组框1",   8,   154, 80,  16,     kShown,  kNoTab, "自定义 图片：", S::RowCaption},
    {K::Button,          "按钮1",       "分组框1",   88,  151, 312, 22,     kShown,  kTab,   "点击选择本地的图片", S::PictureButton},
    {K::TransparentLabel,"透明标签11",  "分组框1",   8,   156, 80,  16,     kHidden, kNoTab, "自定义标题5：", S::RowCaption},
    {K::EditBox,         "编辑框3",     "分组框1",   88,  153, 240, 21,     kHidden, kTab,   "", S::TitleEdit},
    {K::ColourPicker,    "颜色选择器5", "分组框1",   333, 153, 32,  21,     kHidden, kTab,   ""},
    {K::SuperButton,     "超级按钮5",   "分组框1",   370, 152, 32,  24,     kHidden, kTab,   "字体"},
    {K::GroupBox,        "分组框3",     "分组框1",   8,   247, 392, 88,     kShown,  kNoTab, "测试功能"},
    {K::EditBox,         "编辑框6",     "分组框3",   8,   19,  216, 24,     kShown,  kTab,   ""},
    {K::Button,          "按钮5",       "分组框3",   231, 19,  153, 24,     kShown,  kTab,   "创建芯片字体到底图(测试)"},
    {K::Canvas,          "画板2",       "分组框1",   16,  296, 376, 23,     kShown,  kNoTab, "", S::TextCanvas},
    {K::Button,          "按钮3",       "分组框1",   8,   347, 392, 36,     kShown,  kTab,   "保存举牌图"},
    {K::Button,          "按钮6",       "分组框1",   8,   400, 392, 36,     kShown,  kTab,   "使用说明"},
    {K::FileDialog,      "通用对话框1", "分组框1",   0,   0,   0,   0,      kShown,  kNoTab, "", S::PictureDialog},
    {K::FileDialog,      "通用对话框2", "分组框1",   0,   0,   0,   0,      kShown,  kNoTab, ""},
};
// clang-format on

Handler Plain(void (*f)()) {
    return [f](const EventArgs&) { f(); };
}
Handler ForSlot(void (*f)(int), int k) {
    return [f, k](const EventArgs&) { f(k); };
}
Handler Mouse(void (*f)(int, int, int)) {
    return [f](const EventArgs& e) { f(e.x, e.y, e.keys); };
}

using E = Event;

// clang-format off
const Binding kBindings[] = {
    {"按钮6",       E::Clicked,       Plain(ShowUsageInstructions)},
    {"编辑框5",     E::TextChanged,   ForSlot(CopyTitleText, 1)},
    {"编辑框4",     E::TextChanged,   ForSlot(CopyTitleText, 2)},
    {"编辑框1",     E::TextChanged,   ForSlot(CopyTitleText, 3)},
    {"编辑框2",     E::TextChanged,   ForSlot(CopyTitleText, 4)},
    {"编辑框3",     E::TextChanged,   ForSlot(CopyTitleText, 5)},
    {"颜色选择器1", E::ColourChosen,  ForSlot(CopyTitleColour, 1)},
    {"颜色选择器2", E::ColourChosen,  ForSlot(CopyTitleColour, 2)},
    {"颜色选择器3", E::ColourChosen,  ForSlot(CopyTitleColour, 3)},
    {"颜色选择器4", E::ColourChosen,  ForSlot(CopyTitleColour, 4)},
    {"颜色选择器5", E::ColourChosen,  ForSlot(CopyTitleColour, 5)},
    {"按钮2",       E::Clicked,       Plain(AddOneTitle)},
    {"按钮4",       E::Clicked,       Plain(AddTwoTitles)},
    {"超级按钮1",   E::Clicked,       ForSlot(ApplyTitleFont, 1)},
    {"超级按钮2",   E::Clicked,       ForSlot(ApplyTitleFont, 2)},
    {"超级按钮3",   E::Clicked,       ForSlot(ApplyTitleFont, 3)},
    {"超级按钮4",   E::Clicked,       ForSlot(ApplyTitleFont, 4)},
    {"超级按钮5",   E::Clicked,       ForSlot(ApplyTitleFont, 5)},
    {"透明标签7",   E::LeftPressed,   ForSlot(BeginTitleDrag, 1)},
    {"透明标签1",   E::LeftPressed,   ForSlot(BeginTitleDrag, 2)},
    {"透明标签2",   E::LeftPressed,   ForSlot(BeginTitleDrag, 3)},
    {"透明标签8",   E::LeftPressed,   ForSlot(BeginTitleDrag, 4)},
    {"透明标签9",   E::LeftPressed,   ForSlot(BeginTitleDrag, 5)},
    {"透明标签7",   E::LeftReleased,  ForSlot(EndTitleDrag, 1)},
    {"透明标签1",   E::LeftReleased,  ForSlot(EndTitleDrag, 2)},
    {"透明标签2",   E::LeftReleased,  ForSlot(EndTitleDrag, 3)},
    {"透明标签8",   E::LeftReleased,  ForSlot(EndTitleDrag, 4)},
    {"透明标签9",   E::LeftReleased,  ForSlot(EndTitleDrag, 5)},
    {"时钟1",       E::Tick,          ForSlot(FollowTitleDrag, 1)},
    {"时钟2",       E::Tick,          ForSlot(FollowTitleDrag, 2)},
    {"时钟3",       E::Tick,          ForSlot(FollowTitleDrag, 3)},
    {"时钟4",       E::Tick,          ForSlot(FollowTitleDrag, 4)},
    {"时钟5",       E::Tick,          ForSlot(FollowTitleDrag, 5)},
    {"画板1",       E::RightPressed,  Mouse(BeginStroke)},
    {"画板1",       E::PointerMoved,  Mouse(ExtendStroke)},
    {"画板1",       E::RightReleased, Mouse(EndStroke)},
    {"按钮5",       E::Clicked,       Plain(RenderChipText)},
    {"按钮1",       E::Clicked,       Plain(ImportBackgroundPicture)},
    {"按钮3",       E::Clicked,       Plain(SavePlacardPicture)},
};
// clang-format on

const std::string& Caption() {
    static const std::string caption =
        std::string("Marevisk v2  【Brennvik】提供 客服QQ：") + kSupportQq;
    return caption;
}

}  // namespace

std::span<const ControlDef> MainWindowControls() {
    return kControls;
}
std::span<const Binding> MainWindowBindings() {
    return kBindings;
}

const WindowDefinition& MainWindowDefinition() {
    // The client area holds every control with the left and top margins mirrored.
    static const WindowDefinition definition{Caption().c_str(),     732,       465,
                                             ":/marevisk/icon.png", kControls, MainWindowCreated};
    return definition;
}

void MainWindowCreated() {
    PreviewCanvasHandle = &Control<QWidget>("画板1");
    Control<EditBox>("编辑框5").setFocus();
}

std::unique_ptr<Window> BuildMainWindow() {
    return std::make_unique<Window>(MainWindowDefinition(), MainWindowBindings());
}

}  // namespace marevisk
