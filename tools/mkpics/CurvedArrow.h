#pragma once

#include <QPainterPath>
#include <QPointF>

// A thick arc of a circle ending in a triangular arrow head: the shape of the direction arrows and
// of the Uno reverse sign.
struct CurvedArrow {
    QPointF centre;
    double radius = 1;
    double from = 0; // radians, where the tail starts
    double to = 1;   // radians, where the head points along the arc
    int steps = 32;  // straight pieces approximating the arc
    double width = 0.1;
    Qt::PenCapStyle tailCap = Qt::FlatCap;
    double headHalfWidth = 0.1; // across the arc at the tip
    double headLength = 0.1;    // beyond the tip, along the arc

    QPainterPath path() const;
};
