#pragma once

#include <QIdentityProxyModel>

class QFileDialog;

/// Puts the file dialogs' sizes, kinds and dates into Russian: the file model writes them in the
/// system's language, which may be English whatever the dialog's captions say.
class FileDialogTexts : public QIdentityProxyModel {
    Q_OBJECT
public:
    /// Puts a new instance between the dialog's file model and its views.
    static void Apply(QFileDialog* dialog);

    QVariant data(const QModelIndex& index, int role) const override;

private:
    explicit FileDialogTexts(QObject* parent);
};
