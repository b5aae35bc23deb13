#pragma once
// FrmTestMode: the test window. It keys the radio on a test channel with a chosen signalling,
// switches the bandwidth and starts the tuning of an alignment item in FrmTestModePara.

#include <QPointer>
#include <QWidget>

#include "testmode/testmode_state.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace zb {
struct AppContext;
}

namespace zb::ui {

class FrmTestModePara;

// The transmit indicator: red while the transmitter is on, green otherwise.
void PaintTransmitter(QLabel* label, bool on);

class FrmTestMode : public QWidget {
    Q_OBJECT
public:
    FrmTestMode(AppContext& ctx, QWidget* parent);
    ~FrmTestMode() override;

    // Releases the transmitter when it is on.
    void TestModeUnSetPTT();
    // The item window for the item chosen (TimerTestModeParaFrm).
    void OpenItemWindow();
    FrmTestModePara* ItemWindow() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowChannel();
    void ShowBandwidth();
    void ShowTransmitter();

    AppContext& ctx_;
    QComboBox* channels_;
    QComboBox* signalling_;
    QLabel* rx_;
    QLabel* tx_;
    QListWidget* items_;
    QPushButton* tune_;
    QPushButton* ptt_;
    QLabel* bandwidth_;
    QLabel* transmitter_;
    QPointer<FrmTestModePara> para_;
};

// The test mode's windows for the engine: opens, refreshes and closes them.
class TestModeWindows : public TestModeViews {
public:
    TestModeWindows(AppContext& ctx, QWidget* parent) : ctx_(ctx), parent_(parent) {}
    ~TestModeWindows() override;
    void OpenTestWindow() override;
    void OpenItemWindow() override;
    void ShowItemValues() override;
    void TestModeEnded() override;
    FrmTestMode* TestWindow() const { return window_; }

private:
    AppContext& ctx_;
    QWidget* parent_;
    QPointer<FrmTestMode> window_;
};

}  // namespace zb::ui
