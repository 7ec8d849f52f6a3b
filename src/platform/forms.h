// SPDX-License-Identifier: MIT
#pragma once

#include "form.h"

#include <QString>

#include <functional>
#include <typeindex>
#include <vector>

// One application-wide instance per window class. Naming a window that is not loaded creates it and runs its
// Form_Load without showing it. Closing a window with its close box unloads it; the program ends when no window is
// loaded any more, and while windows are loaded at least one of them is visible.
class Forms
{
public:
    // The window class of that name, so that a window can name another without knowing its class: the program
    // declares each window once at start.
    template <class F>
    static void declare(const QString &name)
    {
        declare(name, typeid(F), [] { return static_cast<Form *>(new F); });
    }

    template <class F>
    static F &get()
    {
        return static_cast<F &>(load(typeid(F), [] { return static_cast<Form *>(new F); }));
    }
    // The window of a declared name, loaded if it is not; a name never declared raises a runtime error.
    static Form &get(QStringView name);
    static Form &show(QStringView name);
    static bool isLoaded(QStringView name);

    // Loads the window if it is not loaded, then shows it: visible, in front, not modal.
    template <class F>
    static F &show()
    {
        F &form = get<F>();
        form.bringToFront();
        return form;
    }

    template <class F>
    static bool isLoaded()
    {
        return find(typeid(F)) != nullptr;
    }

    // The window shown again when a close leaves every loaded window hidden.
    template <class F>
    static void setStartupForm()
    {
        setStartupForm(typeid(F));
    }

    // Discards the window and its controls; no procedure runs.
    static void unload(Form *form);
    static void unloadAll();
    static std::vector<Form *> loaded();

    // Runs when the last window has been unloaded: the program ends.
    static void setOnNoFormLoaded(std::function<void()> action);
    // Runs for each window as it is created, before its Form_Load: the layers above add what every window has.
    static void setOnFormCreated(std::function<void(Form &)> action);

private:
    using Factory = Form *(*)();
    static void declare(const QString &name, std::type_index type, Factory make);
    static Form &load(std::type_index type, Factory make);
    static Form *find(std::type_index type);
    static void setStartupForm(std::type_index type);
};
