// Where a cursor finds its table: DatabaseName names a folder or an alias.
// Aliases come from a global list made at start-up: the reserved
// "Default Directory" (the program's folder) and the lines of section
// [Alias] of an optional alias file.
#pragma once

#include <string>
#include <string_view>

namespace kestrin::dbf {

inline constexpr std::string_view kDefaultDirectoryAlias = "Default Directory";

// Reads the [Alias] section (name=path lines) of `aliasFile`, if it exists,
// into the global alias list. Called once at start-up.
void loadAliasFile(const std::string& aliasFile);

// Notes DatabaseName := `name`: one trailing separator removed, and the name
// added as an alias of itself when no alias of that name exists. Returns the
// name as stored.
std::string registerDatabaseName(std::string name);

// The folder a DatabaseName stands for, ending in a separator.
std::string databaseFolder(const std::string& databaseName);

// Folder + table name (".DBF" added when it has no extension), the file
// name matched without regard to letter case.
std::string tablePath(const std::string& databaseName, const std::string& tableName);

}  // namespace kestrin::dbf
