#pragma once

#include <QString>

/// Shows a saved file selected in the desktop's file manager, without waiting for it: the file
/// manager's D-Bus call where one answers it, else the file's folder opened; on Windows, Explorer.
void ShowFileInFileManager(const QString& path);
