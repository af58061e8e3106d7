#include "photo/gui/photo_clipboard.h"

#include <QMimeData>
#include <QUrl>

namespace kestrin::photo {

QString pathsAsText(const QStringList& paths) {
  QString text;
  for (const QString& path : paths) text += path + QStringLiteral("\r\n");
  return text;
}

QMimeData* filesMimeData(const QStringList& paths) {
  auto* data = new QMimeData;
  QList<QUrl> urls;
  QByteArray uriList;
  QByteArray gnome("copy");
  for (const QString& path : paths) {
    const QUrl url = QUrl::fromLocalFile(path);
    urls.append(url);
    uriList += url.toEncoded() + "\r\n";
    gnome += "\n" + url.toEncoded();
  }
  data->setUrls(urls);
  // Set after setUrls, which writes no format at all for an empty list.
  data->setData(QStringLiteral("text/uri-list"), uriList);
  data->setData(QStringLiteral("x-special/gnome-copied-files"), gnome);
  return data;
}

}  // namespace kestrin::photo
