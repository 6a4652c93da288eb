#pragma once

// The two offsets a drawn form adds to every point before it goes to the printer: the form's
// origin on the paper (dx1, dy1) and the print calibration (dx2, dy2), all in millimetres. Other
// callers pass what their own layout needs; the sum is what counts.
struct FormOffset
{
    float dx1 = 0;
    float dy1 = 0;
    float dx2 = 0;
    float dy2 = 0;

    // The printer position in twips of the point (x, y), single precision and not rounded.
    float xTwips(float x, float twipPerMm) const { return (dx1 + dx2 + x) * twipPerMm; }
    float yTwips(float y, float twipPerMm) const { return (dy1 + dy2 + y) * twipPerMm; }
};
