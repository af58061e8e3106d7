#include "photo/gui/photo_shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#ifdef KESTRIN_HAVE_DBUS
#include <QDBusConnection>
#include <QDBusMessage>
#endif

namespace kestrin::photo {

void openInDefaultProgram(const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

void showInFileManager(const QString& path) {
#ifdef KESTRIN_HAVE_DBUS
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
      QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
  call << QStringList{QUrl::fromLocalFile(path).toString()} << QString();
  const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 3000);
  if (reply.type() == QDBusMessage::ReplyMessage) return;
#endif
  QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath()));
}

}  // namespace kestrin::photo
