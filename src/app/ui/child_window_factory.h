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
    // Commits an edit still in progress in a window the maker made (before a write).
    using Committer = std::function<void(QWidget*)>;

    void Register(const QString& key, Maker maker, Committer commit = {}) {
        makers_[key] = std::move(maker);
        committers_[key] = std::move(commit);
    }
    bool Has(const QString& key) const { return makers_.count(key) != 0; }
    // A new window, or nullptr when the key is not registered.
    QWidget* Make(const QString& key, AppContext& ctx) const {
        const auto it = makers_.find(key);
        return it == makers_.end() ? nullptr : it->second(ctx);
    }
    void Commit(const QString& key, QWidget* window) const {
        const auto it = committers_.find(key);
        if (it != committers_.end() && it->second) it->second(window);
    }

private:
    std::map<QString, Maker> makers_;
    std::map<QString, Committer> committers_;
};

// Editors that hold an edit in progress commit it when asked (before a write to the radio).
class PendingEditCommitter {
public:
    virtual ~PendingEditCommitter() = default;
    virtual void CommitPendingEdits() = 0;
};

}  // namespace zb::ui
