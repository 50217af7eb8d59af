<formats>
<decimal_separator>,</decimal_separator>
<date>yyyy-MM-dd</date>
<time>hh:mm:ss</time>
<escape>text</escape>
<payer_account>ПлательщикСчет</payer_account>
<payee_account>ПолучательСчет</payee_account>
</formats>
<header><p>{MakeDate} {MakeTime} {ACC}: {=min Дата} – {=max Дата}, {=min Сумма}…{=max Сумма}, {=opening}</p></header>
<document><tr>{=debit}<td>-{=amount Сумма}</td>{=end}{=credit}<td>+{=amount Сумма}</td>{=end}{=if КПППлат}<td>{ПлательщикКПП}</td>{=end}<td>{Плательщик}</td><td>{НазначениеПлатежа}</td>{=if Дата}{=if Получатель}{Получатель}{=end}{=end}{Неизвестно}{=bogus}</tr></document>
<footer>{=count документ документа документов}; {=sum Сумма}; {=debits Сумма}; {=credits Сумма}; {=closing Сумма}</footer>
