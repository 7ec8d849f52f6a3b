// SPDX-License-Identifier: MIT
#include "forms.h"

#include "runtime_error.h"

#include <algorithm>
#include <map>
#include <optional>

namespace {

struct Declared {
    QString name;
    std::type_index type;
    Form *(*make)();
};

struct Registry {
    std::vector<Declared> declared;
    std::vector<std::pair<std::type_index, Form *>> loaded; // in the order they were loaded
    std::optional<std::type_index> startup;
    std::function<void()> onNoFormLoaded;
    std::function<void(Form &)> onFormCreated;
};

Registry &registry()
{
    static Registry instance;
    return instance;
}

} // namespace

Form *Forms::find(std::type_index type)
{
    for (const auto &[loadedType, form] : registry().loaded) {
        if (loadedType == type)
            return form;
    }
    return nullptr;
}

Form &Forms::load(std::type_index type, Factory make)
{
    if (Form *form = find(type))
        return *form;
    Form *form = make();
    registry().loaded.emplace_back(type, form);
    if (registry().onFormCreated)
        registry().onFormCreated(*form);
    form->runFormLoad();
    return *form;
}

void Forms::declare(const QString &name, std::type_index type, Factory make)
{
    for (const Declared &declared : registry().declared) {
        if (declared.name == name)
            return;
    }
    registry().declared.push_back({name, type, make});
}

Form &Forms::get(QStringView name)
{
    for (const Declared &declared : registry().declared) {
        if (declared.name == name)
            return load(declared.type, declared.make);
    }
    throw RuntimeError(RuntimeError::ObjectRequired,
                       QStringLiteral(QT_TRANSLATE_NOOP("RuntimeError", "Object required")), name.toString());
}

Form &Forms::show(QStringView name)
{
    Form &form = get(name);
    form.bringToFront();
    return form;
}

bool Forms::isLoaded(QStringView name)
{
    const auto &loaded = registry().loaded;
    return std::any_of(loaded.begin(), loaded.end(),
                       [name](const auto &entry) { return entry.second->name() == name; });
}

void Forms::setStartupForm(std::type_index type)
{
    registry().startup = type;
}

void Forms::setOnNoFormLoaded(std::function<void()> action)
{
    registry().onNoFormLoaded = std::move(action);
}

void Forms::setOnFormCreated(std::function<void(Form &)> action)
{
    registry().onFormCreated = std::move(action);
}

std::vector<Form *> Forms::loaded()
{
    std::vector<Form *> forms;
    for (const auto &entry : registry().loaded)
        forms.push_back(entry.second);
    return forms;
}

void Forms::unload(Form *form)
{
    auto &loaded = registry().loaded;
    const auto entry = std::find_if(loaded.begin(), loaded.end(), [form](const auto &e) { return e.second == form; });
    if (entry == loaded.end())
        return;
    loaded.erase(entry);
    form->hide();
    // Deleted once the event that closed it has finished with it.
    form->deleteLater();

    if (loaded.empty()) {
        if (registry().onNoFormLoaded)
            registry().onNoFormLoaded();
        return;
    }
    // Never leave the program running with no window the user can reach.
    const bool anyVisible =
        std::any_of(loaded.begin(), loaded.end(), [](const auto &e) { return e.second->isVisible(); });
    if (anyVisible)
        return;
    // A window that was hidden (the main window while the solver shows the view) comes back. One that the user never
    // saw since it was loaded (a main window the user closed, loaded again by a figure button) is no reason to go on:
    // the user closed the last window they had, and the program ends.
    Form *toShow = nullptr;
    for (const auto &[type, loadedForm] : loaded) {
        if (loadedForm->hasBeenSeen() && (!toShow || (registry().startup && type == *registry().startup)))
            toShow = loadedForm;
    }
    if (toShow) {
        toShow->bringToFront();
        return;
    }
    while (!loaded.empty())
        unload(loaded.back().second);
}

void Forms::unloadAll()
{
    auto &loaded = registry().loaded;
    while (!loaded.empty()) {
        Form *form = loaded.back().second;
        loaded.pop_back();
        delete form;
    }
}
