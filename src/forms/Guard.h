#pragma once

#include <functional>

// Runs a window's handler; a database error or any other failure stops the handler and
// reaches the operator as an error message with the engine's own text. Returns false
// when the handler failed.
bool Guarded(const std::function<void()> &handler);
