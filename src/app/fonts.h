#pragma once

// Registers the metric-compatible faces that stand in for "Tahoma", "MS Sans Serif" and
// "Comic Sans MS". Missing files are skipped; ordinary font substitution then applies.
void RegisterStandInFonts();
