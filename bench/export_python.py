#!/usr/bin/env python3
"""The same export in plain Python, as a yardstick for `vypiska-cli export`.

Reads every *.xml of a folder, finds each column's elements with a regular expression, fills the
template's document block for every document that has an amount and writes the statement in
Windows-1251.

    export_python.py FOLDER CONFIG_DIR TEMPLATE OUT
"""
import datetime
import os
import re
import sys
import urllib.parse


def section(text, name):
    start = text.find('<%s>' % name)
    if start < 0:
        return ''
    start += len(name) + 2
    end = text.find('</%s>' % name, start)
    if end < 0:
        return ''
    content = text[start:end]
    if content.startswith('\r\n'):
        content = content[2:]
    if content.endswith('\r\n'):
        content = content[:-2]
    return content


def columns(config):
    with open(os.path.join(config, 'TAG.INI'), encoding='cp1251') as f:
        lines = f.read().splitlines()
    result = []
    for line in lines:
        if '=' not in line:
            continue
        names = line.split('=')[1].strip().split(';')
        pattern = [re.compile('<%s>(.*?)</' % re.escape(n), re.S) for n in names[1:]]
        placeholders = [re.compile(re.escape('{%s}' % n), re.I) for n in names]
        result.append((names[0].lower() == 'сумма', pattern, placeholders))
    return result


DATE = re.compile(r'^(\d{4})-(\d{2})-(\d{2})')
NUMBER = re.compile(r'^-?[\d ]+([.,]\d+)?$')


def formatted(value, separator):
    value = value.strip(' ')
    date = DATE.match(value)
    if date:
        return '%s.%s.%s' % (date.group(3), date.group(2), date.group(1))
    if NUMBER.match(value):
        return value.replace(' ', '').replace(',', separator).replace('.', separator)
    return value.rsplit(':', 1)[-1].strip(' ')


def main():
    folder, config, template_path, out = sys.argv[1:5]
    with open(template_path, encoding='cp1251') as f:
        template = f.read().replace('\n', '\r\n')
    separator = section(section(template, 'formats'), 'decimal_separator') or ','
    block = section(template, 'document')
    now = datetime.datetime.now()
    header = section(template, 'header')
    header = header.replace('{MakeDate}', now.strftime('%d.%m.%Y'))
    header = header.replace('{MakeTime}', now.strftime('%H:%M:%S')).replace('{ACC}', '')
    parts = [header, '\r\n']
    cols = columns(config)
    for name in sorted(os.listdir(folder)):
        if not name.lower().endswith('.xml'):
            continue
        with open(os.path.join(folder, name), 'rb') as f:
            text = urllib.parse.unquote_to_bytes(f.read()).decode('utf-8', errors='replace')
        document = block
        for is_amount, patterns, placeholders in cols:
            value = ''
            for pattern in patterns:
                found = pattern.search(text)
                if found and found.group(1).strip('\r\n'):
                    value = found.group(1).strip('\r\n')
                    break
            if is_amount and not value:
                document = None
                break
            value = formatted(value, separator)
            for placeholder in placeholders:
                document = placeholder.sub(lambda _: value, document)
        if document is not None:
            parts.append(document)
            parts.append('\r\n')
    parts.append(section(template, 'footer'))
    with open(out, 'wb') as f:
        f.write(''.join(parts).encode('cp1251', errors='replace'))


if __name__ == '__main__':
    main()
