#include "facewords.h"
#include "framename.h"
#include "output.h"
#include "shellpictures.h"

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
    // English faces are the plain ones ("exit.jpg"); each other language's stand beside them
    // ("exit_de.jpg"), and a page in that language takes them when they are there. Each face
    // underlines the letter of its button's access key.
    const ButtonIcon icons[facewords::faceCount] = {ButtonIcon::Exit, ButtonIcon::Next,
                                                    ButtonIcon::Answer, ButtonIcon::Check,
                                                    ButtonIcon::Jotter};
    const char* files[facewords::faceCount] = {"exit", "next", "answer", "check", "jotter"};
    for (const facewords::Language& language : facewords::languages) {
        const QString suffix = &language == &facewords::languages[0]
                                   ? QString()
                                   : QLatin1Char('_') + QLatin1String(language.code);
        for (int face = 0; face < facewords::faceCount; ++face)
            writeTwice(buttonFace(icons[face], QString::fromUtf8(language.words[face])),
                       QStringLiteral("Images/%1%2.jpg").arg(QLatin1String(files[face]), suffix));
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
