#pragma once
// What the main window's files share: the toolbar's buttons and the caption helper.

#include <QRegularExpression>
#include <QString>
#include <QStyle>

namespace zb::ui::main_window {

inline constexpr int kKeyRole = Qt::UserRole;  // the key of a tree node

// A menu caption without its access key: "新建(&N)" -> "新建", "&New" -> "New".
inline QString Plain(QString caption) {
    static const QRegularExpression accessKey(QStringLiteral("\\(&[^)]\\)$"));
    return caption.remove(accessKey).remove('&');
}

// Toolbar buttons by number; a button without key is a separator. Each tool tip is the
// caption of its menu item.
struct ToolButton {
    int number;
    const char* key;
    const char* menuItem;
    QStyle::StandardPixmap icon;
};
inline constexpr ToolButton kToolButtons[] = {
    {1, "新建", "mnuFileNew", QStyle::SP_FileIcon},
    {2, "打开", "mnuFileOpen", QStyle::SP_DialogOpenButton},
    {3, "保存", "mnuFileSave", QStyle::SP_DialogSaveButton},
    {4, nullptr, nullptr, QStyle::SP_CustomBase},
    {5, "打印", "mnuFilePrint", QStyle::SP_FileDialogDetailedView},
    {6, nullptr, nullptr, QStyle::SP_CustomBase},
    {7, "ReadRadio", "mnuReadFromRadio", QStyle::SP_ArrowDown},
    {8, "CommSet", "mnuComm", QStyle::SP_ComputerIcon},
    {9, "WriteRadio", "mnuWriteToRadio", QStyle::SP_ArrowUp},
    {10, nullptr, nullptr, QStyle::SP_CustomBase},
    {11, "MWriteRadio", "mnuMWriteToRadio", QStyle::SP_ArrowForward},
    {12, nullptr, nullptr, QStyle::SP_CustomBase},
    {13, "About", "mnuHelpAbout", QStyle::SP_MessageBoxInformation},
};


}  // namespace zb::ui::main_window
