#pragma once

// One key's state as of the latest poll.
struct KeyRecord {
  bool isPressed = false;     // down in this poll
  bool isFirstPress = false;  // down now and not down at the previous poll
  bool wasHeldDown = false;   // kept between polls to find first presses
};
