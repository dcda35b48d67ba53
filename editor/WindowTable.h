#pragma once
// The windows that Main opens, by name. main.cpp registers the real ones; tests
// register fakes. Opening a name that nobody registered does nothing.
#include <QString>
#include <functional>
#include <map>

namespace korv {

class Main;

class WindowTable {
public:
    using Opener = std::function<void(Main&)>;
    void add(const QString& name, Opener opener) { openers_[name] = std::move(opener); }
    bool has(const QString& name) const { return openers_.count(name) != 0; }
    // Shows the window modally; returns when it has closed. False when not registered.
    bool open(const QString& name, Main& main) const {
        const auto it = openers_.find(name);
        if (it == openers_.end() || !it->second) return false;
        it->second(main);
        return true;
    }

private:
    std::map<QString, Opener> openers_;
};

// The usual opener: each showing makes the window afresh and waits until it has closed.
template <class Form> void showModal(Main& m) {
    Form f(m);
    f.exec();
}

} // namespace korv
