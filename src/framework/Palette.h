#pragma once

#include <QColor>

// The program's one family of colours: warm whites, a soft rose and the crimson of the main window's
// strip, with a dark ink for text. The pictures tool draws with the same values.
namespace Palette {
inline QColor paper() {
    return {252, 250, 249};
} // window bodies
inline QColor blush() {
    return {244, 233, 231};
} // soft panels, the backdrop's far edge
inline QColor rose() {
    return {228, 184, 184};
} // the strip's left end, light accents
inline QColor crimson() {
    return {196, 36, 36};
} // the strip's right end, strong accents
inline QColor wine() {
    return {140, 34, 44};
} // title bars, pressed states
inline QColor ink() {
    return {52, 46, 50};
} // text
inline QColor slate() {
    return {112, 104, 108};
} // quiet text, frames
} // namespace Palette
