#include "road.h"

#include "circles0.h"
#include "folding0.h"
#include "intro0.h"
#include "navigation.h"
#include "problempage.h"
#include "titlefrm.h"

namespace road {

void registerAllPages()
{
    navigation::registerPage(QStringLiteral("Titlefrm"), [] { return new Titlefrm; });
    navigation::registerPage(QStringLiteral("intro0"), [] { return new intro0; });
    navigation::registerPage(QStringLiteral("circles0"), [] { return new circles0; });
    navigation::registerPage(QStringLiteral("folding0"), [] { return new folding0; });
    navigation::registerPage(QStringLiteral("circles"), [] { return new circles; });
    navigation::registerPage(QStringLiteral("folding"), [] { return new folding; });
}

} // namespace road
