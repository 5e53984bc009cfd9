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
    // The pages ask for "Images\..." and "images\..."; lookup ignores case, so one folder serves.
    const std::vector<std::pair<ButtonIcon, const char*>> buttons{
        {ButtonIcon::Exit, "Exit"}, {ButtonIcon::Next, "Next"}, {ButtonIcon::Answer, "Answer"},
        {ButtonIcon::Check, "Check"}, {ButtonIcon::Jotter, "Jotter"}};
    for (const auto& [icon, word] : buttons)
        write(buttonFace(icon, QLatin1String(word)),
              QStringLiteral("Images/%1.jpg").arg(QString::fromLatin1(word).toLower()));
    write(logo(), QStringLiteral("Images/logo2.jpg"));
    write(menuBackground(), QStringLiteral("conenw/conene00.jpg"));
    for (int size : {16, 32, 48, 64, 128, 256}) {
        // Small icons are drawn large and reduced, which keeps their lines soft but whole.
        const QImage big = emblem(std::max(size, 128));
        write(big.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation),
              QStringLiteral("icons/vornash-%1.png").arg(size));
    }
    return renderSequence(titleSequence(), outDir, sheetsDir) && ok;
}

} // namespace art
