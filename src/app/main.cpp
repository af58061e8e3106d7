// Kestrin: a read-only viewer of the "Архивный Фонд" archive database.
// The first command-line argument names the base folder.
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <algorithm>
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/gui/main_window.h"
#include "app/gui/startup_controller.h"
#include "app/platform.h"
#include "app/startup_checks.h"
#include "browse/gui/qt_text.h"

namespace {

// Errors no operation handled reach the user in the standard error box, and
// the program goes on.
class KestrinApplication : public QApplication {
 public:
  using QApplication::QApplication;

  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
      QMessageBox::critical(activeWindow(), kestrin::browse::fromCp1251(kestrin::app::programCaption()),
                            QString::fromStdString(error.what()));
    }
    return false;
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  // Answered before any window exists, so --help works without a display.
  const kestrin::app::ProgramCommandLine commandLine =
      kestrin::app::readProgramCommandLine(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
  if (!commandLine.run) {
    (commandLine.textIsError ? std::cerr : std::cout) << commandLine.text;
    return commandLine.exitCode;
  }
  KestrinApplication application(argc, argv);
  application.setApplicationName(QStringLiteral("Kestrin"));
  application.setApplicationVersion(QStringLiteral(KESTRIN_VERSION));
  // Installed, the desktop entry and the icon theme name the windows.
  application.setDesktopFileName(QStringLiteral("org.kestrin.Kestrin"));
  application.setWindowIcon(QIcon::fromTheme(QStringLiteral("kestrin")));
  const auto platform = kestrin::app::makeSystemPlatform(argc > 0 ? argv[0] : "");
  const std::optional<std::string> baseFolder = commandLine.baseFolder;

  kestrin::app::MainWindow window(*platform);
  kestrin::app::StartupController(window).run(baseFolder);
  window.show();
  return QApplication::exec();
}
