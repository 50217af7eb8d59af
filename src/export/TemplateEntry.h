#pragma once

#include <QString>

/// One export template of the configuration folder, named title.ext.tpl.
struct TemplateEntry {
    QString fileName;
    /// Shown as the file type in the save dialog.
    QString title;
    /// The extension of the files it produces; empty for a name without one.
    QString extension;
    /// The configuration folder that holds it.
    QString folder;
};
