// The opening shown once at start-up, and the staff roll at the end of the course.
#pragma once

namespace Main2 {
// 80 frames: the walk-in, the little act and the logo. Ctrl skips it.
void Opening();
// Scrolls the credits behind the frame picture until the last one has left the screen.
// Ctrl scrolls twice as fast without frame waits.
void StaffRoll();
}  // namespace Main2
