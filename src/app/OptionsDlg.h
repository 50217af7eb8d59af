#pragma once

#include <QDialog>

class INIStorage;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

/// The organisation's requisites: name, taxpayer number (INN), settlement account and its opening
/// balance, read from the section "Organization" when the dialog opens and written by "Применить"
/// or by "Ok" after an edit. An INN of a length other than 10 or 12 digits (once the box has been
/// left), or whose check digits are wrong, is shown in red with a tool tip, and stored all the
/// same; a balance that is no amount is shown in red and keeps anything from being stored.
class OptionsDlg : public QDialog {
    Q_OBJECT
public:
    explicit OptionsDlg(const INIStorage& settings, QWidget* parent = nullptr);

    /// The tool tip of an INN whose check digits are wrong.
    static QString WrongInnText();
    /// The tool tip of an INN of a length no INN has.
    static QString InnLengthText();
    /// The tool tip of an opening balance that is no amount.
    static QString WrongBalanceText();

    QGroupBox* FrameW1 = nullptr;
    QLabel* LabelW1 = nullptr;
    QLineEdit* txtOrgName = nullptr;
    QLabel* LabelW2 = nullptr;
    QLineEdit* txtINN = nullptr;
    QLabel* LabelW3 = nullptr;
    QLineEdit* txtACC = nullptr;
    QLabel* LabelW4 = nullptr;
    QLineEdit* txtBalance = nullptr;
    QPushButton* CommandButtonW1 = nullptr;
    QPushButton* CommandButtonW2 = nullptr;
    QPushButton* CommandButtonW3 = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void Load();
    /// False, storing nothing, when the balance is no amount.
    bool Save();
    void ShowBalanceCheck(bool wrong);
    void Edited();
    void ShowInnCheck();

    const INIStorage& m_settings;
    // Set once the INN box has been left with digits in it (or opened with a stored number).
    bool m_innLeft = false;
};
