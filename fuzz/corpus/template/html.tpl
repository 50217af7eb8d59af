<formats>
<decimal_separator>,</decimal_separator>
<date>dd.MM.yyyy</date>
<time>HH:mm</time>
<escape>html</escape>
</formats>
<header>
<!DOCTYPE html>
<html lang="ru">
<head>
<meta charset="windows-1251">
<title>Реестр платежных документов</title>
<style>
body { font-family: Tahoma, Arial, sans-serif; font-size: 10pt; margin: 1.5em; }
h1 { font-size: 14pt; margin: 0 0 0.3em; }
p { margin: 0 0 1em; }
table { border-collapse: collapse; width: 100%; }
th, td { border: 1px solid #888; padding: 3px 5px; vertical-align: top; text-align: left; }
th { background: #e8e8e8; }
td.number { text-align: right; white-space: nowrap; }
@media print { body { margin: 0; } th { background: none; } }
</style>
</head>
<body>
<h1>Реестр платежных документов</h1>
<p>Составлен {MakeDate} в {MakeTime}. Расчетный счет {ACC}</p>
<table>
<tr><th>Номер</th><th>Дата</th><th>Сумма</th><th>Плательщик</th><th>ИНН плательщика</th><th>Счет плательщика</th><th>Получатель</th><th>ИНН получателя</th><th>Счет получателя</th><th>Назначение платежа</th></tr>
</header>
<document>
<tr><td>{Номер}</td><td>{Дата}</td><td class="number">{Сумма}</td><td>{Плательщик}</td><td>{ПлательщикИНН}</td><td>{ПлательщикСчет}</td><td>{Получатель}</td><td>{ПолучательИНН}</td><td>{ПолучательСчет}</td><td>{НазначениеПлатежа}</td></tr>
</document>
<footer>
</table>
<p>Итого: {=count документ документа документов} на сумму {=sum Сумма}</p>
</body>
</html>

</footer>
