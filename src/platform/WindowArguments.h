#pragma once

// What the entry point hands the window service about how to open the window. Tests and
// benchmarks open it hidden.
struct WindowArguments {
  bool hidden = false;
};
