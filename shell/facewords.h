#pragma once
// The words on the picture buttons' faces in each language, each with its access key marked by
// '&' as on Qt's text buttons ("&Check"). The artwork tool draws every face from this table with
// the marked letter underlined, and the pages give each button that same letter as its Alt key,
// so that the underline and the key cannot disagree. The five letters of a language differ, as
// the problem pages carry all five buttons. Widget-free: the artwork tool compiles it too.

#include <QString>
#include <QStringView>

namespace facewords {

enum Face { Exit, Next, Answer, Check, Jotter, faceCount };

struct Language {
    const char* code;
    const char* words[faceCount]; // in the order of Face, UTF-8
};

// English first: its faces are the plain ones ("exit.jpg"), the others carry their code
// ("exit_de.jpg").
inline constexpr Language languages[] = {
    {"en", {"E&xit", "&Next", "&Answer", "&Check", "&Jotter"}},
    {"de", {"&Beenden", "&Weiter", "&Lösung", "&Prüfen", "No&tizblock"}},
    {"fr", {"&Quitter", "&Suivant", "&Réponse", "&Vérifier", "&Brouillon"}},
    {"es", {"&Salir", "Si&guiente", "So&lución", "&Comprobar", "Cua&derno"}},
};

// The word of `face` in the language `code` ("de", "de_AT"); English for a language without
// faces of its own.
inline QString word(Face face, QStringView code)
{
    const QStringView base = code.left(code.indexOf(QLatin1Char('_')));
    for (const Language& l : languages) {
        if (base == QLatin1String(l.code))
            return QString::fromUtf8(l.words[face]);
    }
    return QString::fromUtf8(languages[0].words[face]);
}

} // namespace facewords
