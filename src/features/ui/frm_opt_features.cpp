#include "features/ui/frm_opt_features.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include "app/context.h"
#include "app/messages.h"
#include "app/ui/ui_text.h"
#include "features/ui/option_features_window.h"
#include "app/ui/ui_layout.h"
#include "base/ui/radio_text_guard.h"

namespace zb {
namespace {

constexpr TextTable kCaption{"Optional Features", "可选功能"};
constexpr TextTable kPowerOnCaption{"Starting Display", "开机显示字符"};
constexpr int kListsPerColumn = 10;

// One character of the power-on text. Typing a printable character moves on to the next box,
// so the text is typed straight through; clipboard keys and "\" and "~" are discarded.
class PowerOnCharBox : public QLineEdit {
public:
    explicit PowerOnCharBox(QWidget* parent) : QLineEdit(parent) {
        setMaxLength(1);
        setAlignment(Qt::AlignCenter);
        setAttribute(Qt::WA_InputMethodEnabled, false);
        setFixedWidth(fontMetrics().horizontalAdvance(QLatin1Char('W')) * 2 + 8);
        // The box sorts the characters itself (keyPressEvent); the guard keeps out paste of any
        // kind, the context menu and drops.
        ui::GuardRadioText(this, ui::AnyChar, ui::EnterKey::ToWindow);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            event->accept();
            focusNextChild();
            return;
        }
        const QList<uint> codes = event->text().toUcs4();
        if (codes.size() != 1) {
            QLineEdit::keyPressEvent(event);
            return;
        }
        switch (ClassifyPowerOnKey(static_cast<char32_t>(codes[0]))) {
            case PowerOnKey::Discard: event->accept(); return;
            case PowerOnKey::DiscardAndMoveFocus:
                event->accept();
                focusNextChild();
                return;
            case PowerOnKey::AcceptAndMoveFocus:
                selectAll();  // the typed character replaces the box's one character
                QLineEdit::keyPressEvent(event);
                focusNextChild();
                return;
            case PowerOnKey::Pass: QLineEdit::keyPressEvent(event); return;
        }
    }

    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        // After the click that gave the focus has placed the cursor.
        QTimer::singleShot(0, this, &QLineEdit::selectAll);
    }
};

// The box's character as the stored byte; a blank for an empty box.
std::string BoxByte(const QLineEdit* box) {
    const QString text = box->text();
    if (text.isEmpty() || text.at(0).unicode() > 0xFF) return {};
    return std::string(1, static_cast<char>(text.at(0).unicode()));
}

}  // namespace

FrmOptFeatures::FrmOptFeatures(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName("FrmOptFeatures");
    BuildControls();
    ApplyLanguage();
    FillLists();
    ShowRecords();
}

void FrmOptFeatures::BuildControls() {
    for (int n = 0; n < kOptionListCount; ++n) {
        auto* list = new QComboBox(this);
        list->setObjectName(QString("Combo1_%1").arg(n));
        list->setEditable(false);
        list->setMaxVisibleItems(16);
        lists_[n] = list;
        auto* caption = new QLabel(this);
        caption->setObjectName(QString("Label1_%1").arg(n));
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        captions_[n] = caption;
        connect(list, &QComboBox::activated, this, [this, n] { SaveOptFeat(n); });
        if (!IsOptionControlVisible(n)) {
            list->hide();
            caption->hide();
        }
    }
    for (int b = 0; b < kOptionCheckCount; ++b) {
        const int control = kOptionCheckBase + b;
        auto* box = new QCheckBox(this);
        box->setObjectName(QString("Check1_%1").arg(b));
        checks_[b] = box;
        connect(box, &QCheckBox::clicked, this, [this, control] { SaveOptFeat(control); });
        if (!IsOptionControlVisible(control)) box->hide();
    }

    auto* grid = new QGridLayout;
    const std::vector<int>& order = VisibleListOrder();
    for (size_t i = 0; i < order.size(); ++i) {
        const int row = static_cast<int>(i) % kListsPerColumn;
        const int column = static_cast<int>(i) / kListsPerColumn * 3;
        grid->addWidget(captions_[order[i]], row, column);
        grid->addWidget(lists_[order[i]], row, column + 1);
    }
    grid->setColumnMinimumWidth(2, 24);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);

    auto* checkRow = new QHBoxLayout;
    for (int control : VisibleCheckOrder()) checkRow->addWidget(checks_[control - kOptionCheckBase]);
    checkRow->addStretch(1);

    powerOnCaption_ = new QLabel(this);
    powerOnCaption_->setObjectName("Label2");
    auto* textRow = new QHBoxLayout;
    textRow->addWidget(powerOnCaption_);
    for (int k = 0; k < kPowerOnTextLength; ++k) {
        auto* box = new PowerOnCharBox(this);
        box->setObjectName(QString("Text1_%1").arg(k));
        powerOnBoxes_[k] = box;
        textRow->addWidget(box);
        connect(box, &QLineEdit::textEdited, this, &FrmOptFeatures::PowerOnTextEdited);
    }
    textRow->addStretch(1);

    closeButton_ = new QPushButton(this);
    closeButton_->setObjectName("CommandClose");
    helpButton_ = new QPushButton(this);
    helpButton_->setObjectName("CommandHelp");
    helpButton_->hide();
    connect(closeButton_, &QPushButton::clicked, this, &FrmOptFeatures::CloseWindow);
    auto* buttons = ui::RightButtonRow({closeButton_, helpButton_});

    auto* page = new QVBoxLayout(this);
    page->addLayout(grid);
    page->addLayout(checkRow);
    page->addLayout(textRow);
    page->addStretch(1);
    page->addLayout(buttons);

    // Tab order follows the screen: lists column by column, check boxes, the text, Close.
    QWidget* previous = nullptr;
    auto chain = [&previous](QWidget* next) {
        if (previous != nullptr) setTabOrder(previous, next);
        previous = next;
    };
    for (int n : order) chain(lists_[n]);
    for (int control : VisibleCheckOrder()) chain(checks_[control - kOptionCheckBase]);
    for (QLineEdit* box : powerOnBoxes_) chain(box);
    chain(closeButton_);
}

void FrmOptFeatures::ApplyLanguage() {
    const int language = ctx_.settings.LanguageIndex;
    setWindowTitle(ui::Tr(ctx_, kCaption));
    for (int n = 0; n < kOptionListCount; ++n) captions_[n]->setText(ui::Qs(OptionCaption(n, language)));
    for (int b = 0; b < kOptionCheckCount; ++b)
        checks_[b]->setText(ui::Qs(OptionCaption(kOptionCheckBase + b, language)));
    powerOnCaption_->setText(ui::Tr(ctx_, kPowerOnCaption));
    closeButton_->setText(ui::Tr(ctx_, msg::CloseButton));
    helpButton_->setText(ui::Tr(ctx_, msg::HelpButton));
}

void FrmOptFeatures::FillLists() {
    const int language = ctx_.settings.LanguageIndex;
    for (int n = 0; n < kOptionListCount; ++n) {
        QComboBox* list = lists_[n];
        const std::vector<std::string> items = OptionListItems(n, language);
        const QSignalBlocker block(list);
        // Items are set in place, so filling again never duplicates them.
        if (list->count() != static_cast<int>(items.size())) {
            list->clear();
            for (const std::string& item : items) list->addItem(ui::Qs(item));
        } else {
            for (int i = 0; i < list->count(); ++i)
                list->setItemText(i, ui::Qs(items[static_cast<size_t>(i)]));
        }
    }
}

void FrmOptFeatures::ShowRecords() {
    const CodeplugData& data = ctx_.Doc.Data;
    for (int n = 0; n < kOptionListCount; ++n) {
        const QSignalBlocker block(lists_[n]);
        lists_[n]->setCurrentIndex(ShownListPosition(data, n));
        lists_[n]->setEnabled(IsOptionControlEnabled(data, n));
    }
    for (int b = 0; b < kOptionCheckCount; ++b) {
        const int control = kOptionCheckBase + b;
        const QSignalBlocker block(checks_[b]);
        checks_[b]->setChecked(ShownCheckState(data, control));
        checks_[b]->setEnabled(IsOptionControlEnabled(data, control));
    }
    const auto boxes = PowerOnTextBoxes(data.OptionSettings.OptionFeatures.PowerOnText);
    for (int k = 0; k < kPowerOnTextLength; ++k) {
        const QSignalBlocker block(powerOnBoxes_[k]);
        powerOnBoxes_[k]->setText(QString::fromLatin1(boxes[k].data(),
                                                      static_cast<qsizetype>(boxes[k].size())));
    }
}

void FrmOptFeatures::ReShowData() {
    FillLists();
    ShowRecords();
}

void FrmOptFeatures::SaveOptFeat(int control) {
    int state = 0;
    if (IsOptionList(control)) {
        state = lists_[control]->currentIndex();
    } else if (IsOptionCheck(control)) {
        state = checks_[control - kOptionCheckBase]->isChecked() ? 1 : 0;
    } else {
        return;
    }
    zb::SaveOptFeat(ctx_.Doc.Data, control, state);
    // The rules may have changed other fields (battery pair, Rx NC / NrBypass, box 100) and
    // the enable states; show everything as stored.
    ShowRecords();
}

void FrmOptFeatures::PowerOnTextEdited() {
    std::array<std::string, kPowerOnTextLength> boxes;
    for (int k = 0; k < kPowerOnTextLength; ++k) boxes[k] = BoxByte(powerOnBoxes_[k]);
    StorePowerOnText(ctx_.Doc.Data.OptionSettings.OptionFeatures.PowerOnText, boxes);
}

void FrmOptFeatures::CloseWindow() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        sub->close();
    } else {
        close();
    }
}

QWidget* CreateOptionFeaturesWindow(AppContext& ctx) { return new FrmOptFeatures(ctx); }

}  // namespace zb
