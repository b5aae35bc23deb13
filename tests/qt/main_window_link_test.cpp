// The main window with the radio link: its commands, the progress window and what the window
// shows when a conversation with a simulated radio ends.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "link/read_backup.h"
#include "link/ui/frm_progress.h"
#include "main_window_radio_fixture.h"

using namespace zb;
using namespace zb::test;

namespace {

struct MainWindowLink : MainWindowRadioFixture {
    std::vector<int> progressSeen;  // percent labels seen while the window was up

    // Runs the conversation to its end, noting the progress window on the way.
    void Run() {
        line.onWrite = [this](const Bytes&) {
            if (auto* p = main->Progress())
                progressSeen.push_back(p->findChild<QLabel*>("Label2")->text().chopped(1).toInt());
        };
        clock.Run();
    }
};

}  // namespace

TEST_F(MainWindowLink, ReadFromRadioShowsProgressThenTheReadDocument) {
    main->ShowChild(kOptFeaturesKey);
    ctx.document.path = "old.dat";
    ctx.document.untitled = false;
    Action("mnuReadFromRadio")->trigger();
    ASSERT_EQ(Shown().back(), "Read data from radio.\r\nDo you wish continue?");
    ASSERT_NE(main->Progress(), nullptr);  // up while the conversation runs
    EXPECT_TRUE(main->Progress()->isVisible());
    EXPECT_EQ(main->Progress()->windowTitle(), "Read data from radio");
    Run();
    EXPECT_EQ(Shown().back(), "Read Data Completed.");
    EXPECT_EQ(main->Progress(), nullptr);
    EXPECT_FALSE(progressSeen.empty());
    EXPECT_TRUE(std::is_sorted(progressSeen.begin(), progressSeen.end()));
    EXPECT_EQ(progressSeen.back(), 100);
    EXPECT_EQ(Keys(), QStringList{"frmCommChInfo"});  // every other child closed
    EXPECT_TRUE(ctx.document.untitled);
    EXPECT_EQ(ctx.document.path, "new.dat");
    EXPECT_EQ(ctx.link.CommMode, 0);

    // The read is kept as a backup: the image as read and the document decoded from it.
    const auto backups = QDir(QString::fromStdString(BackupFolder())).entryList(QDir::Files);
    ASSERT_GE(backups.size(), 3);
    const QString last = backups.filter(".img").last();
    QFile image(QString::fromStdString(BackupFolder()) + "/" + last);
    ASSERT_TRUE(image.open(QIODevice::ReadOnly));
    const QByteArray bytes = image.readAll();
    ASSERT_EQ(bytes.size(), 16384);
    EXPECT_TRUE(std::equal(ctx.Image.begin(), ctx.Image.end(),
                           reinterpret_cast<const uint8_t*>(bytes.constData())));
}

// Nothing but the end of its conversation closes the progress window, so the main window stays
// blocked and the read cannot be overwritten by edits made meanwhile.
TEST_F(MainWindowLink, EscapeAndCloseLeaveTheProgressWindowUpAndTheReadCompletes) {
    Action("mnuReadFromRadio")->trigger();
    QPointer<ui::FrmProgress> progress = main->Progress();
    ASSERT_FALSE(progress.isNull());
    clock.Run(clock.now + 20);  // under way
    QTest::keyClick(progress, Qt::Key_Escape);
    EXPECT_FALSE(progress->close());
    QApplication::processEvents();
    ASSERT_FALSE(progress.isNull());
    EXPECT_TRUE(progress->isVisible());
    EXPECT_EQ(main->Progress(), progress.data());
    Run();
    EXPECT_EQ(Shown().back(), "Read Data Completed.");
    EXPECT_TRUE(progress.isNull());
}

TEST_F(MainWindowLink, TheProgramStaysWhileAWriteRuns) {
    ctx.Doc.Data.OptionSettings.ResetSelect[1] = 17;  // unsaved as well: the radio comes first
    Action("mnuWriteToRadio")->trigger();
    clock.Run(clock.now + 200);
    ASSERT_NE(main->Progress(), nullptr);
    const size_t asked = prompts.messages.size();
    Action("mnuFileExit")->trigger();
    EXPECT_FALSE(main->close());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(prompts.messages.size(), asked);  // refused without a question
    Run();
    EXPECT_EQ(Shown().back(), "Write Data Completed.");
    EXPECT_EQ(radio.counters.blocksReceived, 984);

    prompts.answers = {Answer::No};
    EXPECT_TRUE(main->close());
    EXPECT_EQ(Shown().back(), "File has been modify,save it now?");
}

TEST_F(MainWindowLink, CancelledReadOpensNothing) {
    prompts.answers = {Answer::Cancel};
    Action("mnuReadFromRadio")->trigger();
    Run();
    EXPECT_EQ(main->Progress(), nullptr);
    EXPECT_EQ(radio.counters.programRequests, 0);
    EXPECT_FALSE(line.IsOpen());
}

TEST_F(MainWindowLink, WriteCommitsTheOpenEditorAndReachesTheRadio) {
    main->ShowChild(kEmbMsgKey);
    main->Child(kEmbMsgKey)->findChild<QLineEdit*>("Text1_0")->setText("73");
    Action("mnuWriteToRadio")->trigger();
    Run();
    EXPECT_EQ(ctx.Doc.Data.OptionSettings.EmbeddedMessage.MessageLine1.Raw().substr(0, 3), std::string("73") + '\0');
    EXPECT_EQ(Shown().back(), "Write Data Completed.");
    EXPECT_EQ(radio.counters.blocksReceived, 984);
    EXPECT_EQ(main->Progress(), nullptr);
}

TEST_F(MainWindowLink, EmbeddedMessageReadShowsTheRecordWindow) {
    bool shown = false;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->objectName(), "FrmEMG");
        shown = true;
        dialog->findChild<QPushButton*>("CommandClose")->click();
    });
    main->TreeNodeClick("N9");
    Run();
    EXPECT_TRUE(shown);
    EXPECT_EQ(radio.counters.readRequests, 16 + 1);  // the status block, then 16 RMG blocks
    EXPECT_EQ(ctx.link.CommMode, 0);
}

TEST_F(MainWindowLink, PortThatCannotOpenIsReportedAndNothingStarts) {
    ctx.settings.ComPort = 9;  // not present
    Action("mnuReadFromRadio")->trigger();
    EXPECT_EQ(Shown().back(), "Cannot Open Communication Port.");
    EXPECT_EQ(main->Progress(), nullptr);
    EXPECT_EQ(ctx.link.CommMode, 0);
}

TEST_F(MainWindowLink, WithoutLineOrTimersNothingIsOffered) {
    ctx.timers = nullptr;
    main->SetRadioCommands(commands.get());
    EXPECT_FALSE(Action("mnuReadFromRadio")->isEnabled());
    EXPECT_FALSE(Action("mnuEMG")->isEnabled());
}
