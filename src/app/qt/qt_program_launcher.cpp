#include "app/qt/qt_program_launcher.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

namespace zb {

bool QtProgramLauncher::StartAndQuit(const std::string& path) {
    QString program = QString::fromStdString(path);
#if defined(_WIN32)
    if (!program.endsWith(".exe", Qt::CaseInsensitive)) program += ".exe";
#endif
    const QFileInfo info(program);
    if (!info.isFile() || !info.isExecutable()) return false;
    if (!QProcess::startDetached(program, {}, info.absolutePath())) return false;
    QCoreApplication::exit(0);  // at once, without any further question
    return true;
}

}  // namespace zb
