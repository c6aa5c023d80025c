// The types a window definition is written in: a table of controls and a table of bindings of
// control events to handlers. The definition itself is data, kept with the application.
#pragma once
#include <functional>
#include <span>

namespace marevisk {

enum class ControlKind {
    GroupBox,
    Canvas,
    TransparentLabel,
    Button,
    SuperButton,
    ColourPicker,
    EditBox,
    Timer,
    FileDialog
};

// How a control looks beyond its place and text; each preset is one line of the style table.
enum class ControlStyle {
    Plain,          // the default GUI font, nothing else of its own
    TitleLabel,     // "Comic Sans MS" 16 px bold, top-left, one line
    RowCaption,     // default GUI font, vertically centred
    TitleEdit,      // "宋体" 14 px bold, at most 60 bytes of the Chinese code page
    TitleEditFree,  // the same without a limit
    PictureButton,  // "宋体" 12 px regular
    PreviewCanvas,  // button-face background, the base photograph, no border
    TextCanvas,     // white, one-pixel border, "微软雅黑" 21 px bold
    PictureDialog,  // open dialog for pictures: a JPEG filter and ".jpg" as default extension
};

struct ControlDef {
    ControlKind kind;
    const char* name;
    const char* parent;  // nullptr: the main window
    int left, top, width, height;
    bool visible;
    bool tab;  // reached by Tab
    const char* text;
    ControlStyle style = ControlStyle::Plain;
};

enum class Event {
    Clicked,
    TextChanged,
    ColourChosen,
    LeftPressed,
    LeftReleased,
    Tick,
    RightPressed,
    RightReleased,
    PointerMoved
};

struct EventArgs {
    int x = 0, y = 0, keys = 0;  // mouse events: client pixels and Ctrl 1, Shift 2, Alt 4
};

using Handler = std::function<void(const EventArgs&)>;

struct Binding {
    const char* control;
    Event event;
    Handler handler;
};

struct WindowDefinition {
    const char* caption;
    int client_width, client_height;
    const char* icon;  // resource path
    std::span<const ControlDef> controls;
    std::function<void()> created;  // once every control exists, before any input
};

}  // namespace marevisk
