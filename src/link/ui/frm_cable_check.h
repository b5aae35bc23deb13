#pragma once
// The cable check's report in a read-only text window with a copy button: the host checks, then
// the answer of the radio on the port chosen in the Communication Port dialog.

#include <QDialog>
#include <memory>

#include "link/radio_probe.h"
#include "link/serial_line.h"

class QPlainTextEdit;
class QPushButton;

namespace zb {
struct AppContext;
}

namespace zb::ui {

class FrmCableCheck : public QDialog {
    Q_OBJECT
public:
    // port 0: no port chosen, so no radio is asked.
    FrmCableCheck(AppContext& ctx, int port, QWidget* parent = nullptr);
    ~FrmCableCheck() override;

    QString ReportText() const;
    bool Probing() const { return probe_ && probe_->Running(); }

    // The window stays while the radio is being asked.
    void reject() override;

private:
    void StartProbe(int port);
    void ProbeDone(const ProbeResult& result);
    void CopyReport();

    AppContext& ctx_;
    QPlainTextEdit* text_;
    QPushButton* copy_;
    QPushButton* close_;
    std::unique_ptr<RadioProbe> probe_;
    QString report_;  // the lines before the probe's answer
};

}  // namespace zb::ui
