#pragma once

#include <QString>

#include <functional>

// Opening files and folders, and showing a file in the user's file manager. `failed` is
// called when the desktop has nothing to do it with, so the window can say so.
namespace FileManager {

// Opens the file (or folder) with its default application.
void open(const QString &path, const std::function<void()> &failed = {});
// Shows the file selected in a file-manager window through the desktop's FileManager1
// service; opens its folder where no such service answers.
void reveal(const QString &path, const std::function<void()> &failed = {});

// Whether the desktop names an application for the type of `path` (a folder's type is
// inode/directory), or for a type it derives from, in the MIME associations of the XDG
// data and configuration folders. Inside a sandbox the portal asks the user instead, so
// there is always one.
bool hasApplicationFor(const QString &path);

} // namespace FileManager
