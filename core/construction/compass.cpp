#include "core/construction/row.h"
#include "controls/zel_compass.h"

namespace quarn {

// The map screens' compass, drawn over the map: large ring and badges, the sun
// and moon shown, turning with the heading about the middle of its 240 px box.
void looks::standardMapCompass(zelCompass *compass)
{
    Row<zelCompass>(compass)
        .compassRing(":/Bkgd/bkgd_Compass_1.mif")
        .targetIcon(":/Icons/i_DashboardTarget.mif")
        .sunIcon(":/Icons/i_Sun.mif")
        .moonIcon(":/Icons/i_Moon.mif")
        .cardinalBadges(":/Icons/i_Compass_WhiteCardinal.mif", ":/Icons/i_Compass_BlackCardinal.mif",
                        ":/Icons/i_Compass_BlackCardinal.mif", ":/Icons/i_Compass_BlackCardinal.mif")
        .headingAndBearing(0, 0)
        .northUp(false)
        .dial(82, 120, 130)
        .update();
}

} // namespace quarn
