// The group write through the main window: Batch Set, then the group progress window over
// simulated radios that are swapped on the cable one after another.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/link_fixture.h"
#include "link/link_radio_commands.h"
#include "link/link_texts.h"
#include "link/packets.h"
#include "link/ui/frm_m_progress.h"
#include "link/ui/frm_mul_set.h"
#include "main_window_fixture.h"
#include "support/qt_wait.h"

using namespace zb;
using namespace zb::test;
using zb::ui::Qs;

namespace {

// What the group window showed when a packet went out.
struct Seen {
    int radio;     // Label3
    int radioBar;  // ProgressBar2
    int percent;   // Label2 without "%"
};

struct GroupWrite : MainWindowFixture {
    VirtualClock clock;
    VirtualTimers timers{clock};
    sim::RadioSim first, second, third;
    std::vector<sim::RadioSim*> radios{&first, &second, &third};
    size_t onCable = 0;
    SimLine line{clock};
    SimPorts ports{line};
    std::unique_ptr<LinkRadioCommands> commands;
    std::vector<Seen> seen;
    bool swapRadios = true;

    void SetUp() override {
        MainWindowFixture::SetUp();
        line.stations.push_back({LineSettings{1, 0, 1}, &first});
        // Once a radio has acknowledged its end request it is unplugged after 2 s and the next
        // one plugged in 3 s later. Every packet also notes what the group window shows.
        line.onWrite = [this](const Bytes& p) {
            if (auto* w = main->GroupProgress())
                seen.push_back({w->findChild<QLabel*>("Label3")->text().toInt(),
                                w->findChild<QProgressBar*>("ProgressBar2")->value(),
                                w->findChild<QLabel*>("Label2")->text().chopped(1).toInt()});
            if (!swapRadios || p != EndRequest() || onCable + 1 >= radios.size()) return;
            const size_t next = ++onCable;
            clock.After(2000, [this] { line.stations[0].radio = nullptr; });
            clock.After(5000, [this, next] { line.stations[0].radio = radios[next]; });
        };
        ctx.line = &line;
        ctx.timers = &timers;
        ctx.ports = &ports;
        ctx.settings.ComPort = 1;
        ctx.settings.MultiWriteEnabled = 1;
        commands = std::make_unique<LinkRadioCommands>(ctx);
        Open();
        main->SetRadioCommands(commands.get());
    }
    void TearDown() override {
        MainWindowFixture::TearDown();
        ctx.line = nullptr;
    }

    // Fills Batch Set when it comes up: types `count` into Text1 and clicks `button`.
    void AnswerBatchSet(const QString& count, const char* button, bool* shown) {
        QTimer::singleShot(0, [=] {
            auto* dialog = qobject_cast<ui::FrmMulSet*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            *shown = true;
            EXPECT_EQ(dialog->windowTitle(), "Batch Set");
            auto* box = dialog->findChild<QLineEdit*>("Text1");
            EXPECT_EQ(box->text(), "10");
            box->selectAll();
            QTest::keyClicks(box, count);
            dialog->findChild<QPushButton*>(button)->click();
        });
    }
};

}  // namespace

TEST_F(GroupWrite, ThreeRadiosThroughTheMenuShowEachRadioAndReportOnce) {
    bool batchSet = false;
    AnswerBatchSet("3", "Command1", &batchSet);
    Action("mnuMWriteToRadio")->trigger();
    ASSERT_TRUE(batchSet);
    ASSERT_EQ(Shown(), std::vector<std::string>{Text(ctx, msg::WriteQuestion)});
    ui::frmMProgress* window = main->GroupProgress();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(main->Progress(), nullptr);  // not the single-radio window
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Write data to radio");
    EXPECT_EQ(window->findChild<QLabel*>("Label4")->text(), "WritingRadio's ID is:");
    EXPECT_EQ(window->findChild<QProgressBar*>("ProgressBar2")->maximum(), 3);

    clock.Run();

    EXPECT_EQ(Shown(), (std::vector<std::string>{Text(ctx, msg::WriteQuestion), Text(ctx, msg::WriteCompleted)}));
    EXPECT_EQ(main->GroupProgress(), nullptr);
    EXPECT_FALSE(line.IsOpen());
    for (sim::RadioSim* r : radios) {
        EXPECT_GE(r->counters.blocksReceived, 984);
        EXPECT_TRUE(std::equal(ctx.Image.begin() + 0x10, ctx.Image.begin() + 0x3D90, r->memory.begin() + 0x10));
    }
    // The window followed the radios: 1, 2, 3 in order, the block bar back at 0 for each,
    // moving only forward while one radio is written and reaching 100 before the next.
    ASSERT_FALSE(seen.empty());
    std::vector<int> order;
    for (const Seen& s : seen) {
        EXPECT_EQ(s.radio, s.radioBar);
        if (order.empty() || order.back() != s.radio) {
            order.push_back(s.radio);
            EXPECT_EQ(s.percent, 0) << "radio " << s.radio;
        }
    }
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
    for (size_t i = 1; i < seen.size(); ++i)
        if (seen[i].radio == seen[i - 1].radio) {
            EXPECT_GE(seen[i].percent, seen[i - 1].percent) << i;
        }
    for (int radio : {1, 2}) {
        auto last = std::find_if(seen.rbegin(), seen.rend(), [&](const Seen& s) { return s.radio == radio; });
        EXPECT_EQ(last->percent, 100) << "radio " << radio;
    }
}

TEST_F(GroupWrite, ClosingTheGroupWindowEndsTheGroup) {
    swapRadios = false;  // the first radio stays on the cable: it is polled, not written again
    bool batchSet = false;
    AnswerBatchSet("2", "Command1", &batchSet);
    Action("mnuMWriteToRadio")->trigger();
    clock.Run(10'000);
    ASSERT_NE(main->GroupProgress(), nullptr);
    EXPECT_EQ(first.counters.blocksReceived, 984);
    EXPECT_EQ(main->GroupProgress()->findChild<QLabel*>("Label3")->text(), "2");
    EXPECT_EQ(ctx.link.CommMode, 2);

    main->GroupProgress()->close();
    ZB_WAIT_VERIFY(main->GroupProgress() == nullptr);
    clock.Run();
    EXPECT_EQ(ctx.link.CommMode, 0);
    EXPECT_FALSE(ctx.groupWrite.GroupFlag);
    EXPECT_FALSE(line.IsOpen());
    EXPECT_EQ(first.counters.blocksReceived, 984);
    EXPECT_EQ(Shown(), std::vector<std::string>{Text(ctx, msg::WriteQuestion)});  // no completion
}

TEST_F(GroupWrite, BatchSetFiltersKeysRefusesNonNumbersAndCancelStartsNothing) {
    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<ui::FrmMulSet*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* box = dialog->findChild<QLineEdit*>("Text1");
        box->clear();
        QTest::keyClicks(box, "x-a1 ");  // only a and 1 pass; a becomes A
        EXPECT_EQ(box->text(), "A1");
        QTest::keyClicks(box, "99");     // three characters at most
        EXPECT_EQ(box->text(), "A19");
        QTest::keyClick(box, Qt::Key_Backspace);
        EXPECT_EQ(box->text(), "A1");
        QTest::keyClick(box, Qt::Key_Return);  // Enter moves on
        EXPECT_FALSE(box->hasFocus());

        dialog->findChild<QPushButton*>("Command1")->click();  // "A1" is no count
        EXPECT_TRUE(dialog->isVisible());
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].icon, Icon::Warning);
        EXPECT_EQ(ctx.link.group.radioCount, 0);
        checked = true;
        dialog->findChild<QPushButton*>("Command2")->click();
    });
    Action("mnuMWriteToRadio")->trigger();
    ASSERT_TRUE(checked);
    EXPECT_EQ(prompts.messages.size(), 1u);  // no write question: nothing started
    EXPECT_EQ(main->GroupProgress(), nullptr);
    EXPECT_FALSE(ctx.groupWrite.GroupFlag);
    EXPECT_TRUE(line.opens.empty());
}
