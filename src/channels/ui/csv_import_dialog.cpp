#include "channels/ui/csv_import_dialog.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/context.h"
#include "app/file_util.h"
#include "app/ui/ui_text.h"
#include "channels/csv_texts.h"

namespace zb::ui {
namespace {

std::optional<std::string> FileDialogChooser(QWidget* parent, bool save, const std::string& preset,
                                             const AppContext& ctx) {
    QFileDialog dialog(parent, QString(), QString(), Tr(ctx, csvtext::FileFilter));
    dialog.setObjectName("dlgCsvFile");
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (save && !preset.empty()) dialog.selectFile(Qs(preset));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return Std(dialog.selectedFiles().front());
}

std::string Fill(const AppContext& ctx, const TextTable& t, const std::vector<std::string>& v) {
    return csvtext::FillText(Text(ctx, t), v);
}

// The channel table's group, or nothing (with the message) when a VFO is shown.
std::optional<int> CurrentChannelGroup(AppContext& ctx) {
    const int g = ctx.Doc.Data.CurrentGroup;
    if (g >= 0 && g < kGroupCount) return g;
    ctx.prompter->Show(Text(ctx, csvtext::ChooseGroup), Icon::Information);
    return std::nullopt;
}

}  // namespace

CsvFileChooser& CsvChooser() {
    static CsvFileChooser chooser;
    return chooser;
}

void ExportChannelsCsv(AppContext& ctx, QWidget* parent) {
    const auto group = CurrentChannelGroup(ctx);
    if (!group) return;
    const std::string preset = "group" + std::to_string(*group + 1) + ".csv";
    const auto path = CsvChooser() ? CsvChooser()(parent, true, preset)
                                   : FileDialogChooser(parent, true, preset, ctx);
    if (!path) return;
    const CsvExport out = zb::ExportChannelsCsv(ctx, *group);
    if (!WriteFileAtomically(*path, out.text)) {
        ctx.prompter->Show(Fill(ctx, csvtext::WriteFailed, {*path}), Icon::Critical);
        return;
    }
    ctx.prompter->Show(Fill(ctx, csvtext::Exported, {std::to_string(out.rows), *path}),
                       Icon::Information);
}

void ImportChannelsCsv(AppContext& ctx, QWidget* parent) {
    const auto group = CurrentChannelGroup(ctx);
    if (!group) return;
    const auto path = CsvChooser() ? CsvChooser()(parent, false, {})
                                   : FileDialogChooser(parent, false, {}, ctx);
    if (!path) return;
    auto text = ReadFileBytes(*path);
    if (!text) {
        ctx.prompter->Show(Fill(ctx, csvtext::ReadFailed, {*path}), Icon::Critical);
        return;
    }
    FrmCsvImport dialog(ctx, std::move(*text), *group, parent);
    if (!dialog.Plan().fatal.empty()) {  // no channel list at all: nothing to choose
        ctx.prompter->Show(CsvImportReport(ctx, dialog.Plan(), false), Icon::Warning);
        return;
    }
    if (dialog.exec() != QDialog::Accepted || !dialog.Plan().CanApply()) return;
    ApplyCsvImport(ctx, dialog.Plan());
    ctx.prompter->Show(
        Fill(ctx, csvtext::Imported, {std::to_string(dialog.Plan().accepted.size()), std::to_string(*group + 1)}),
        Icon::Information);
}

FrmCsvImport::FrmCsvImport(AppContext& ctx, std::string text, int group, QWidget* parent)
    : QDialog(parent), ctx_(ctx), text_(std::move(text)), group_(group) {
    setObjectName("FrmCsvImport");
    setWindowTitle(Tr(ctx_, csvtext::ImportTitle));
    auto* layout = new QVBoxLayout(this);
    report_ = new QPlainTextEdit(this);
    report_->setObjectName("txtReport");
    report_->setReadOnly(true);
    report_->setLineWrapMode(QPlainTextEdit::NoWrap);
    report_->setMinimumSize(560, 240);
    layout->addWidget(report_);
    replace_ = new QCheckBox(Tr(ctx_, csvtext::ReplaceBox), this);
    replace_->setObjectName("chkReplace");
    layout->addWidget(replace_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    import_ = new QPushButton(this);
    import_->setObjectName("cmdImport");
    auto* cancel = new QPushButton(Tr(ctx_, csvtext::CancelButton), this);
    cancel->setObjectName("cmdCancel");
    buttons->addWidget(import_);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(import_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(replace_, &QCheckBox::toggled, this, [this] { Replan(); });
    Replan();
}

void FrmCsvImport::Replan() {
    plan_ = PlanCsvImport(ctx_, text_, group_, replace_->isChecked());
    std::string report = CsvImportReport(ctx_, plan_, false, true);
    // The dialog's own buttons decide; the report's closing line would say otherwise.
    const std::string nothing = Text(ctx_, csvtext::NothingChanged) + "\n";
    if (report.ends_with(nothing)) report.resize(report.size() - nothing.size());
    report_->setPlainText(Qs(report));
    import_->setText(Tr(ctx_, plan_.refused.empty() ? csvtext::ImportButton : csvtext::ImportRefusedRows));
    import_->setEnabled(plan_.CanApply());
    import_->setDefault(plan_.refused.empty());
}

}  // namespace zb::ui
