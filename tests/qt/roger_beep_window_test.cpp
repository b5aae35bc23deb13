// The roger-beep window driven through its widgets, offscreen.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include "app/context.h"
#include "channels/channel_edit.h"
#include "core/recording_channel_views.h"
#include "core/virtual_clock_timers.h"
#include "features/qt/qt_tone_output.h"
#include "features/roger_beep_rules.h"
#include "features/ui/frm_tone_tips.h"
#include "features/ui/roger_beep_window.h"
#include "features/wav_export.h"
#include "support/qt_find.h"
#include "support/temp_dir.h"

using namespace zb;
using zb::test::RecordingChannelViews;
using zb::test::VirtualClockTimers;

namespace {

struct Heard {
    int64_t at;
    int hz;
    int ms;
};

class RecordingOutput : public ToneOutput {
public:
    explicit RecordingOutput(const VirtualClockTimers& clock, std::vector<Heard>& heard)
        : clock_(clock), heard_(heard) {}
    void Sound(int frequencyHz, int durationMs) override {
        heard_.push_back({clock_.now, frequencyHz, durationMs});
    }
    void Silence() override {}

private:
    const VirtualClockTimers& clock_;
    std::vector<Heard>& heard_;
};

class RogerBeepWindowTest : public ::testing::Test {
protected:
    RogerBeepWindowTest() {
        ctx.channelViews = &views;
        views.tableOpen = true;
    }

    // Opens the window playing on a virtual clock (the clock is owned by the window).
    void Open(int language = kEnglish) {
        ctx.settings.LanguageIndex = static_cast<int16_t>(language);
        auto timers = std::make_unique<VirtualClockTimers>();
        clock = timers.get();
        window = std::make_unique<FrmToneTips>(
            ctx, std::move(timers), std::make_unique<RecordingOutput>(*clock, heard));
        window->resize(760, 560);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    template <typename T>
    T* Find(const QString& name) {
        return test::FindControl<T>(window.get(), name);
    }
    QComboBox* Frequency(int tone) { return Find<QComboBox>(QString("Combo3_%1").arg(tone - 1)); }
    QComboBox* Length(int tone) { return Find<QComboBox>(QString("Combo4_%1").arg(tone - 1)); }
    QPushButton* PlayButton() { return Find<QPushButton>("Command1_0"); }

    void SelectTab(int sequence) {
        auto* tabs = Find<QTabBar>("TabStrip1");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(sequence - 1).center());
        ASSERT_EQ(window->CurrentSequence(), sequence);
    }

    void Choose(QComboBox* list, const QString& item) {
        const int index = list->findText(item);
        ASSERT_GE(index, 0) << item.toStdString();
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    RogerBeepRecord& Beep(int n) { return ctx.Doc.Data.RogerBeepTones[n - 1]; }

    // Exactly the listed sequences usable: one pass, tone 1 of 100 ms at 1000 Hz.
    void MakeUsable(std::initializer_list<int> sequences) {
        ctx.Doc.Data.RogerBeepTones = {};
        for (int n : sequences) {
            Beep(n).RecycleTimes = 1;
            Beep(n).Tone[0] = {100, 10};
        }
    }

    AppContext ctx;
    RecordingChannelViews views;
    std::vector<Heard> heard;
    VirtualClockTimers* clock = nullptr;
    std::unique_ptr<FrmToneTips> window;
};

}  // namespace

TEST_F(RogerBeepWindowTest, TextsComeFromTheNumberedTexts) {
    Open(kChinese);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("RB音"));
    auto* tabs = Find<QTabBar>("TabStrip1");
    ASSERT_EQ(tabs->count(), 8);
    EXPECT_EQ(tabs->tabText(7), QString::fromUtf8("RB音 8"));
    EXPECT_EQ(Find<QLabel>("Label1_0")->text(), QString::fromUtf8("循环次数"));
    EXPECT_EQ(Find<QLabel>("Label4_1")->text(), QString::fromUtf8("音长[ms]"));
    EXPECT_EQ(Find<QLabel>("Label5_13")->text(), QString::fromUtf8("第十四个音"));
    EXPECT_EQ(Find<QComboBox>("Combo1_0")->itemText(0), QString::fromUtf8("关"));
    EXPECT_EQ(Frequency(1)->itemText(0), QString::fromUtf8("无"));
    EXPECT_EQ(Frequency(14)->count(), 217);
    EXPECT_EQ(Length(7)->count(), 256);
    EXPECT_EQ(Find<QPushButton>("Command2_0")->text(), QString::fromUtf8("停止(&S)"));
    EXPECT_FALSE(Find<QComboBox>("Combo5")->isVisible());
    EXPECT_EQ(Find<QComboBox>("Combo5")->count(), 256);
    EXPECT_FALSE(Find<QPushButton>("CommandHelp")->isVisible());
    // Tone captions stand before their lists; tones 8..14 in the right column.
    EXPECT_LE(Find<QLabel>("Label5_0")->geometry().right(), Frequency(1)->geometry().left());
    EXPECT_GT(Frequency(8)->geometry().left(), Length(1)->geometry().right());
    EXPECT_NEAR(Frequency(8)->geometry().center().y(), Frequency(1)->geometry().center().y(), 2);
}

TEST_F(RogerBeepWindowTest, LastUsableSequenceCannotBeSwitchedOff) {
    MakeUsable({3});
    Open();
    SelectTab(3);
    auto* repeat = Find<QComboBox>("Combo1_0");
    EXPECT_EQ(repeat->currentText(), "1");
    Choose(repeat, "Off");
    EXPECT_EQ(repeat->currentText(), "1");
    Choose(Length(1), "0");
    EXPECT_EQ(Length(1)->currentText(), "100");
    EXPECT_EQ(Beep(3).RecycleTimes, 1);
    EXPECT_EQ(Beep(3).Tone[0].ToneLength, 10);
    EXPECT_EQ(views.showRbCalls, 0);
}

TEST_F(RogerBeepWindowTest, SwitchingASequenceOffMovesItsChannelsAndRedrawsTheTable) {
    MakeUsable({3, 6});
    AddChannel(ctx, 1, 0, "28.100000");
    AddChannel(ctx, 5, 15, "25.500000");
    ctx.Doc.Channels[0][0].RbTone = 2;
    ctx.Doc.Channels[0][15].RbTone = 2;
    ctx.Doc.Data.VfoB.RbTone = 2;
    Open();
    SelectTab(3);
    Choose(Length(1), "0");
    EXPECT_EQ(Beep(3).Tone[0].ToneLength, 0);
    EXPECT_EQ(ctx.Doc.Channels[0][0].RbTone, 5);
    EXPECT_EQ(ctx.Doc.Channels[0][15].RbTone, 5);
    EXPECT_EQ(ctx.Doc.Data.VfoB.RbTone, 5);
    EXPECT_EQ(views.showRbCalls, 1);

    // Sequence 6 is now the last usable one.
    SelectTab(6);
    Choose(Find<QComboBox>("Combo1_0"), "Off");
    EXPECT_EQ(Beep(6).RecycleTimes, 1);
    Choose(Find<QComboBox>("Combo1_0"), "10");
    EXPECT_EQ(Beep(6).RecycleTimes, 10);
}

TEST_F(RogerBeepWindowTest, FrequencyListsShowNoneForCodesWithoutAnItem) {
    Beep(1).Tone[0].ToneFreq = 20;   // 200 Hz: no item
    Beep(1).Tone[1].ToneFreq = 0;
    Beep(1).Tone[2].ToneFreq = 100;
    Beep(1).Tone[3].ToneFreq = 300;  // beyond the list
    Beep(2).Tone[0].ToneFreq = 255;
    Beep(1).Tone[0].ToneLength = 300;  // beyond the list
    Beep(1).InterTime = 25;
    Open();
    EXPECT_EQ(Frequency(1)->currentText(), "None");
    EXPECT_EQ(Frequency(2)->currentText(), "None");
    EXPECT_EQ(Frequency(3)->currentText(), "1000");
    EXPECT_EQ(Frequency(4)->currentText(), "None");
    EXPECT_EQ(Length(1)->currentText(), "0");
    EXPECT_EQ(Find<QComboBox>("Combo2_0")->currentText(), "250");
    EXPECT_EQ(Beep(1).Tone[0].ToneFreq, 20);  // showing stores nothing

    SelectTab(2);
    EXPECT_EQ(Frequency(1)->currentText(), "2550");
    Choose(Frequency(1), "None");
    EXPECT_EQ(Beep(2).Tone[0].ToneFreq, 0);
    Choose(Frequency(2), "400");
    EXPECT_EQ(Beep(2).Tone[1].ToneFreq, 40);
    Choose(Find<QComboBox>("Combo2_0"), "2550");
    EXPECT_EQ(Beep(2).InterTime, 255);
}

namespace {

struct PixelRun {
    int start;
    int length;
};

// The first run of pixels of a colour along row y.
PixelRun RunInRow(const QImage& image, int y, QRgb colour, int from = 0) {
    int x = from;
    while (x < image.width() && image.pixel(x, y) != colour) ++x;
    const int start = x;
    while (x < image.width() && image.pixel(x, y) == colour) ++x;
    return {start, x - start};
}

// Height of the run of a colour in column x through row y.
int ColumnRun(const QImage& image, int x, int y, QRgb colour) {
    int top = y;
    int bottom = y;
    while (top > 0 && image.pixel(x, top - 1) == colour) --top;
    while (bottom + 1 < image.height() && image.pixel(x, bottom + 1) == colour) ++bottom;
    return image.pixel(x, y) == colour ? bottom - top + 1 : 0;
}

}  // namespace

TEST_F(RogerBeepWindowTest, GraphBoxesHaveTheTonesProportions) {
    Beep(1).Tone[0] = {128, 10};  // red, 1 part of the length, half the height
    Beep(1).Tone[1] = {255, 30};  // blue, 3 parts, full height
    Beep(1).Tone[2] = {64, 20};   // red, 2 parts, a quarter of the height
    Open();
    QWidget* picture = Find<QWidget>("Picture1_0");
    picture->setFixedSize(620, 220);
    ASSERT_TRUE(QTest::qWaitFor([&] { return picture->size() == QSize(620, 220); }));
    const QImage image = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb red = qRgb(255, 0, 0);
    const QRgb blue = qRgb(0, 0, 255);

    const int row = image.height() - 8;  // just above the baseline
    const PixelRun first = RunInRow(image, row, red);
    const PixelRun second = RunInRow(image, row, blue);
    const PixelRun third = RunInRow(image, row, red, second.start + second.length);
    ASSERT_GT(first.length, 0);
    EXPECT_EQ(second.start, first.start + first.length);
    EXPECT_EQ(third.start, second.start + second.length);
    EXPECT_NEAR(second.length, 3.0 * first.length, 2.0);
    EXPECT_NEAR(third.length, 2.0 * first.length, 2.0);
    // The boxes together span the picture less its small margins.
    EXPECT_GT(first.length + second.length + third.length, image.width() - 12);

    const int h1 = ColumnRun(image, first.start + 2, row, red);
    const int h2 = ColumnRun(image, second.start + 2, row, blue);
    const int h3 = ColumnRun(image, third.start + 2, row, red);
    EXPECT_NEAR(h1 * 2.0, h2, 3.0);
    EXPECT_NEAR(h3 * 4.0, h2, 5.0);
    EXPECT_GT(h2, image.height() - 20);

    // A length change redraws the graph: tone 2 gone, tone 3 now right after tone 1.
    Choose(Length(2), "0");
    QApplication::processEvents();
    const QImage after = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(RunInRow(after, row, blue).length, 0);
    EXPECT_NEAR(RunInRow(after, row, red).length, first.length + second.length + third.length, 2);
}

TEST_F(RogerBeepWindowTest, PlayDisablesThePlayButtonUntilThePassesAreDone) {
    Beep(1).RecycleTimes = 2;
    Beep(1).InterTime = 30;
    Beep(1).Tone[0] = {100, 10};
    Beep(1).Tone[1] = {200, 20};
    Open();
    QTest::mouseClick(PlayButton(), Qt::LeftButton);
    EXPECT_FALSE(PlayButton()->isEnabled());
    EXPECT_TRUE(window->IsPlaying());
    clock->RunUntilIdle();
    EXPECT_EQ(clock->now, 1200);
    EXPECT_TRUE(PlayButton()->isEnabled());
    ASSERT_EQ(heard.size(), 4u);
    EXPECT_EQ(heard[3].at, 700);
    EXPECT_EQ(heard[3].hz, 2000);
}

TEST_F(RogerBeepWindowTest, StopAndCloseEndPlaying) {
    Beep(1).RecycleTimes = 5;
    Beep(1).Tone[0] = {100, 10};
    Beep(1).Tone[1] = {200, 10};
    Open();
    QTest::mouseClick(PlayButton(), Qt::LeftButton);
    clock->Advance(150);
    QTest::mouseClick(Find<QPushButton>("Command2_0"), Qt::LeftButton);
    EXPECT_TRUE(PlayButton()->isEnabled());
    EXPECT_FALSE(window->IsPlaying());
    clock->RunUntilIdle();
    EXPECT_EQ(heard.size(), 2u);

    QTest::mouseClick(PlayButton(), Qt::LeftButton);
    EXPECT_TRUE(window->IsPlaying());
    window->close();
    EXPECT_FALSE(window->IsPlaying());
    EXPECT_FALSE(clock->AnyActive());
}

TEST_F(RogerBeepWindowTest, NothingToPlayAndRepeatOff) {
    Beep(1).RecycleTimes = 3;  // every length 0
    Beep(2).RecycleTimes = 0;
    Beep(2).Tone[0] = {100, 10};
    Open();
    QTest::mouseClick(PlayButton(), Qt::LeftButton);
    EXPECT_TRUE(PlayButton()->isEnabled());
    EXPECT_FALSE(window->IsPlaying());

    SelectTab(2);
    QTest::mouseClick(PlayButton(), Qt::LeftButton);
    EXPECT_TRUE(PlayButton()->isEnabled());
    EXPECT_FALSE(clock->AnyActive());
    EXPECT_TRUE(heard.empty());
}

TEST_F(RogerBeepWindowTest, SwitchingTabsWhilePlayingPlaysTheNewSequencesTones) {
    Beep(1).RecycleTimes = 1;
    Beep(1).Tone[0] = {100, 10};
    Beep(1).Tone[1] = {100, 10};
    Beep(2).Tone[1] = {250, 10};
    Open();
    QTest::mouseClick(PlayButton(), Qt::LeftButton);
    SelectTab(2);
    clock->RunUntilIdle();
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_EQ(heard[0].hz, 1000);
    EXPECT_EQ(heard[1].hz, 2500);
    EXPECT_TRUE(PlayButton()->isEnabled());
}

TEST_F(RogerBeepWindowTest, ExportWritesTheSequenceAsWav) {
    zb::test::TempDir dir;
    Beep(2).RecycleTimes = 2;
    Beep(2).Tone[0] = {100, 10};
    Open();
    SelectTab(2);
    QString suggested;
    const QString path = QString::fromStdString(dir / "beep.wav");
    window->chooseExportPath = [&](const QString& name) {
        suggested = name;
        return path;
    };
    QTest::mouseClick(Find<QPushButton>("CommandExport"), Qt::LeftButton);
    EXPECT_EQ(suggested, "RogerBeep2.wav");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const std::vector<uint8_t> expected = RogerBeepWav(Beep(2));
    EXPECT_EQ(bytes, QByteArray(reinterpret_cast<const char*>(expected.data()),
                                static_cast<qsizetype>(expected.size())));
    EXPECT_TRUE(ctx.defaultPrompter.messages.empty());

    // A folder that does not exist: the file error is reported, nothing is written.
    window->chooseExportPath = [&](const QString&) {
        return QString::fromStdString(dir / "missing/beep.wav");
    };
    QTest::mouseClick(Find<QPushButton>("CommandExport"), Qt::LeftButton);
    ASSERT_EQ(ctx.defaultPrompter.messages.size(), 1u);
    EXPECT_EQ(ctx.defaultPrompter.messages[0].text, "file error.");

    // Cancelled: nothing happens.
    window->chooseExportPath = [](const QString&) { return QString(); };
    QTest::mouseClick(Find<QPushButton>("CommandExport"), Qt::LeftButton);
    EXPECT_EQ(ctx.defaultPrompter.messages.size(), 1u);
}

TEST(RogerBeepWindowRealTimers, PlaysOnQtTimersWithTheDefaultOutput) {
    // Headless there is usually no audio device: the tones are silent but keep their time.
    AppContext ctx;
    RogerBeepRecord& beep = ctx.Doc.Data.RogerBeepTones[0];
    beep.RecycleTimes = 2;
    beep.InterTime = 3;       // 30 ms
    beep.Tone[0] = {100, 4};  // 40 ms
    beep.Tone[1] = {0, 3};    // 30 ms silence
    FrmToneTips window(ctx);
    window.show();
    auto* play = window.findChild<QPushButton*>("Command1_0");
    QElapsedTimer elapsed;
    elapsed.start();
    QTest::mouseClick(play, Qt::LeftButton);
    EXPECT_FALSE(play->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return play->isEnabled(); }, 5000));
    EXPECT_GE(elapsed.elapsed(), 200 - 5);
}

TEST(QtToneOutputTest, SoundsOnTheDefaultDeviceAndStopsOnSilence) {
    QtToneOutput output;
    if (!output.HasDevice()) GTEST_SKIP() << "no audio output device";
    output.Sound(1000, 300);
    EXPECT_TRUE(QTest::qWaitFor([&] { return output.IsSounding(); }, 1000));
    output.Silence();
    EXPECT_FALSE(output.IsSounding());
    // A tone played to its end leaves the device idle.
    output.Sound(800, 50);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !output.IsSounding(); }, 3000));
}

TEST(RogerBeepWindowFactory, OpensInAnMdiAreaAndCloseClosesTheSubWindow) {
    AppContext ctx;
    QMdiArea area;
    QWidget* editor = CreateRogerBeepWindow(ctx);
    ASSERT_NE(qobject_cast<FrmToneTips*>(editor), nullptr);
    QMdiSubWindow* sub = area.addSubWindow(editor);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    area.show();
    sub->show();
    QPointer<QMdiSubWindow> guard(sub);
    QTest::mouseClick(editor->findChild<QPushButton*>("CommandClose"), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return guard.isNull(); }));
}
