#include "language.h"

#include "pictures.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace language {
namespace {

QString g_current = QStringLiteral("en");
std::unique_ptr<QTranslator> g_translator;

QString translationFile(const QString& code)
{
    return QStringLiteral("translations\\vornash_%1.qm").arg(code);
}

bool isEnglish(const QString& code)
{
    return code == QLatin1String("en") || code.startsWith(QLatin1String("en_"));
}

} // namespace

QStringList wanted(const std::function<QString(const char* name)>& environment)
{
    QString setting;
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        setting = environment(name);
        if (!setting.isEmpty())
            break;
    }
    QStringList codes;
    for (QString entry : setting.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        // "de_AT.UTF-8@euro": the code set and the variant say nothing about the language.
        entry = entry.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
        if (entry == QLatin1String("C") || entry == QLatin1String("POSIX"))
            entry = QStringLiteral("en");
        if (entry.isEmpty())
            continue;
        const QString bare = entry.section(QLatin1Char('_'), 0, 0);
        for (const QString& code : {entry, bare})
            if (!codes.contains(code))
                codes << code;
    }
    return codes;
}

bool use(const QString& code)
{
    // Loaded already (for the command line, before the program's application was made): the
    // same translation goes onto the application in use, not read again.
    if (g_translator && code == g_current) {
        QCoreApplication::removeTranslator(g_translator.get());
        QCoreApplication::installTranslator(g_translator.get());
        return true;
    }
    if (g_translator) {
        QCoreApplication::removeTranslator(g_translator.get());
        g_translator.reset();
    }
    g_current = QStringLiteral("en");
    if (isEnglish(code))
        return true;
    const QString file = pictures::resolve(translationFile(code));
    auto translator = std::make_unique<QTranslator>();
    if (file.isEmpty() || !translator->load(file))
        return false;
    QCoreApplication::installTranslator(translator.get());
    g_translator = std::move(translator);
    g_current = code;
    return true;
}

QString chooseFromEnvironment()
{
    const QStringList codes
        = wanted([](const char* name) { return qEnvironmentVariable(name); });
    for (const QString& code : codes) {
        if (isEnglish(code) || !pictures::resolve(translationFile(code)).isEmpty())
            return code;
    }
    return QStringLiteral("en");
}

QString current()
{
    return g_current;
}

QLocale locale()
{
    const QLocale own(g_current);
    const QLocale desktop; // the system's, unless a default was set
    return desktop.language() == own.language() ? desktop : own;
}

QChar decimalPoint()
{
    const QString point = QLocale(g_current).decimalPoint();
    return point.size() == 1 ? point.at(0) : QLatin1Char('.');
}

} // namespace language
