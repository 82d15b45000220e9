#pragma once

// Two boxes overlap only when they share a pixel: boxes that touch along an
// edge do not.
template <class A, class B>
bool overlaps(const A& a, const B& b) {
    return a.x < b.x + b.width && a.x + a.width > b.x && a.y < b.y + b.height &&
           a.y + a.height > b.y;
}
