// The photo list's clipboard contents: the paths as text, and the files
// themselves the way file managers take them (text/uri-list and GNOME's
// x-special/gnome-copied-files; Qt gives Windows its file-drop list from
// the URLs).
#pragma once

#include <QStringList>

class QMimeData;

namespace kestrin::photo {

// Each path followed by CR LF; nothing for no paths.
QString pathsAsText(const QStringList& paths);

// A new QMimeData holding the files at `paths` for copying; an empty list
// still holds the (empty) file formats.
QMimeData* filesMimeData(const QStringList& paths);

}  // namespace kestrin::photo
