#include "SaveCommand.h"

#include "DocumentTableModel.h"
#include "FileDialogTexts.h"
#include "FileShower.h"
#include "Form1.h"
#include "INIStorage.h"
#include "InputSelection.h"
#include "OutputRefusal.h"
#include "RenderExport.h"
#include "TemplateList.h"

#include <QAbstractProxyModel>
#include <QDateTimeEdit>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QTreeView>

SaveCommand::SaveCommand(Form1& form, const INIStorage& settings,
                         const QStringList& templateFolders)
    : QObject(&form), m_form(form), m_settings(settings), m_templateFolders(templateFolders),
      m_showFile(ShowFileInFileManager)
{
    connect(form.CommandSaveAs, &QToolButton::clicked, this, &SaveCommand::Run);
    connect(form.mnuOpenAfter, &QAction::triggered, this, &SaveCommand::StoreOption);
    connect(form.DTPicker1, &QDateTimeEdit::dateTimeChanged, this, &SaveCommand::DropTimeOfDay);
}

void SaveCommand::Run()
{
    const TemplateList templates(m_templateFolders);
    const std::unique_ptr<QFileDialog> dialog = CreateDialog(templates);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return;
    // The chosen file type picks the template, whatever extension the typed name has.
    const qsizetype index = templates.NameFilters().indexOf(dialog->selectedNameFilter());
    if (index < 0)
        return;
    SaveTo(dialog->selectedFiles().constFirst(), templates.Path(index));
}

std::unique_ptr<QFileDialog> SaveCommand::CreateDialog(const TemplateList& templates) const
{
    auto dialog = std::make_unique<QFileDialog>(&m_form);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    FileDialogTexts::Apply(dialog.get());
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters(templates.NameFilters());
    dialog->setDefaultSuffix(templates.OutputExtension());
    dialog->setDirectory(m_lastSaveFolder.isEmpty()
                             ? InputSelection::FolderOf(m_form.TxtFileIn->text())
                             : m_lastSaveFolder);
    // The proposed name carries the last template's extension, so the dialog starts on that
    // template: pressing "Save" at once gives a file whose name matches its content. The type is
    // chosen before the name, since choosing a type changes the extension of the typed name.
    if (!templates.Entries().isEmpty())
        dialog->selectNameFilter(templates.NameFilters().constLast());
    dialog->selectFile(templates.ProposedName(m_form.TxtFileIn->text()));
    return dialog;
}

bool SaveCommand::SaveTo(const QString& out, const QString& templatePath)
{
    const QString refusal = OutputRefusal(out, m_form.TxtFileIn->text(), *m_form.Table(),
                                          templatePath, m_templateFolders);
    if (!refusal.isEmpty()) {
        m_form.ShowStatusText({refusal, StatusColor::Red});
        return false;
    }
    ExportOutcome outcome;
    if (!RenderExport(out, *m_form.Table(), ShownOrder(), templatePath,
                      m_form.DTPicker1->dateTime(), m_settings, outcome)) {
        m_form.ShowStatusText(TemplateList::FailureMessage(outcome.errorString));
        return false;
    }
    m_lastSaveFolder = QFileInfo(out).absolutePath();
    m_form.ShowStatusText(TemplateList::SuccessMessage(m_form.Table()->rowCount(),
                                                       QDir::toNativeSeparators(out), outcome));
    if (m_form.mnuOpenAfter->isChecked())
        m_showFile(out);
    return true;
}

void SaveCommand::RestoreOption()
{
    bool isNumber = false;
    const double value = m_settings.ReadVal(2, QStringLiteral("GotoAfterSave"), 0)
                             .toString()
                             .trimmed()
                             .toDouble(&isNumber);
    m_form.mnuOpenAfter->setChecked(isNumber && value == 1);
}

void SaveCommand::StoreOption(bool checked)
{
    m_settings.WriteVal(2, QStringLiteral("GotoAfterSave"), checked ? 1 : 0);
}

void SaveCommand::DropTimeOfDay(const QDateTime& value)
{
    // The start-up time is set before the window shows and stays; a choice of the user's is a day.
    if (m_form.isVisible() && value.time() != QTime(0, 0))
        m_form.DTPicker1->setDateTime(QDateTime(value.date(), QTime(0, 0)));
}

QList<int> SaveCommand::ShownOrder() const
{
    const auto* shown = qobject_cast<const QAbstractProxyModel*>(m_form.List->model());
    if (!shown || shown->sourceModel() != m_form.Table())
        return ReadingOrder(*m_form.Table());
    QList<int> rows;
    rows.reserve(shown->rowCount());
    for (int row = 0; row < shown->rowCount(); ++row)
        rows.append(shown->mapToSource(shown->index(row, 0)).row());
    return rows;
}
