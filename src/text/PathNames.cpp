#include "PathNames.h"

#include "TextCleanup.h"

#include <QDir>

namespace {

bool IsSeparator(QChar c)
{
    return c == QLatin1Char('\\') || c == QLatin1Char('/');
}

qsizetype LastSeparator(const QString& path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        if (IsSeparator(path[i]))
            return i;
    }
    return -1;
}

} // namespace

QString PathNames::GetExt(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || dot == name.size() - 1)
        return {};
    const QString ext = name.mid(dot + 1);
    return ext.size() > 10 ? QString() : ext;
}

QString PathNames::GetName(const QString& path)
{
    QString rest = path;
    if (!rest.isEmpty() && IsSeparator(rest.back()))
        rest.chop(1);
    const qsizetype separator = LastSeparator(rest);
    if (separator >= 0 && separator < rest.size() - 1)
        return rest.mid(separator + 1);
    return rest;
}

QString PathNames::GetPath(const QString& path)
{
    const qsizetype separator = LastSeparator(path);
    if (separator > 0 && separator < path.size() - 1)
        return path.left(separator);
    return {};
}

QString PathNames::OnlyName(const QString& name)
{
    if (TextCleanup::TrimSpaces(name).size() < 2)
        return {};
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

QString PathNames::RulePath(const QString& path)
{
    if (!path.isEmpty() && IsSeparator(path.back()))
        return path;
    return path + QDir::separator();
}

QString PathNames::GetFnameUnicPart(const QString& path)
{
    const QString name = OnlyName(GetName(path));
    const qsizetype underscore = name.lastIndexOf(QLatin1Char('_'));
    return underscore < 0 ? name : name.mid(underscore + 1);
}
