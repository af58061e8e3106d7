// Kestrin: a read-only viewer of the "Архивный Фонд" archive database.
// The first command-line argument names the base folder.
#include <QApplication>
#include <QMessageBox>
#include <exception>
#include <optional>
#include <string>

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
  KestrinApplication application(argc, argv);
  application.setApplicationName(QStringLiteral("Kestrin"));
  const auto platform = kestrin::app::makeSystemPlatform(argc > 0 ? argv[0] : "");
  std::optional<std::string> baseFolder;
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) baseFolder = arguments.at(1).toStdString();

  kestrin::app::MainWindow window(*platform);
  kestrin::app::StartupController(window).run(baseFolder);
  window.show();
  return QApplication::exec();
}
