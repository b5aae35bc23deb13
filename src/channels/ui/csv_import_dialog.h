#pragma once
// Channel lists in and out from the File menu: export of the channel table's current group,
// and import into it through a dialog that lists every refused row and offers to replace the
// whole group.

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "channels/channel_csv.h"

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace zb {
struct AppContext;
}

namespace zb::ui {

// Asks for a CSV file to read (save false) or to write (save true, preset file name).
using CsvFileChooser = std::function<std::optional<std::string>(QWidget* parent, bool save,
                                                                const std::string& preset)>;
// The chooser of the two commands: a file dialog unless a test put another one in.
CsvFileChooser& CsvChooser();

void ImportChannelsCsv(AppContext& ctx, QWidget* parent);
void ExportChannelsCsv(AppContext& ctx, QWidget* parent);

// What an import will do, before it does it: the refused rows with their lines and reasons,
// the notes and ignored columns, and the "replace the whole group" check box. Accepting is
// possible when at least one row can be imported; with refused rows the button says so.
class FrmCsvImport : public QDialog {
    Q_OBJECT
public:
    FrmCsvImport(AppContext& ctx, std::string text, int group, QWidget* parent = nullptr);
    const CsvImportPlan& Plan() const { return plan_; }

private:
    AppContext& ctx_;
    std::string text_;
    int group_;
    CsvImportPlan plan_;
    QPlainTextEdit* report_ = nullptr;
    QCheckBox* replace_ = nullptr;
    QPushButton* import_ = nullptr;

    void Replan();
};

}  // namespace zb::ui
