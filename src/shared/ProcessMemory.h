#pragma once

namespace stakewell::shared {

// Lets the process keep the memory it frees for its next use. Saving or
// loading a large survey builds and frees several megabytes; the C library
// would hand them back to the system after every operation and fault them in
// again on the next, which on a virtual machine costs as much as the work
// itself. The cost is a few tens of megabytes kept after the largest file.
void KeepFreedMemoryForReuse();

} // namespace stakewell::shared
