#pragma once

#include <QRect>

class QPainter;

// The program's mark beside the hospital's name: a rounded badge with a pulse line. (A red cross on
// white is the protected emblem of the Red Cross, which a hospital program must not borrow.)
void drawHospitalMark(QPainter& p, const QRect& box);
