#include "platform/qt/window.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/qt/canvas.h"
#include "platform/qt/colour_picker.h"
#include "platform/qt/edit_box.h"
#include "platform/qt/file_dialog_control.h"
#include "platform/qt/super_button.h"
#include "platform/qt/timer.h"
#include "platform/qt/transparent_label.h"

namespace marevisk {
namespace {

Window* g_window = nullptr;

// The top-level widget: Esc closes it from whichever control has the focus, since no control of
// the form keeps Esc for itself and the key travels up to here.
class TopLevel : public QWidget {
  public:
    explicit TopLevel(Qt::WindowFlags flags) : QWidget(nullptr, flags) {}

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
            close();
        else
            QWidget::keyPressEvent(event);
    }
};

QFont FormFont(const char* face, int pixel_height, int weight) {
    QFont f(QString::fromUtf8(face));
    f.setPixelSize(pixel_height);
    f.setWeight(QFont::Weight(weight));
    return f;
}

Argb ButtonFace() {
    return QApplication::palette().color(QPalette::Button).rgb() | 0xff000000u;
}

QString Text(const char* s) {
    return QString::fromUtf8(s ? s : "");
}

}  // namespace

Window& TheWindow() {
    if (!g_window) {
        std::fputs("marevisk: no window\n", stderr);
        std::abort();
    }
    return *g_window;
}

bool HasWindow() {
    return g_window != nullptr;
}

void Window::Missing(const std::string& name) {
    std::fprintf(stderr, "marevisk: the window has no control %s of that kind\n", name.c_str());
    std::abort();
}

Window::Window(const WindowDefinition& definition, std::span<const Binding> bindings)
    : top_(std::make_unique<TopLevel>(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                      Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)),
      created_(definition.created) {
    g_window = this;
    top_->setWindowTitle(Text(definition.caption));
    top_->setFixedSize(definition.client_width, definition.client_height);
    top_->setWindowIcon(QIcon(Text(definition.icon)));
    std::vector<QWidget*> tab_chain;
    for (const ControlDef& def : definition.controls) {
        build(def);
        if (def.tab) tab_chain.push_back(qobject_cast<QWidget*>(find(def.name)));
    }
    for (std::size_t i = 1; i < tab_chain.size(); ++i)
        QWidget::setTabOrder(tab_chain[i - 1], tab_chain[i]);
    for (const Binding& b : bindings) bind(b);
}

Window::~Window() {
    top_.reset();
    if (g_window == this) g_window = nullptr;
}

QObject* Window::find(const std::string& name) const {
    const auto it = controls_.find(name);
    return it == controls_.end() ? nullptr : it->second;
}

void Window::build(const ControlDef& def) {
    QWidget* parent = def.parent ? qobject_cast<QWidget*>(find(def.parent)) : top_.get();
    if (!parent) Missing(def.parent);
    QObject* object = nullptr;
    QWidget* widget = nullptr;
    const QString text = Text(def.text);
    switch (def.kind) {
        case ControlKind::GroupBox:
            widget = new QGroupBox(text, parent);
            break;
        case ControlKind::Canvas: {
            const bool text_canvas = def.style == ControlStyle::TextCanvas;
            const int frame = text_canvas ? 2 : 0;
            auto* canvas = new Canvas(parent, def.width - frame, def.height - frame, text_canvas,
                                      text_canvas ? 0xffffffffu : ButtonFace());
            if (text_canvas) canvas->setTextFont(FormFont("微软雅黑", 21, 700));
            if (def.style == ControlStyle::PreviewCanvas) {
                QFile photo(QStringLiteral(":/marevisk/base_photo.jpg"));
                if (photo.open(QIODevice::ReadOnly)) {
                    const QByteArray bytes = photo.readAll();
                    canvas->setBackgroundPicture(std::string_view(bytes.constData(), bytes.size()));
                }
            }
            widget = canvas;
            break;
        }
        case ControlKind::TransparentLabel: {
            auto* label = new TransparentLabel(parent, text, def.style == ControlStyle::RowCaption);
            if (def.style == ControlStyle::TitleLabel)
                label->setLabelFont(FormFont("Comic Sans MS", 16, 700));
            widget = label;
            break;
        }
        case ControlKind::Button: {
            auto* button = new QPushButton(text, parent);
            button->setAutoDefault(false);
            if (def.style == ControlStyle::PictureButton)
                button->setFont(FormFont("宋体", 12, 400));
            widget = button;
            break;
        }
        case ControlKind::SuperButton:
            widget = new SuperButton(parent, text);
            break;
        case ControlKind::ColourPicker:
            widget = new ColourPicker(parent);
            break;
        case ControlKind::EditBox: {
            auto* edit = new EditBox(parent, def.style == ControlStyle::TitleEdit ? 60 : 0);
            if (def.style == ControlStyle::TitleEdit || def.style == ControlStyle::TitleEditFree)
                edit->setFont(FormFont("宋体", 14, 700));
            widget = edit;
            break;
        }
        case ControlKind::Timer:
            object = new Timer(parent);
            break;
        case ControlKind::FileDialog: {
            auto* dialog = new FileDialogControl(parent);
            if (def.style == ControlStyle::PictureDialog) {
                dialog->filter = QStringLiteral("图片文件(*.jpg)|*.jpg");
                dialog->defaultExtension = QStringLiteral(".jpg");
            }
            object = dialog;
            break;
        }
    }
    if (widget) {
        widget->setGeometry(def.left, def.top, def.width, def.height);
        widget->setFocusPolicy(def.tab ? Qt::StrongFocus : Qt::NoFocus);
        if (!def.visible) widget->setHidden(true);
        object = widget;
    }
    object->setObjectName(Text(def.name));
    controls_[def.name] = object;
}

void Window::bind(const Binding& b) {
    QObject* control = find(b.control);
    if (!control) Missing(b.control);
    const Handler h = b.handler;
    auto plain = [h] { h({}); };
    auto mouse = [h](int x, int y, int keys) { h({x, y, keys}); };
    switch (b.event) {
        case Event::Clicked:
            QObject::connect(qobject_cast<QAbstractButton*>(control), &QAbstractButton::clicked,
                             plain);
            break;
        case Event::TextChanged:
            QObject::connect(qobject_cast<EditBox*>(control), &QLineEdit::textChanged, plain);
            break;
        case Event::ColourChosen:
            QObject::connect(qobject_cast<ColourPicker*>(control), &ColourPicker::colourChosen,
                             plain);
            break;
        case Event::LeftPressed:
            QObject::connect(qobject_cast<TransparentLabel*>(control),
                             &TransparentLabel::leftPressed, plain);
            break;
        case Event::LeftReleased:
            QObject::connect(qobject_cast<TransparentLabel*>(control),
                             &TransparentLabel::leftReleased, plain);
            break;
        case Event::Tick:
            QObject::connect(qobject_cast<Timer*>(control), &Timer::tick, plain);
            break;
        case Event::RightPressed:
            QObject::connect(qobject_cast<Canvas*>(control), &Canvas::rightPressed, mouse);
            break;
        case Event::RightReleased:
            QObject::connect(qobject_cast<Canvas*>(control), &Canvas::rightReleased, mouse);
            break;
        case Event::PointerMoved:
            QObject::connect(qobject_cast<Canvas*>(control), &Canvas::pointerMoved, mouse);
            break;
    }
}

void Window::show() {
    QWidget* w = top_.get();
    w->show();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect frame = w->frameGeometry();
    w->move(screen.x() + (screen.width() - frame.width()) / 2,
            screen.y() + (screen.height() - frame.height()) / 2);
    w->activateWindow();
    if (created_) created_();
}

}  // namespace marevisk
