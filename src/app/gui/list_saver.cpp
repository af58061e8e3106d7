#include "app/gui/list_saver.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QProgressDialog>
#include <QStandardPaths>
#include <array>
#include <filesystem>

#include "app/frame/level_pages.h"
#include "app/gui/main_window.h"
#include "app/gui/pages_controller.h"
#include "browse/export/list_file.h"

namespace kestrin::app {

namespace {

const QString kTextFilter = QStringLiteral("Текстовые файлы (*.txt)");
const QString kCsvFilter = QStringLiteral("CSV (UTF-8) (*.csv)");
const QString kAllFilter = QStringLiteral("Все файлы (*)");

// Below this many records the save is over before a progress dialog could help.
constexpr std::int64_t kProgressFrom = 20000;

const std::array<QString, 4> kProposedNames = {QStringLiteral("Фонды.txt"), QStringLiteral("Описи.txt"),
                                               QStringLiteral("Дела.txt"), QStringLiteral("Документы.txt")};

QString askWithDialog(MainWindow& window, const QString& proposed, QString* filter) {
  QFileDialog dialog(&window, QString(), proposed, listFileFilters());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("txt"));
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  dialog.selectNameFilter(*filter);
  // The suffix follows the chosen type.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& chosen) {
    dialog.setDefaultSuffix(chosen == kCsvFilter ? QStringLiteral("csv") : QStringLiteral("txt"));
  });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  *filter = dialog.selectedNameFilter();
  return dialog.selectedFiles().constFirst();
}

}  // namespace

QString listFileFilters() {
  return kTextFilter + QStringLiteral(";;") + kCsvFilter + QStringLiteral(";;") + kAllFilter;
}

browse::ListFormat listFormatFor(const QString& chosenFilter, const QString& fileName) {
  if (chosenFilter == kCsvFilter) return browse::ListFormat::csv;
  if (chosenFilter == kTextFilter) return browse::ListFormat::text;
  return fileName.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) ? browse::ListFormat::csv
                                                                        : browse::ListFormat::text;
}

ListSaver::ListSaver(MainWindow& window) : window_(window) {
  // Never the base folder unless the person goes there: the documents folder.
  folder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder_.isEmpty()) folder_ = QDir::homePath();
  askFile_ = [this](const QString& proposed, QString* filter) { return askWithDialog(window_, proposed, filter); };
}

void ListSaver::saveAs() {
  const int page = window_.pages().activePage();
  if (isLevelPage(page)) {
    proposedName_ = kProposedNames[static_cast<std::size_t>(page)];
  } else {
    window_.showStatus(QStringLiteral("Выберите раздел."));
  }
  QString filter = kTextFilter;
  const QString path = askFile_(QDir(folder_).filePath(proposedName_), &filter);
  if (path.isEmpty()) return;
  folder_ = QFileInfo(path).absolutePath();
  save(path, listFormatFor(filter, path));
}

bool ListSaver::save(const QString& path, browse::ListFormat format) {
  const int page = window_.pages().activePage();
  const std::filesystem::path target(path.toStdU16String());
  if (!isLevelPage(page)) {
    // No list on this page: the file is made, and empty.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
      window_.showStatus(QStringLiteral("Невозможно создать файл."));
      return false;
    }
    window_.showStatus(QStringLiteral("Отчёт сохранён."));
    return true;
  }
  const auto level = static_cast<archive::Level>(page);
  dbf::TableCursor& cursor = window_.tables().level(level);

  QProgressDialog progress(QStringLiteral("Сохранение списка..."), QStringLiteral("Отмена"), 0, 0, &window_);
  progress.setWindowTitle(window_.windowTitle());
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(500);
  progress.setAutoReset(false);
  progress.setAutoClose(false);
  auto onProgress = [&progress](std::int64_t done, std::int64_t total) {
    if (total >= kProgressFrom) {
      progress.setMaximum(static_cast<int>(std::min<std::int64_t>(total, INT32_MAX)));
      progress.setValue(static_cast<int>(std::min<std::int64_t>(done, INT32_MAX)));
    }
    // Until the dialog shows (and blocks the window) a click must not move
    // the list being written.
    QApplication::processEvents(progress.isVisible() ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    return !progress.wasCanceled();
  };

  QApplication::setOverrideCursor(Qt::WaitCursor);
  bool saved = false;
  try {
    browse::saveList({level, cursor, &window_.session().storagePlaces}, format, target, onProgress);
    saved = true;
  } catch (const browse::ListSaveCancelled&) {
    window_.showStatus(QStringLiteral("Сохранение отменено."));
  } catch (const browse::ListSaveError& error) {
    QApplication::restoreOverrideCursor();
    if (error.kind() == browse::ListSaveError::Kind::create) {
      window_.showStatus(QStringLiteral("Невозможно создать файл."));
      window_.reportFailure(QStringLiteral("Невозможно создать файл."), QString::fromStdString(error.what()));
    } else {
      window_.reportFailure(QStringLiteral("Отчёт не сохранён."), QString::fromStdString(error.what()));
    }
    return false;
  }
  QApplication::restoreOverrideCursor();
  progress.close();
  if (saved) window_.showStatus(QStringLiteral("Отчёт сохранён."));
  return saved;
}

}  // namespace kestrin::app
