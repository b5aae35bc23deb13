#include "link/ui/frm_cable_check.h"

#include <QBoxLayout>
#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/context.h"
#include "base/messages.h"
#include "app/ui/ui_layout.h"
#include "app/ui/ui_text.h"
#include "base/platform_paths.h"
#include "base/timer.h"
#include "base/trapped.h"
#include "link/cable_doctor.h"
#include "link/doctor_texts.h"
#include "link/port_numbers.h"

namespace zb::ui {

namespace dm = msg::doctor;

FrmCableCheck::FrmCableCheck(AppContext& ctx, int port, QWidget* parent)
    : QDialog(parent), ctx_(ctx), text_(new QPlainTextEdit), copy_(new QPushButton), close_(new QPushButton) {
    setObjectName("FrmCableCheck");
    text_->setObjectName("Text1");
    copy_->setObjectName("CommandCopy");
    close_->setObjectName("CommandClose");
    setWindowTitle(Tr(ctx_, dm::WindowCaption));
    copy_->setText(Tr(ctx_, dm::CopyButton));
    close_->setText(Tr(ctx_, msg::CloseButton));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    resize(760, 420);

    auto* rows = new QVBoxLayout(this);
    rows->addWidget(text_, 1);
    rows->addLayout(RightButtonRow({copy_, close_}));
    connect(copy_, &QPushButton::clicked, this, &FrmCableCheck::CopyReport);
    connect(close_, &QPushButton::clicked, this, &FrmCableCheck::reject);

    RunTrapped(*ctx_.prompter, "FrmCableCheck_Load", [&] {
        const int language = ctx_.settings.LanguageIndex;
        // The numbers the port list shows, as remembered from run to run.
        PortNumbers numbers(PortNumbersFile());
        report_ = Qs(FormatReport(CheckHost(ThisHost(), numbers, language), language));
        text_->setPlainText(report_);
        StartProbe(port);
    });
}

FrmCableCheck::~FrmCableCheck() = default;

QString FrmCableCheck::ReportText() const { return text_->toPlainText(); }

void FrmCableCheck::reject() {
    if (Probing()) return;
    QDialog::reject();
}

void FrmCableCheck::StartProbe(int port) {
    // A conversation that still waits for the radio keeps the line.
    const bool lineBusy = ctx_.link.waitTimer && ctx_.link.waitTimer->IsActive();
    if (port <= 0 || !ctx_.line || !ctx_.timers || lineBusy) return;
    const int language = ctx_.settings.LanguageIndex;
    const LineSettings settings{port, ctx_.settings.Handshaking, ctx_.settings.StopBit};
    const std::string name = "COM" + std::to_string(port);
    report_ += Qs(FormatFinding({FindingKind::Note, std::string(dm::RadioSubject[language]),
                                 ProbeSettingsText(name, settings, language)},
                                language)) +
               "\n";
    text_->setPlainText(report_ + Qs(FillText(dm::Probing[language], {name})));
    close_->setEnabled(false);
    probe_ = std::make_unique<RadioProbe>(ctx_);
    probe_->Start(settings, [this](const ProbeResult& result) { ProbeDone(result); });
}

void FrmCableCheck::ProbeDone(const ProbeResult& result) {
    RunTrapped(*ctx_.prompter, "FrmCableCheck_ProbeDone", [&] {
        const int language = ctx_.settings.LanguageIndex;
        report_ += Qs(FormatFinding(ProbeFinding(result, ctx_.identity.ModelName, language), language)) + "\n";
        text_->setPlainText(report_);
    });
    close_->setEnabled(true);
}

void FrmCableCheck::CopyReport() { QGuiApplication::clipboard()->setText(text_->toPlainText()); }

}  // namespace zb::ui
