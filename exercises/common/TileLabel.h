#pragma once

#include <QLabel>

#include <functional>

// A puzzle tile: a framed label with its text centred, whose left click runs `onClick`.
void makeTile(QLabel* label, std::function<void()> onClick);
