#pragma once
// A main window on a fresh context: settings store and files in a temporary folder, stand-in
// editors for the windows built elsewhere, scripted answers and file choices.

#include <gtest/gtest.h>

#include <QAction>
#include <QSettings>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/context.h"
#include "app/ui/frm_main.h"
#include "app/ui/ui_text.h"
#include "files/templates.h"
#include "link/radio_commands.h"
#include "support/temp_dir.h"

namespace zb::test {

// An editor window that only counts how often it was made.
class StandInEditor : public QWidget {
public:
    explicit StandInEditor(const QString& name) { setObjectName(name); setWindowTitle(name); }
};

class FakeRadio : public RadioCommands {
public:
    bool available = true;
    std::vector<std::string> calls;
    bool Available() const override { return available; }
    void ReadFromRadio() override { calls.push_back("read"); }
    void WriteToRadio() override { calls.push_back("write"); }
    void WriteToGroup() override { calls.push_back("group"); }
    void ReadRmgData(bool clearImage) override { calls.push_back(clearImage ? "rmg+clear" : "rmg"); }
    void WriteRadioInfo() override { calls.push_back("radioinfo"); }
};

struct MainWindowFixture : ::testing::Test {
    TempDir dir;
    AppContext ctx;
    ScriptedPrompter& prompts = ctx.defaultPrompter;
    std::unique_ptr<ui::frmMain> main;
    int tableMade = 0;
    int featuresMade = 0;
    std::optional<std::string> nextFile;
    std::vector<std::string> chooserCalls;  // "open" or "save:<preset>"

    void SetUp() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ui::Qs(dir / "store"));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, ui::Qs(dir / "store"));
        ctx.folders.programFolder = dir / "prog";
        ctx.settings.settingsPath = dir / "mysetup.ini";
        ctx.versions.Firm = {{"V200", "V200"}};
        StartupInit(ctx);
    }
    void TearDown() override { main.reset(); }

    // Makes and loads the window; tweak ctx before.
    void Open() {
        main = std::make_unique<ui::frmMain>(ctx);
        main->Children().Register(kChannelTableKey, [this](AppContext&) {
            ++tableMade;
            return new StandInEditor(kChannelTableKey);
        });
        main->Children().Register(kOptFeaturesKey, [this](AppContext&) {
            ++featuresMade;
            return new StandInEditor(kOptFeaturesKey);
        });
        main->SetFileChooser([this](bool save, const std::string& preset) {
            chooserCalls.push_back(save ? "save:" + preset : "open");
            return nextFile;
        });
        main->Form_Load();
        main->show();
    }

    QAction* Action(const char* name) const {
        QAction* a = main->findChild<QAction*>(name);
        EXPECT_NE(a, nullptr) << name;
        return a;
    }
    std::string Title() const { return ui::Std(main->windowTitle()); }
    QStringList Keys() const { return main->OpenChildKeys(); }
    std::vector<std::string> Shown() const {
        std::vector<std::string> texts;
        for (const Message& m : prompts.messages) texts.push_back(m.text);
        return texts;
    }
};

}  // namespace zb::test
