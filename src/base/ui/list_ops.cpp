#include "base/ui/list_ops.h"

#include <QComboBox>

namespace zb::ui {
namespace {

void SelectItem(QComboBox* list, const QString& item) {
    const int index = item.isEmpty() ? -1 : list->findText(item, Qt::MatchExactly);
    if (list->currentIndex() == index) {
        emit list->currentIndexChanged(index);
    } else {
        list->setCurrentIndex(index);
    }
}

}  // namespace

QString ListItemByText(const QComboBox* list, const QString& text) {
    if (list->count() == 0) return {};
    const int index = list->findText(text, Qt::MatchExactly);
    return list->itemText(index >= 0 ? index : 0);
}

QString ListItemByIndex(const QComboBox* list, int index) {
    if (list->count() == 0) return {};
    return list->itemText(index >= 0 && index < list->count() ? index : 0);
}

void SelectListText(QComboBox* list, const QString& text) {
    SelectItem(list, ListItemByText(list, text));
}

void SelectListIndex(QComboBox* list, int index) {
    SelectItem(list, ListItemByIndex(list, index));
}

void ListNumberOr(const QComboBox* list, int16_t& target, int16_t fallback) {
    bool ok = false;
    const int value = list->currentIndex() >= 0 ? list->currentText().trimmed().toInt(&ok) : 0;
    target = ok && value >= INT16_MIN && value <= INT16_MAX ? static_cast<int16_t>(value) : fallback;
}

}  // namespace zb::ui
