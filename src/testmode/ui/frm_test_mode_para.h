#pragma once
// FrmTestModePara: the item window. One tab per level of the alignment item with a slider,
// a number box and a bar; for the read-out items (battery, VOX, RSSI) a bar and a box that
// show the value read from the radio.

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSlider;
class QTabWidget;
class QTimer;

namespace zb {
struct AppContext;
}

namespace zb::ui {

class FrmTestModePara : public QWidget {
    Q_OBJECT
public:
    FrmTestModePara(AppContext& ctx, int item, QWidget* parent);

    // Shows the caption of the item (ShowFrame) and the values received (ShowData).
    void ShowFrame();
    void ShowData();
    int Item() const { return item_; }
    // The level of the tab shown.
    int CurrentLevel() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct LevelControls {
        QSlider* slider = nullptr;
        QLineEdit* text = nullptr;
        QProgressBar* bar = nullptr;
    };
    void BuildLevels();
    void BuildReadout();
    void ShowValue(int level, int value);
    void SliderMoved(int level);
    void TogglePolling();
    void TogglePtt();

    AppContext& ctx_;
    const int item_;
    bool pttOff_ = true;  // the window's transmitter is off
    bool closing_ = false;
    QTabWidget* tabs_ = nullptr;
    std::array<LevelControls, 6> levels_{};
    std::vector<int> tabLevels_;
    QLabel* signalling_ = nullptr;
    QLabel* polling_ = nullptr;
    QLabel* transmitter_ = nullptr;
    QPushButton* ptt_ = nullptr;
    QTimer* getPara_ = nullptr;  // TimerGetPara, 500 ms
};

}  // namespace zb::ui
