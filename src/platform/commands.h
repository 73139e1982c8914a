#pragma once

#include <functional>
#include <map>

// A window's response table: command id to handler, so menus, buttons, keys and
// tests all reach a handler the same way.
class CommandTable {
public:
    using Handler = std::function<void()>;
    void add(int id, Handler handler) { handlers_[id] = std::move(handler); }
    bool has(int id) const { return handlers_.count(id) != 0; }
    // Returns false when the id has no handler.
    bool dispatch(int id) const {
        auto it = handlers_.find(id);
        if (it == handlers_.end())
            return false;
        it->second();
        return true;
    }

private:
    std::map<int, Handler> handlers_;
};
