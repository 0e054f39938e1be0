#pragma once

// The compass dial shared by the map screens. Forms reach it through
// Row<zelCompass>::standardMapCompass(); the dashboards' own dials are written
// out row by row with the compass setters of Row.

class zelCompass;

namespace quarn {

// Ring, target, sun and moon, white north and black other badges, heading and
// bearing 0, turning with the heading, radius 82 about (120, 130); then repaints.
// Parent and geometry stay the form's.
void applyStandardMapCompass(zelCompass *compass);

} // namespace quarn
