// Channel lists from the File menu: export of the current group, the import dialog with its
// refused rows and replace check box.
#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "app/file_util.h"
#include "channels/channel_edit.h"
#include "channels/ui/csv_import_dialog.h"
#include "codeplug/text_util.h"
#include "main_window_fixture.h"

using namespace zb;
using namespace zb::test;

namespace {

struct CsvMenu : MainWindowFixture {
    std::string csvPath;
    void SetUp() override {
        MainWindowFixture::SetUp();
        csvPath = dir / "list.csv";
        ui::CsvChooser() = [this](QWidget*, bool, const std::string&) { return std::optional(csvPath); };
    }
    void TearDown() override {
        ui::CsvChooser() = nullptr;
        MainWindowFixture::TearDown();
    }
    std::vector<int> ChNos(int g) const {
        std::vector<int> out;
        for (int j = 0; j < UsedChannels(ctx.Doc.Data, g); ++j) out.push_back(ctx.Doc.Channels[j][g].ChNo);
        std::sort(out.begin(), out.end());
        return out;
    }
    // Triggers Import and lets act() work on the dialog while it is open.
    void Import(std::function<void(ui::FrmCsvImport*)> act) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<ui::FrmCsvImport*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            seen = true;
            act(dialog);
        });
        Action("mnuImportCsv")->trigger();
        EXPECT_TRUE(seen);
    }
};

QString Report(ui::FrmCsvImport* d) { return d->findChild<QPlainTextEdit*>("txtReport")->toPlainText(); }
QPushButton* Button(ui::FrmCsvImport* d, const char* name) { return d->findChild<QPushButton*>(name); }

}  // namespace

TEST_F(CsvMenu, ExportThenImportOnTheCurrentGroup) {
    Open();
    ctx.Doc.Data.CurrentGroup = 2;
    ctx.Doc.Data.Groups[2].ChannelCount = 0;
    for (int ch : {4, 7}) AddChannel(ctx, ch, 2, "28.400000");
    Action("mnuExportCsv")->trigger();
    ASSERT_FALSE(Shown().empty());
    EXPECT_EQ(Shown().back(), "Channels exported to " + csvPath + ": 2.");

    // Into another group whose channel 9 stays unless the group is replaced.
    ctx.Doc.Data.CurrentGroup = 5;
    ctx.Doc.Data.Groups[5].ChannelCount = 0;
    AddChannel(ctx, 9, 5, "29.000000");
    Import([](ui::FrmCsvImport* d) {
        EXPECT_TRUE(Report(d).contains("Channels that would be imported into group 6: 2.")) << ui::Std(Report(d));
        EXPECT_EQ(Button(d, "cmdImport")->text(), "&Import");
        d->findChild<QCheckBox*>("chkReplace")->setChecked(true);
        Button(d, "cmdImport")->click();
    });
    EXPECT_EQ(ChNos(5), (std::vector<int>{4, 7}));
    EXPECT_EQ(Shown().back(), "Channels imported into group 6: 2.");
}

TEST_F(CsvMenu, RefusedRowsAreListedAndNothingChangesUnlessAccepted) {
    Open();
    ctx.Doc.Data.CurrentGroup = 0;
    const Codeplug before = ctx.Doc;
    ASSERT_TRUE(WriteFileAtomically(csvPath, "Location,Frequency,Duplex\n1,28.1,\n2,28.2,off\n"));
    Import([](ui::FrmCsvImport* d) {
        EXPECT_TRUE(Report(d).contains("line 3: Duplex \"off\"")) << ui::Std(Report(d));
        EXPECT_EQ(Button(d, "cmdImport")->text(), "Import the other rows");
        Button(d, "cmdCancel")->click();
    });
    EXPECT_TRUE(ctx.Doc.Data == before.Data && ctx.Doc.Channels == before.Channels);

    Import([](ui::FrmCsvImport* d) { Button(d, "cmdImport")->click(); });
    EXPECT_EQ(CleanText(ctx.Doc.Channels[0][0].RxFreq), "28100000");

    // A VFO in the channel table: no group to import into.
    ctx.Doc.Data.CurrentGroup = kVfoAGroup;
    const std::size_t shown = Shown().size();
    Action("mnuImportCsv")->trigger();
    ASSERT_EQ(Shown().size(), shown + 1);
    EXPECT_EQ(Shown().back(), "Choose a channel group (1..20) in the channel table first.");
}

TEST_F(CsvMenu, AFileThatIsNoChannelListIsRefusedWithItsReason) {
    Open();
    ASSERT_TRUE(WriteFileAtomically(csvPath, "Name,Freq\nx,28.1\n"));
    const Codeplug before = ctx.Doc;
    Action("mnuImportCsv")->trigger();  // no dialog: a message
    ASSERT_FALSE(Shown().empty());
    EXPECT_TRUE(Shown().back().starts_with("The file has no Location column")) << Shown().back();
    EXPECT_TRUE(ctx.Doc.Data == before.Data);
}
