#pragma once
// Sine of a body's altitude, and the three-point parabola that finds its
// horizon crossings.
namespace astro {

enum class Body { Moon, Sun };

// An observer on the sphere: longitude in degrees, east positive, and the
// latitude by its cosine and sine.
struct Observer {
    double longitudeEast = 0;
    double cosLatitude = 1;
    double sinLatitude = 0;
};

// Sine of the geometric altitude of `body` at the instant dayStartMjd +
// hours / 24 (MJD, UT) for the observer.
double SineAltitude(Body body, double dayStartMjd, double hours, const Observer& at);

// The parabola through (-1, ym), (0, y0), (+1, yp): its extremum and its
// roots root1 <= root2 (set only when there are two distinct roots), and
// the number of roots in [-1, 1].  With one root inside, it is root1.
// Three samples on a straight line give no extremum (extremumX 0,
// extremumY y0) and the line's root, when inside, in root1 and root2.
struct Parabola {
    double extremumX = 0, extremumY = 0;
    double root1 = 0, root2 = 0;
    int rootsInside = 0;
};
Parabola FitParabola(double ym, double y0, double yp);

}  // namespace astro
