#pragma once
// Point geometry of the host's C-level interface, on ads_point triples.
#include "arx/base/AdsTypes.h"

// Angle of the line from pt1 to pt2 in the XY plane, from the X axis,
// counter-clockwise, in [0, 2π); 0 for two points with the same X and Y.
ads_real acutAngle(const ads_point pt1, const ads_point pt2);
// 3D distance between two points.
ads_real acutDistance(const ads_point pt1, const ads_point pt2);
// The point at dist from pt along angle in the XY plane; Z is pt's. result may be pt.
void acutPolar(const ads_point pt, ads_real angle, ads_real dist, ads_point result);
