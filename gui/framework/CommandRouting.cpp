#include "gui/framework/CommandRouting.h"

#include <QAction>

namespace gridtally::gui {

void CommandTarget::OnCommand(int id, Handler handler, Enabler enabled) {
    handlers_[id] = {std::move(handler), std::move(enabled)};
}

bool CommandTarget::CanHandle(int id) const {
    auto it = handlers_.find(id);
    return it != handlers_.end() && (!it->second.enabled || it->second.enabled());
}

bool CommandTarget::Handle(int id) const {
    if (!CanHandle(id)) return false;
    handlers_.at(id).handler();
    return true;
}

bool CommandRouter::Execute(int id) const {
    for (CommandTarget* target : route_()) {
        if (target && target->Handle(id)) return true;
    }
    return false;
}

bool CommandRouter::IsEnabled(int id) const {
    for (CommandTarget* target : route_()) {
        if (target && target->CanHandle(id)) return true;
    }
    return false;
}

void CommandRouter::Bind(QAction* action, int id) {
    actions_.emplace_back(action, id);
    connect(action, &QAction::triggered, this, [this, id] { Execute(id); });
    connect(action, &QObject::destroyed, this, [this, action] {
        std::erase_if(actions_, [action](const auto& bound) { return bound.first == action; });
    });
}

void CommandRouter::UpdateActions() const {
    for (const auto& [action, id] : actions_) action->setEnabled(IsEnabled(id));
}

}  // namespace gridtally::gui
