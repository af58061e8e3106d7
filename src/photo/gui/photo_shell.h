// Opening photos in other programs: the file's default program, and the
// file manager with the file selected in its folder.
#pragma once

#include <QString>

namespace kestrin::photo {

// Opens `path` in the program the desktop associates with it.
void openInDefaultProgram(const QString& path);

// Shows `path` selected in the file manager (the freedesktop FileManager1
// ShowItems call where D-Bus is at hand), else opens its folder.
void showInFileManager(const QString& path);

}  // namespace kestrin::photo
