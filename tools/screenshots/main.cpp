// Pictures of the program's windows for the documentation: the main window with the channel
// table, every editor it can open and the dialogs, in English and in Chinese, saved as PNG.
//
//   zb347rx-screenshots <output folder> [--scale 0.75]
//
// Starts like the program (same start-up sequence, the executable's folder as program folder)
// but on a temporary base folder and settings store, so the user's settings stay untouched.
// Messages go to a scripted prompter and are listed on stderr instead of blocking; any message,
// or a window that cannot be made or saved, makes the exit status 1.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/context.h"
#include "app/main_commands.h"
#include "app/startup.h"
#include "app/ui/frm_about.h"
#include "app/ui/frm_main.h"
#include "app/ui/frm_model_info.h"
#include "app/ui/frm_set_language.h"
#include "app/ui/frm_splash.h"
#include "app/ui/ui_text.h"
#include "base/text_table.h"
#include "channels/channel_edit.h"
#include "channels/ui/frm_print_list.h"
#include "codeplug/tone_tables.h"
#include "link/link_radio_commands.h"
#include "link/port_numbers.h"
#include "link/qt/qt_port_directory.h"
#include "link/qt/qt_timer.h"
#include "link/ui/frm_com_set.h"
#include "link/ui/frm_emg.h"
#include "link/ui/frm_m_progress.h"
#include "link/ui/frm_mul_set.h"
#include "link/ui/frm_progress.h"
#include "link/ui/frm_radio_info.h"
#include "link/ui/frm_radio_info_set.h"
#include "testmode/ui/frm_test_mode.h"
#include "testmode/ui/frm_test_mode_para.h"

namespace {

struct Options {
    QString outFolder;
    double scale = 1.0;
};

// Lets layouts, timers and pending paints run for a moment.
void Settle(int ms = 150) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

class Shooter {
public:
    Shooter(const Options& options, const char* suffix) : options_(options), suffix_(suffix) {}

    bool Save(QWidget* widget, const QString& name) {
        if (widget == nullptr) {
            std::fprintf(stderr, "no window for %s\n", qPrintable(name));
            return false;
        }
        QImage image = widget->grab().toImage();
        if (options_.scale != 1.0)
            image = image.scaledToWidth(int(image.width() * options_.scale), Qt::SmoothTransformation);
        const QString path = options_.outFolder + "/" + name + "_" + suffix_ + ".png";
        if (!image.save(path, "PNG")) {
            std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
            return false;
        }
        std::printf("%s\n", qPrintable(path));
        return true;
    }

private:
    const Options& options_;
    QString suffix_;
};

// Copies a file of the source tree's data folder into the temporary base folder.
int ToneIndex(const std::string& text) {
    for (int i = 0; i < zb::kToneIndexCount; ++i)
        if (zb::ToneListText(i) == text) return i;
    return 0;
}

// A few channels of the first group, entered through the channel table's rules, so the table
// shows more than the template's single channel.
void EnterSampleChannels(zb::AppContext& ctx) {
    struct Sample {
        int channel;
        const char* rx;
        const char* tx;
        const char* tone;  // encoder tone, "" for none
        int shift;         // 0 off, 1 +100K, 2 -100K
    };
    const Sample samples[] = {
        {2, "28.500000", "28.500000", "", 0},   {3, "29.300000", "29.300000", "", 0},
        {4, "29.600000", "29.600000", "", 0},   {5, "29.620000", "29.520000", "67.0", 2},
        {6, "29.640000", "29.540000", "88.5", 2},
    };
    const int16_t currentGroup = ctx.Doc.Data.CurrentGroup;
    ctx.Doc.Data.CurrentGroup = 0;
    for (const Sample& s : samples) {
        zb::EditChannelField(ctx, s.channel, zb::kFieldRxFreq, std::string_view(s.rx));
        zb::EditChannelField(ctx, s.channel, zb::kFieldTxFreq, std::string_view(s.tx));
        if (*s.tone) zb::EditChannelField(ctx, s.channel, zb::kFieldEncTone, ToneIndex(s.tone));
        if (s.shift != 0) {
            zb::EditChannelField(ctx, s.channel, zb::kFieldRepEnable, 1);
            zb::EditChannelField(ctx, s.channel, zb::kFieldRepShift, s.shift);
        }
    }
    ctx.Doc.Data.CurrentGroup = currentGroup;
}

bool CopyData(const QString& relative, const QString& baseFolder) {
    const QString target = baseFolder + "/" + relative;
    QDir().mkpath(QFileInfo(target).path());
    QFile::remove(target);
    return QFile::copy(QStringLiteral(ZB_DATA_DIR "/") + relative, target);
}

// One language: a fresh base folder, settings store and context, as on a first run.
bool ShootLanguage(const Options& options, int language, const char* suffix) {
    QTemporaryDir temp;
    if (!temp.isValid()) return false;
    const QString base = temp.path();
    if (!CopyData("Version.ini", base) || !CopyData("language/mysetup.ini", base)) {
        std::fprintf(stderr, "cannot copy the base folder files from %s\n", ZB_DATA_DIR);
        return false;
    }
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, base + "/store");
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, base + "/store");

    zb::AppContext ctx;
    zb::StartupOptions startup;
    startup.baseFolder = zb::ui::Std(base);
    startup.userConfigFolder = zb::ui::Std(base + "/user");
    startup.systemLanguage = language;
    zb::RunStartup(ctx, startup);

    zb::PortNumbers portNumbers;
    zb::QtPortDirectory ports(portNumbers);
    zb::QtTimerFactory timers;
    ctx.ports = &ports;
    ctx.timers = &timers;
    zb::LinkRadioCommands radio(ctx);

    Shooter shoot(options, suffix);
    bool ok = true;

    {
        zb::ui::frmSplash splash(ctx);
        splash.show();
        Settle();
        ok &= shoot.Save(&splash, "frmSplash");
        splash.Finish();
    }

    auto main = std::make_unique<zb::ui::frmMain>(ctx);
    main->SetRadioCommands(&radio);
    main->Form_Load();  // opens the channel table on a new document
    main->CloseAllChildren();
    EnterSampleChannels(ctx);
    main->ShowChild(zb::kChannelTableKey);
    main->resize(1100, 720);
    main->show();
    main->move(0, 0);
    Settle(300);
    ok &= shoot.Save(main.get(), "frmMain");

    // Each editor on its own, in its frame inside the main window.
    for (const char* key : {zb::kChannelTableKey, zb::kOptFeaturesKey, zb::kToneTipsKey,
                            zb::kScanInfoKey, zb::kResetModeKey, zb::kEmbMsgKey,
                            zb::kKeyAssignmKey, zb::kDtmfKey, zb::kFleetSyncKey, zb::kTestFreKey}) {
        if (!main->Children().Has(key)) continue;
        main->CloseAllChildren();
        main->ShowChild(key);
        Settle();
        QWidget* child = main->Child(key);
        ok &= shoot.Save(child ? child->parentWidget() : nullptr, key);
    }

    // The dialogs, each shown modeless over the main window.
    const std::vector<std::pair<QString, std::function<QWidget*()>>> dialogs = {
        {"FrmAbout", [&] { return new zb::ui::FrmAbout(ctx, main.get()); }},
        {"FrmComSet", [&] { return new zb::ui::FrmComSet(ctx, main.get()); }},
        {"FrmEMG", [&] { return new zb::ui::FrmEMG(ctx, main.get()); }},
        {"FrmModelInfo", [&] { return new zb::ui::FrmModelInfo(ctx, main.get()); }},
        {"FrmRadioInfoSet", [&] { return new zb::ui::FrmRadioInfoSet(ctx, main.get()); }},
        {"FrmSetLanguage", [&] { return new zb::ui::FrmSetLanguage(ctx, main.get()); }},
        {"FrmProgress",
         [&] {
             auto* progress = new zb::ui::FrmProgress(ctx, main.get());
             progress->ShowPercent(40);
             return progress;
         }},
        {"FrmMulSet", [&] { return new zb::ui::FrmMulSet(ctx, main.get()); }},
        {"frmMProgress",
         [&] {
             ctx.link.group.radioCount = 3;
             auto* progress = new zb::ui::frmMProgress(ctx, main.get());
             progress->SetRadioNumber(2);
             progress->ShowPercent(40);
             return progress;
         }},
        {"FrmRadioInfo", [&] { return new zb::ui::FrmRadioInfo(ctx, main.get()); }},
        // The service windows' dialog (their child windows are drawn with the editors above).
        {"FrmPrintList", [&] { return new zb::ui::FrmPrintList(ctx, main.get()); }},
    };
    for (const auto& [name, make] : dialogs) {
        std::unique_ptr<QWidget> dialog(make());
        dialog->show();
        Settle();
        ok &= shoot.Save(dialog.get(), name);
        dialog->close();
    }

    // The factory test mode's windows, on the test channels and alignment values of a radio
    // (no port is open, so nothing is sent).
    {
        auto& t = ctx.testMode;
        t.channels = {{1, "28015000", "28015000"}, {2, "28505000", "28505000"}, {3, "29685000", "29685000"}};
        for (int item = 0; item < zb::kAlignmentItemCount; ++item)
            for (int level = 0; level < zb::kLevelCount; ++level)
                t.alignment[item][level] = static_cast<uint8_t>(60 + 20 * level + item);
        auto* test = new zb::ui::FrmTestMode(ctx, main.get());
        test->show();
        Settle();
        ok &= shoot.Save(test, "FrmTestMode");
        t.selectedItem = 1;
        test->OpenItemWindow();
        Settle();
        ok &= shoot.Save(test->ItemWindow(), "FrmTestModePara");
        test->close();
        t = zb::TestModeState{};
    }

    main->CloseAllChildren();
    main.reset();
    // A message here is a failure trapped inside a window (or a missing file).
    for (const zb::Message& m : ctx.defaultPrompter.messages) {
        std::fprintf(stderr, "[%s] message: %s\n", suffix, m.text.c_str());
        ok = false;
    }
    return ok;
}

}  // namespace

constexpr const char* kUsage =
    "Usage: zb347rx-screenshots OUTPUT-FOLDER [--scale F]\n"
    "Writes pictures of every window, in English and Chinese, into OUTPUT-FOLDER.\n"
    "  --scale F   size factor of the pictures, above 0 and at most 4 (default 1)\n"
    "A folder whose name starts with \"-\" follows \"--\".\n";

int main(int argc, char** argv) {
    // Help is answered before any window system is needed, and never makes a folder.
    for (int i = 1; i < argc && std::string_view(argv[i]) != "--"; ++i) {
        if (std::string_view(argv[i]) == "--help" || std::string_view(argv[i]) == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("ZB_347RX");
    QApplication::setOrganizationName("ZB_347RX");

    Options options;
    const QStringList args = app.arguments();
    bool onlyFolder = false;
    for (int i = 1; i < args.size(); ++i) {
        if (!onlyFolder && args[i] == "--") {
            onlyFolder = true;
        } else if (!onlyFolder && args[i] == "--scale" && i + 1 < args.size()) {
            options.scale = args[++i].toDouble();
        } else if (!onlyFolder && args[i].startsWith("--scale=")) {
            options.scale = args[i].mid(8).toDouble();
        } else if (options.outFolder.isEmpty() && (onlyFolder || !args[i].startsWith("-"))) {
            options.outFolder = args[i];
        } else {
            std::fputs(kUsage, stderr);
            return 2;
        }
    }
    if (options.outFolder.isEmpty() || options.scale <= 0.0 || options.scale > 4.0) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    QDir().mkpath(options.outFolder);

    bool ok = ShootLanguage(options, zb::kEnglish, "en");
    ok &= ShootLanguage(options, zb::kChinese, "zh");
    return ok ? 0 : 1;
}
