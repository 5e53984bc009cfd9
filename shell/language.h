#pragma once
// The language the pupil reads: chosen from the environment as gettext chooses, its translation
// installed, and how numbers are written in it. English is the language of the source texts
// and needs no translation.

#include <QChar>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <functional>

namespace language {

// The languages asked for, most wanted first: LANGUAGE (a colon-separated list), else LC_ALL,
// else LC_MESSAGES, else LANG, the first that is set and not empty. Each entry gives its
// language with the country and then without ("de_AT.UTF-8@euro" gives "de_AT", "de"); "C" and
// "POSIX" give "en".
QStringList wanted(const std::function<QString(const char* name)>& environment);

// Puts the texts into `code` ("de", "fr_CA"...): installs its translation, found like a picture
// as "translations\vornash_<code>.qm", in place of any installed before. "en" removes it. False,
// with English in use, when no translation of that language is found or it cannot be read.
bool use(const QString& code);

// The first wanted language that is English or has a translation; English when none has.
QString chooseFromEnvironment();

// The language in use: "en" until another is put in use.
QString current();

// Dates and counts in the language in use, the way the desktop's own locale writes them where
// that locale speaks the same language ("en_GB": 25/11/2026, not the bare "en"'s 11/25/26).
// Answers keep decimalPoint(), the language's own, whatever the desktop's territory.
QLocale locale();

// How the language in use writes the decimal point: ',' in German, French and Spanish.
QChar decimalPoint();
inline bool decimalComma() { return decimalPoint() == QLatin1Char(','); }

} // namespace language
