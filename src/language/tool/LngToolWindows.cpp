#include "LngToolWindows.h"

#include "AppPaths.h"
#include "ConnectionDialog.h"
#include "Tdm.h"
#include "Tloginf.h"
#include "Tuvodnif.h"
#include "Tzapujckaf.h"
#include "Tzapujckyf.h"

QList<ToolWindow> lngToolWindows()
{
    // Only the constructors run: no database, no start-up sequence.
    return {
        {QStringLiteral("zapujckyf"), [](Tdm& dm) { return new Tzapujckyf(dm); }},
        {QStringLiteral("zapujckaf"), [](Tdm& dm) { return new Tzapujckaf(dm); }},
        {QStringLiteral("loginf"), [](Tdm& dm) { return new Tloginf(dm); }},
        {QStringLiteral("connectiondialog"), [](Tdm&) { return new ConnectionDialog(AppPaths::udlFile()); }},
    };
}
