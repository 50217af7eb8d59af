#include "DocumentGenerator.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QList>
#include <QRandomGenerator>
#include <zip.h>

namespace {

const QStringList kNames = {
    QStringLiteral("ООО «Ромашка»"),     QStringLiteral("АО «Незабудка»"),
    QStringLiteral("ООО «Колокольчик»"), QStringLiteral("ИП Иванов Иван Иванович"),
    QStringLiteral("ООО «Подснежник»"),  QStringLiteral("ООО «Одуванчик Трейд»"),
    QStringLiteral("ООО «Ландыш»"),      QStringLiteral("ПАО «Северный завод»"),
};

QString Digits(QRandomGenerator& random, int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QChar(u'0' + random.bounded(10));
    return text;
}

QString Party(QRandomGenerator& random, const QString& suffix)
{
    auto tag = [&](const QString& name, const QString& value) {
        return QStringLiteral("\t\t<%1%3>%2</%1%3>\n").arg(name, value, suffix);
    };
    return tag(QStringLiteral("Наим"), kNames[random.bounded(int(kNames.size()))]) +
           tag(QStringLiteral("ИНН"), Digits(random, 10)) +
           tag(QStringLiteral("КПП"), Digits(random, 9)) +
           tag(QStringLiteral("Счет"), QStringLiteral("40702810") + Digits(random, 12)) +
           tag(QStringLiteral("Банк"), QStringLiteral("ПАО «Городской банк», г. Москва")) +
           tag(QStringLiteral("БИК"), QStringLiteral("0445") + Digits(random, 5)) +
           tag(QStringLiteral("Корсч"), QStringLiteral("30101810") + Digits(random, 12));
}

QString PayDocParty(QRandomGenerator& random, const QString& tag)
{
    const QString name = kNames[random.bounded(int(kNames.size()))];
    return QStringLiteral(
               "\t\t<%1>\n\t\t\t<Name>%2</Name>\n\t\t\t<INN>%3</INN>\n\t\t\t<KPP>%4</KPP>\n"
               "\t\t\t<Account>40702810%5</Account>\n\t\t\t<Bank>\n"
               "\t\t\t\t<BIC>0445%6</BIC>\n\t\t\t\t<Name>ПАО &quot;Городской банк&quot;, "
               "г. Москва</Name>\n\t\t\t\t<CorrespAcc>30101810%7</CorrespAcc>\n"
               "\t\t\t</Bank>\n\t\t</%1>\n")
        .arg(tag, name, Digits(random, 10), Digits(random, 9), Digits(random, 12),
             Digits(random, 5), Digits(random, 12));
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Roubles and kopecks, up to two million.
QString Amount(QRandomGenerator& random)
{
    const int roubles = random.bounded(1, 2000000);
    return QStringLiteral("%1.%2").arg(roubles).arg(random.bounded(100), 2, 10, QChar(u'0'));
}

} // namespace

QByteArray DocumentGenerator::Document(int i)
{
    QRandomGenerator random(quint32(i) + 1);
    const QDate date = QDate(2024, 1, 1).addDays(i % 366);
    const QString amount = Amount(random);
    QString text =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ПлатежноеПоручение>\n");
    text += QStringLiteral(
                "\t<НомерДок>%1</НомерДок>\n\t<ДатаДок>%2</ДатаДок>\n\t<СуммаДок>%3</СуммаДок>\n")
                .arg(i + 1)
                .arg(date.toString(Qt::ISODate), amount);
    text += QStringLiteral("\t<ВидПлат>электронно</ВидПлат>\n\t<Очередн>5</Очередн>\n");
    text +=
        QStringLiteral(
            "\t<СтатусСост>01</СтатусСост>\n\t<КБК>18210102010011000110</КБК>\n"
            "\t<ОКТМО>45380000</ОКТМО>\n\t<ОснПлат>ТП</ОснПлат>\n\t<НалПер>МС.%1</НалПер>\n"
            "\t<КодУИН>0</КодУИН>\n\t<ДатаПоступ>%2</ДатаПоступ>\n\t<ДатаСписан>%2</ДатаСписан>\n")
            .arg(date.toString(QStringLiteral("MM.yyyy")), date.toString(Qt::ISODate));
    text += QStringLiteral("\t<СведПлат>\n") + Party(random, QStringLiteral("Плат")) +
            QStringLiteral("\t</СведПлат>\n");
    text += QStringLiteral("\t<СведПол>\n") + Party(random, QStringLiteral("Пол")) +
            QStringLiteral("\t</СведПол>\n");
    text +=
        QStringLiteral(
            "\t<НазнПлат>Оплата по счету № %1 от %2 за товары и услуги по договору поставки "
            "№ %3 согласно спецификации к договору, акту сверки взаимных расчетов и универсальному "
            "передаточному документу. В т.ч. НДС 20% - %4 руб.</НазнПлат>\n</ПлатежноеПоручение>\n")
            .arg(random.bounded(1, 999))
            .arg(date.toString(QStringLiteral("dd.MM.yyyy")))
            .arg(Digits(random, 6), amount);
    return text.toUtf8();
}

QByteArray DocumentGenerator::PayDoc(int i)
{
    QRandomGenerator random(quint32(i) + 1);
    const QDate date = QDate(2024, 1, 1).addDays(i % 366);
    const QString amount = Amount(random);
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                  "<PayDocRu xmlns=\"urn:example:direct-exchange\">\n\t<Data>\n");
    text += QStringLiteral("\t\t<DocNo>%1</DocNo>\n\t\t<DocDate>%2</DocDate>\n\t\t<Sum>%3</Sum>\n")
                .arg(i + 1)
                .arg(date.toString(Qt::ISODate), amount);
    text +=
        PayDocParty(random, QStringLiteral("Payer")) + PayDocParty(random, QStringLiteral("Payee"));
    text += QStringLiteral(
                "\t\t<TransitionKind>01</TransitionKind>\n\t\t<Priority>5</Priority>\n"
                "\t\t<Purpose>Оплата по счету № %1 от %2 за товары и услуги по договору поставки "
                "№ %3. В т.ч. НДС 20% - %4 руб.</Purpose>\n\t</Data>\n</PayDocRu>\n")
                .arg(random.bounded(1, 999))
                .arg(date.toString(QStringLiteral("dd.MM.yyyy")))
                .arg(Digits(random, 6), amount);
    return text.toUtf8();
}

bool DocumentGenerator::Write(const QString& folder, int count, bool payDocs)
{
    const QString documents = QDir(folder).filePath(QStringLiteral("documents"));
    if (!QDir().mkpath(documents))
        return false;
    int error = 0;
    const QByteArray zipPath =
        QFile::encodeName(QDir(folder).filePath(QStringLiteral("documents.zip")));
    zip_t* archive = zip_open(zipPath.constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return false;
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("PP_%1.xml").arg(i + 1, 6, 10, QChar(u'0'));
        const QString path = QDir(documents).filePath(name);
        if (!WriteFile(path, payDocs ? PayDoc(i) : Document(i)))
            return false;
        zip_source_t* source = zip_source_file(archive, QFile::encodeName(path).constData(), 0, -1);
        if (!source || zip_file_add(archive, name.toUtf8().constData(), source, 0) < 0)
            return false;
    }
    return zip_close(archive) == 0;
}
