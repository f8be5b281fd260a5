#include "LngToolWindows.h"

#include "Tdm.h"
#include "Tzapujckyf.h"

QList<ToolWindow> lngToolWindows()
{
    // Only the constructors run: no database, no start-up sequence.
    return {
        {QStringLiteral("zapujckyf"), [](Tdm& dm) { return new Tzapujckyf(dm); }},
    };
}
