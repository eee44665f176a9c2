// The launcher of the windows.
#include "ui/qt/qt_launcher.hpp"

#include "ports/spawn_launcher.hpp"

#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace qtui {

QtLauncher::QtLauncher(std::string workDirectory, QWidget* window)
    : workDirectory_(std::move(workDirectory)), window_(window) {}

std::string QtLauncher::searchedPlaces() const {
    return ports::SpawnLauncher(workDirectory_).searchedPlaces();
}

ports::LaunchResult QtLauncher::start(const std::string& program,
                                      const std::vector<std::string>& arguments,
                                      ports::Wait wait) {
    QString file = QString::fromStdString(ports::SpawnLauncher::locate(program));
    if (!file.contains('/')) file = QStandardPaths::findExecutable(file);
    if (file.isEmpty() || !QFileInfo(file).isExecutable()) return ports::LaunchResult::NotFound;
    QStringList args;
    for (const auto& a : arguments) args << QString::fromStdString(a);
    QProcess process;
    process.setProgram(file);
    process.setArguments(args);
    process.setWorkingDirectory(QString::fromStdString(workDirectory_));
    // The child reads nothing from us: its own window takes its input.
    process.setStandardInputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    if (wait == ports::Wait::No)
        return process.startDetached() ? ports::LaunchResult::Started : ports::LaunchResult::Failed;
    process.start();
    if (!process.waitForStarted()) return ports::LaunchResult::Failed;
    if (window_) window_->setEnabled(false);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    if (process.state() != QProcess::NotRunning) loop.exec();
    if (window_) window_->setEnabled(true);
    return ports::LaunchResult::Started;
}

} // namespace qtui
