#include "framename.h"
#include "output.h"
#include "shellpictures.h"

#include <utility>
#include <vector>

namespace art {

bool drawShellPictures(const QString& outDir, const QString& sheetsDir)
{
    bool ok = true;
    auto write = [&](const QImage& image, const QString& relative) {
        ok = writePicture(image, outDir + QLatin1Char('/') + relative) && ok;
    };
    auto writeTwice = [&](const QImage& twice, const QString& relative) {
        ok = writeBothSizes(twice, outDir + QLatin1Char('/') + relative) && ok;
    };
    // The pages ask for "Images\..." and "images\..."; lookup ignores case, so one folder serves.
    const std::vector<std::pair<ButtonIcon, const char*>> buttons{
        {ButtonIcon::Exit, "Exit"}, {ButtonIcon::Next, "Next"}, {ButtonIcon::Answer, "Answer"},
        {ButtonIcon::Check, "Check"}, {ButtonIcon::Jotter, "Jotter"}};
    for (const auto& [icon, word] : buttons)
        writeTwice(buttonFace(icon, QLatin1String(word)),
              QStringLiteral("Images/%1.jpg").arg(QString::fromLatin1(word).toLower()));
    // The same faces in each translation's words, beside the English ones ("exit_de.jpg"); a
    // page in that language takes them when they are there.
    const struct {
        const char* language;
        const char* words[5]; // as the buttons above
    } translated[] = {
        {"de", {"Beenden", "Weiter", "Lösung", "Prüfen", "Notizblock"}},
        {"fr", {"Quitter", "Suivant", "Réponse", "Vérifier", "Brouillon"}},
        {"es", {"Salir", "Siguiente", "Solución", "Comprobar", "Cuaderno"}},
    };
    for (const auto& t : translated) {
        for (std::size_t i = 0; i < buttons.size(); ++i)
            writeTwice(buttonFace(buttons[i].first, QString::fromUtf8(t.words[i])),
                       QStringLiteral("Images/%1_%2.jpg")
                           .arg(QString::fromLatin1(buttons[i].second).toLower(),
                                QLatin1String(t.language)));
    }
    writeTwice(logo(), QStringLiteral("Images/logo2.jpg"));
    // The backdrop fills the whole menu page, so it is drawn at each size rather than reduced.
    const QString backdrop = QStringLiteral("conenw/conene00.jpg");
    write(menuBackground(1), backdrop);
    write(menuBackground(2), twiceSizeName(backdrop));
    for (int size : {16, 32, 48, 64, 128, 256}) {
        // Small icons are drawn large and reduced, which keeps their lines soft but whole.
        const QImage big = emblem(std::max(size, 128));
        write(big.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation),
              QStringLiteral("icons/vornash-%1.png").arg(size));
    }
    return renderSequence(titleSequence(), outDir, sheetsDir) && ok;
}

} // namespace art
