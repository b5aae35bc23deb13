#include "app/ui/frm_about.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include "app/context.h"
#include "app/ui/ui_text.h"
#include "base/messages.h"

namespace zb::ui {
namespace {

constexpr TextTable kVersionWord{"Version ", "版本 "};
constexpr TextTable kDescription{"Programming software of the ZB_347RX 10-metre transceiver.",
                                 "ZB_347RX 十米波段对讲机写频软件。"};
constexpr TextTable kDisclaimer{"This software is provided as is, without warranty of any kind.",
                                "本软件按现状提供，不附带任何形式的担保。"};
constexpr TextTable kSystemInfo{"&System Info...", "系统信息(&S)..."};
constexpr const char* kNoSystemInfo = "此时系统信息不可用";

}  // namespace

FrmAbout::FrmAbout(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    const bool english = ctx_.settings.LanguageIndex == kEnglish;
    setObjectName(english ? "FrmAbout2" : "frmAbout");
    setWindowTitle(QStringLiteral("ZB_347RX"));
    QString version = QCoreApplication::applicationVersion();
    if (version.isEmpty()) version = QStringLiteral("2.0.0");
    auto* column = new QVBoxLayout(this);
    auto add = [column](const QString& text, const char* name) {
        auto* label = new QLabel(text);
        label->setObjectName(name);
        label->setWordWrap(true);
        column->addWidget(label);
    };
    add(QStringLiteral("ZB_347RX"), "lblTitle");
    add(Tr(ctx_, kVersionWord) + version, "lblVersion");
    add(Tr(ctx_, kDescription), "lblDescription");
    add(Tr(ctx_, kDisclaimer), "lblDisclaimer");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    if (!english) {
        // The system information viewer is a Windows program; it is never found here.
        auto* sysInfo = new QPushButton(Tr(ctx_, kSystemInfo));
        sysInfo->setObjectName("cmdSysInfo");
        connect(sysInfo, &QPushButton::clicked, this,
                [this] { ctx_.prompter->Show(kNoSystemInfo, Icon::Information); });
        buttons->addWidget(sysInfo);
    }
    auto* ok = new QPushButton(Tr(ctx_, msg::OkButton));
    ok->setObjectName("cmdOK");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(ok);
    column->addLayout(buttons);
}

}  // namespace zb::ui
