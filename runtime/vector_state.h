#pragma once

namespace vorrelin {

// Marks the upper halves of the x86 vector registers unused (VZEROUPPER), on a processor that
// has them; nothing anywhere else. Code built for the x86-64 baseline writes only the lower
// halves, and after another library's wide vector code has left the upper halves in use, each
// such write must wait for the register's last value: the curve then draws at half its speed
// or less. Called before the curve draws, and after each refresh, which may paint.
void ReleaseUpperVectorHalves();

} // namespace vorrelin
