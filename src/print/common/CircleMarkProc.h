#pragma once

#include "FormOffset.h"

class PrintDevice;

// A circle of radius r (mm) about the point (x, y) plus the offsets, drawn solid in line width 3
// to mark a pre-printed choice; the printer keeps that style and width afterwards.
void CircleMarkProc(PrintDevice& device, float x, float y, float r, const FormOffset& offset);
