#include "road.h"

#include "intro0.h"
#include "navigation.h"
#include "titlefrm.h"

namespace road {

void registerAllPages()
{
    navigation::registerPage(QStringLiteral("Titlefrm"), [] { return new Titlefrm; });
    navigation::registerPage(QStringLiteral("intro0"), [] { return new intro0; });
}

} // namespace road
