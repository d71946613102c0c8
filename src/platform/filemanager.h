#pragma once

#include <QString>

// Opening files and folders, and showing a file in the user's file manager.
namespace FileManager {

// Opens the file with its default application.
void open(const QString &path);
// Shows the file selected in a file-manager window through the desktop's FileManager1
// service; opens its folder where no such service answers.
void reveal(const QString &path);

} // namespace FileManager
