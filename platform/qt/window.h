// The main window built from its definition, with its controls found by name.
#pragma once
#include <QString>
#include <QWidget>
#include <memory>
#include <span>
#include <string>
#include <unordered_map>

#include "platform/qt/window_definition.h"

namespace marevisk {

class Window {
  public:
    // Builds every control of `definition` and connects `bindings`, each once.
    Window(const WindowDefinition& definition, std::span<const Binding> bindings);
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    QWidget* widget() const { return top_.get(); }
    // Shows the window centred on the primary screen, then raises the created event.
    void show();

    QObject* find(const std::string& name) const;
    template <class T>
    T& get(const std::string& name) const {
        T* control = qobject_cast<T*>(find(name));
        if (!control) Missing(name);
        return *control;
    }

  private:
    [[noreturn]] static void Missing(const std::string& name);
    void build(const ControlDef& def);
    void bind(const Binding& binding);

    std::unique_ptr<QWidget> top_;
    std::unordered_map<std::string, QObject*> controls_;
    std::function<void()> created_;
};

// The window the handlers act on: the one most recently built and not yet destroyed.
Window& TheWindow();
bool HasWindow();

template <class T>
T& Control(const std::string& name) {
    return TheWindow().get<T>(name);
}

}  // namespace marevisk
