#include "takeaway.h"

#include <QCoreApplication>
#include <QLibrary>

namespace forms {

// Where the module is installed, from the folder the program is in: the same in the build tree.
const TakeAway *takeAway(QString *why)
{
    static QLibrary module;
    static const TakeAway *loaded = nullptr;
    if (!loaded) {
        module.setFileName(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/" VARELUX_TAKE_AWAY_MODULE));
        if (const auto entry =
                reinterpret_cast<decltype(&varelux_take_away)>(module.resolve("varelux_take_away")))
            loaded = entry();
        else if (why)
            *why = module.errorString();
    }
    return loaded;
}

} // namespace forms
