#pragma once
// How the main window makes its child windows: each editor registers a maker under its key
// (its window name). A key without a maker opens nothing.

#include <QString>
#include <functional>
#include <map>

class QWidget;

namespace zb {
struct AppContext;
}

namespace zb::ui {

class ChildWindowFactory {
public:
    using Maker = std::function<QWidget*(AppContext&)>;

    void Register(const QString& key, Maker maker) { makers_[key] = std::move(maker); }
    bool Has(const QString& key) const { return makers_.count(key) != 0; }
    // A new window, or nullptr when the key is not registered.
    QWidget* Make(const QString& key, AppContext& ctx) const {
        const auto it = makers_.find(key);
        return it == makers_.end() ? nullptr : it->second(ctx);
    }

private:
    std::map<QString, Maker> makers_;
};

// Editors that hold an edit in progress commit it when asked (before a write to the radio).
class PendingEditCommitter {
public:
    virtual ~PendingEditCommitter() = default;
    virtual void CommitPendingEdits() = 0;
};

}  // namespace zb::ui
