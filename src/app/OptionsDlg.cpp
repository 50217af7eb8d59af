#include "OptionsDlg.h"

#include "DigitsValidator.h"
#include "ExactAmount.h"
#include "INIStorage.h"
#include "InnCheck.h"
#include "LocaleNumbers.h"
#include "OpeningBalance.h"
#include "Twips.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kName = QStringLiteral("Name");
const QString kInn = QStringLiteral("INN");
const QString kAccount = QStringLiteral("ACC");

QLabel* RightLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QLineEdit* DigitsBox(int maxDigits, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setValidator(new DigitsValidator(maxDigits, box));
    return box;
}

// An amount as it is typed: a sign, digits with spaces between groups, a point or a comma and at
// most two decimals; whether it is complete is checked on saving.
QLineEdit* AmountBox(QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("-?[0-9 \u00A0]{0,21}([.,][0-9]{0,2})?")), box));
    return box;
}

QPushButton* Button(const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    // Neither Enter nor Esc belongs to a button of this dialog.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace

OptionsDlg::OptionsDlg(const INIStorage& settings, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_settings(settings)
{
    setWindowTitle(QStringLiteral("Настройки"));
    setFont(QFont(QStringLiteral("Tahoma"), 9));
    CreateControls();
    Load();
    connect(txtOrgName, &QLineEdit::textChanged, this, &OptionsDlg::Edited);
    connect(txtINN, &QLineEdit::textChanged, this, &OptionsDlg::Edited);
    connect(txtACC, &QLineEdit::textChanged, this, &OptionsDlg::Edited);
    connect(txtBalance, &QLineEdit::textChanged, this, &OptionsDlg::Edited);
    connect(txtINN, &QLineEdit::textChanged, this, &OptionsDlg::ShowInnCheck);
    connect(CommandButtonW3, &QPushButton::clicked, this, &OptionsDlg::Save);
    connect(CommandButtonW1, &QPushButton::clicked, this, [this] {
        if (CommandButtonW3->isEnabled() && !Save())
            return;
        accept();
    });
    connect(CommandButtonW2, &QPushButton::clicked, this, &QDialog::reject);
    txtINN->installEventFilter(this);
    // A stored number is judged at once; a typed one once the user has left the box.
    m_innLeft = !txtINN->text().isEmpty();
    ShowInnCheck();
}

QString OptionsDlg::WrongInnText()
{
    return QStringLiteral("Контрольные цифры ИНН не сходятся: проверьте номер");
}

QString OptionsDlg::InnLengthText()
{
    return QStringLiteral("ИНН состоит из 10 или 12 цифр");
}

QString OptionsDlg::WrongBalanceText()
{
    return QStringLiteral("Начальный остаток: сумма в рублях, например 15000,00 или -250.5");
}

void OptionsDlg::CreateControls()
{
    const Twips twips(this);
    setFixedSize(twips.ToPixels(7992), twips.ToPixels(3864));
    FrameW1 = new QGroupBox(QStringLiteral("Организация"), this);
    FrameW1->setGeometry(twips.Rect(168, 132, 7644, 2484));
    LabelW1 = RightLabel(QStringLiteral("Наименование:"), FrameW1);
    LabelW1->setGeometry(twips.Rect(96, 456, 1524, 300));
    txtOrgName = new QLineEdit(FrameW1);
    txtOrgName->setGeometry(twips.Rect(1716, 432, 5700, 312));
    LabelW2 = RightLabel(QStringLiteral("ИНН:"), FrameW1);
    LabelW2->setGeometry(twips.Rect(312, 912, 1284, 300));
    txtINN = DigitsBox(12, FrameW1);
    txtINN->setGeometry(twips.Rect(1716, 888, 3756, 312));
    LabelW3 = RightLabel(QStringLiteral("Расч. счет:"), FrameW1);
    LabelW3->setGeometry(twips.Rect(312, 1368, 1284, 300));
    txtACC = DigitsBox(20, FrameW1);
    txtACC->setGeometry(twips.Rect(1716, 1344, 3756, 312));
    // Two lines, centred on its box: the column of labels is too narrow for it on one.
    LabelW4 = RightLabel(QStringLiteral("Начальный остаток:"), FrameW1);
    LabelW4->setWordWrap(true);
    LabelW4->setGeometry(twips.Rect(96, 1716, 1524, 480));
    txtBalance = AmountBox(FrameW1);
    txtBalance->setGeometry(twips.Rect(1716, 1800, 3756, 312));
    txtBalance->setPlaceholderText(QStringLiteral("0,00"));
    CommandButtonW1 = Button(QStringLiteral("Ok"), this);
    CommandButtonW1->setGeometry(twips.Rect(3324, 3300, 1452, 384));
    CommandButtonW2 = Button(QStringLiteral("Отмена"), this);
    CommandButtonW2->setGeometry(twips.Rect(4824, 3300, 1440, 384));
    CommandButtonW3 = Button(QStringLiteral("Применить"), this);
    CommandButtonW3->setGeometry(twips.Rect(6372, 3300, 1452, 384));
    CommandButtonW3->setEnabled(false);
    setTabOrder(txtOrgName, txtINN);
    setTabOrder(txtINN, txtACC);
    setTabOrder(txtACC, txtBalance);
    setTabOrder(txtBalance, CommandButtonW1);
    setTabOrder(CommandButtonW1, CommandButtonW2);
    setTabOrder(CommandButtonW2, CommandButtonW3);
}

void OptionsDlg::Load()
{
    // The dialog is not visible yet, so filling the boxes leaves "Применить" disabled.
    txtOrgName->setText(m_settings.ReadVal(1, kName, QString()).toString().trimmed());
    txtINN->setText(m_settings.ReadVal(1, kInn, QString()).toString().trimmed());
    txtACC->setText(m_settings.ReadVal(1, kAccount, QString()).toString().trimmed());
    txtBalance->setText(m_settings.ReadVal(1, OpeningBalanceKey(), QString()).toString().trimmed());
}

bool OptionsDlg::Save()
{
    // The balance is kept in one form, with a point and two decimals, whatever was typed.
    QString balance;
    if (!txtBalance->text().trimmed().isEmpty()) {
        const std::optional<ExactAmount> amount =
            ExactAmount::Read(txtBalance->text(), LocaleNumbers::Symbols());
        if (!amount) {
            ShowBalanceCheck(true);
            return false;
        }
        balance = amount->Text(u".", 2);
    }
    ShowBalanceCheck(false);
    m_settings.WriteVal(1, kName, txtOrgName->text().trimmed());
    m_settings.WriteVal(1, kInn, txtINN->text().trimmed());
    m_settings.WriteVal(1, kAccount, txtACC->text().trimmed());
    m_settings.WriteVal(1, OpeningBalanceKey(), balance);
    return true;
}

void OptionsDlg::ShowBalanceCheck(bool wrong)
{
    txtBalance->setStyleSheet(wrong ? QStringLiteral("QLineEdit { color: #C00000; }") : QString());
    txtBalance->setToolTip(wrong ? WrongBalanceText() : QString());
}

void OptionsDlg::Edited()
{
    if (isVisible())
        CommandButtonW3->setEnabled(true);
}

void OptionsDlg::ShowInnCheck()
{
    const qsizetype length = txtINN->text().size();
    const bool wrongLength = m_innLeft && length != 0 && length != 10 && length != 12;
    const bool wrongDigits = InnCheckFails(txtINN->text());
    const bool wrong = wrongLength || wrongDigits;
    txtINN->setStyleSheet(wrong ? QStringLiteral("QLineEdit { color: #C00000; }") : QString());
    txtINN->setToolTip(wrongLength ? InnLengthText() : wrongDigits ? WrongInnText() : QString());
}

bool OptionsDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtINN && event->type() == QEvent::FocusOut && !txtINN->text().isEmpty()) {
        m_innLeft = true;
        ShowInnCheck();
    }
    return QDialog::eventFilter(watched, event);
}

void OptionsDlg::keyPressEvent(QKeyEvent* event)
{
    // Esc does not close the dialog: only its buttons and its close box do.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
